// The yardstick for quillmark's start-up: an empty Qt Widgets window of the same size, built with
// the same toolkit and flags, reporting "shown" the same way.
#include "shell/ShownProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(354, 276);
    quillmark::InstallShownProbe(window);
    window.show();
    return QApplication::exec();
}
