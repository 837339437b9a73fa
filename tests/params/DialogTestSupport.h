#pragma once

#include "support/IsolatedEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillmark::test {

// Acts on the next modal window of type T once it is open, so a test can drive a dialog that
// its caller shows with exec(). The action is expected to close it; if it does not (a failed
// check returned early), or no such window opens within a few seconds, the open modal window is
// closed so that the test fails instead of hanging.
template <typename T> void WhenModalOpens(std::function<void(T&)> action) {
    auto* timer = new QTimer(qApp);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, action = std::move(action)] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window != nullptr && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            QPointer<T> guarded(window);
            action(*window);
            if (guarded && guarded->isVisible() && QApplication::activeModalWidget() == guarded) {
                guarded->close();
            }
            return;
        }
        if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
            if (QWidget* stray = QApplication::activeModalWidget()) {
                stray->close();
            }
        }
    });
    timer->start(10);
}

// Closes every message box as soon as it opens and keeps its text, so that a test can check the
// messages it expects and an unexpected one fails the test instead of hanging it.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                texts_ << box->text();
                box->accept();
            }
        });
        timer_.start(10);
    }

    QStringList TakeTexts() { return std::exchange(texts_, {}); }

private:
    QTimer timer_;
    QStringList texts_;
};

// Every test function starts without a settings file: the isolated config folder is emptied.
inline void EmptyConfigFolder(const IsolatedEnvironment& environment) {
    QDir(environment.ConfigHome()).removeRecursively();
    QDir().mkpath(environment.ConfigHome());
}

} // namespace quillmark::test
