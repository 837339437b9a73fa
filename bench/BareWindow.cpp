// The yardstick for quillmark's start-up: an empty Qt Widgets window of the same size, built with
// the same toolkit and flags, reporting "shown" the same way. With --one-label it shows a single
// caption as well: what drawing any text at all costs this toolkit.
#include "shell/ShownProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    const bool oneLabel = argc > 1 && std::strcmp(argv[argc - 1], "--one-label") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(354, 276);
    if (oneLabel) {
        (new QLabel(QStringLiteral("Sub/Function Name:"), &window))->move(8, 8);
    }
    quillmark::InstallShownProbe(window);
    window.show();
    return QApplication::exec();
}
