#pragma once

#include "shell/frmMain.h"
#include "support/IsolatedEnvironment.h"
#include "support/ModalWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillmark::test {

// Qt Test main for the window tests: a throw-away HOME and XDG folders for the whole run, so
// the windows never see the developer's own settings.
#define QUILLMARK_WINDOW_TEST_MAIN(TestClass)                                                      \
    int main(int argc, char** argv) {                                                              \
        quillmark::test::IsolatedEnvironment environment;                                          \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

inline QString SettingsFilePath() {
    return QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("quillmark/Quillmrk.ini");
}

inline void WriteSettingsFile(const QByteArray& content) {
    QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
    QFile file(SettingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

inline void RemoveSettingsFile() {
    QFile::remove(SettingsFilePath());
}

// A fresh main window, as a test starts with it: no settings file, loaded, shown and active.
// Closing it counts in `endings` instead of ending the test run.
inline void OpenFreshMainWindow(std::unique_ptr<frmMain>& window, int& endings) {
    RemoveSettingsFile();
    endings = 0;
    window = std::make_unique<frmMain>();
    window->SetEndApplication([&endings] { ++endings; });
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// A named child of a window; a missing one ends the test run at once (every later check of it
// would fail anyway).
template <typename T> T* FindChild(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

// Receives the URLs the window hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Urls;

public slots:
    void open(const QUrl& url) { Urls.append(url); }
};

} // namespace quillmark::test
