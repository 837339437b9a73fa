#include "shell/ShownProbe.h"
#include "shell/StartupData.h"
#include "shell/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    quillmark::StartupReader settings; // reads while the toolkit starts
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmark"));
    QApplication::setDesktopFileName(QStringLiteral("quillmark"));

    quillmark::frmMain window;
    window.Form_Load(settings.Take());
    quillmark::InstallShownProbe(window);
    window.show();
    return QApplication::exec();
}
