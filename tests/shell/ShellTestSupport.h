#pragma once

#include "support/IsolatedEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
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

// Runs `action` on the next modal window once it is open (a caller's exec() is waiting on it).
// A window the action leaves open is closed, so a failing check cannot hang the test. Deleting
// the returned timer calls the wait off.
inline QPointer<QTimer> WhenModalOpens(std::function<void(QWidget&)> action) {
    auto* timer = new QTimer(qApp);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, action = std::move(action)] {
        QWidget* window = QApplication::activeModalWidget();
        if (window != nullptr && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> guarded(window);
            action(*window);
            if (guarded && guarded->isVisible() && QApplication::activeModalWidget() == guarded) {
                guarded->close();
            }
            return;
        }
        if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return timer;
}

} // namespace quillmark::test
