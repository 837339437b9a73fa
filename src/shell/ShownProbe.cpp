#include "shell/ShownProbe.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace quillmark {

namespace {

long long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // Read whole: /proc files report no size, so stepping to their end does not work.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

void ReportAndExit() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long nanoseconds = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    std::printf("shown_ns=%lld rss_kb=%lld\n", nanoseconds, ResidentKilobytes());
    std::fflush(stdout);
    _exit(0);
}

class ExposeWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isExposed()) {
                // After this expose has been painted.
                QTimer::singleShot(0, &ReportAndExit);
            }
        }
        return false;
    }
};

} // namespace

void InstallShownProbe(QWidget& window) {
    if (!qEnvironmentVariableIsSet("QUILLMARK_EXIT_WHEN_SHOWN")) {
        return;
    }
    window.winId(); // make sure the native window exists to be watched
    window.windowHandle()->installEventFilter(new ExposeWatcher(&window));
}

} // namespace quillmark
