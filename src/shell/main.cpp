#include "shell/ApplicationStyle.h"
#include "shell/DialogFont.h"
#include "shell/FontWarmUp.h"
#include "shell/IdleProcessor.h"
#include "shell/ShownProbe.h"
#include "shell/StartupData.h"
#include "shell/frmMain.h"
#include "util/FileSizeLimit.h"

#include <QApplication>

int main(int argc, char** argv) {
    quillmark::ReportFileSizeLimitAsWriteError();
    // First, while this is the only thread of the program: how busy is the machine?
    const bool processorIdle = quillmark::AProcessorIsIdle();
    quillmark::StartupReader settings; // reads while the toolkit starts
    quillmark::FontWarmUp fonts(processorIdle);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmark"));
    QApplication::setDesktopFileName(QStringLiteral("quillmark"));
    QApplication::setStyle(new quillmark::ApplicationStyle);
    QApplication::setFont(quillmark::DialogFont(fonts.WithFamilyResolved(QApplication::font())));

    fonts.FillDatabase();
    quillmark::frmMain window;
    window.Form_Load(settings.Take());
    fonts.Wait();
    quillmark::InstallShownProbe(window);
    window.show();
    return QApplication::exec();
}
