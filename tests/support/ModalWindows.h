#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>

namespace quillmark::test {

// Runs `action` on the next modal window of type T once it is open, so a test can drive a window
// its caller shows with exec(). A window the action leaves open (a failed check returned early)
// is closed, and so is a stray modal window when none of type T opens within five seconds, so a
// failing test fails instead of hanging. Deleting the returned timer calls the wait off.
template <typename T = QWidget>
QPointer<QTimer> WhenModalOpens(std::function<void(std::type_identity_t<T>&)> action) {
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
    return timer;
}

} // namespace quillmark::test
