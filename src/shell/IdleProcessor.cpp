#include "shell/IdleProcessor.h"

#include <QThread>
#include <charconv>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace quillmark {

bool AProcessorIsIdle() {
    // A process that has just started this one (a shell, a launcher) is often still running for a
    // moment; a busy machine stays busy. So a second or third look, a tenth of a millisecond
    // apart, before calling the machine busy.
    constexpr int Looks = 3;
    const int processors = QThread::idealThreadCount(); // those this process may use
    for (int look = 0; look < Looks; ++look) {
        if (look > 0) {
            const timespec pause{0, 100'000};
            nanosleep(&pause, nullptr);
        }
        // A few bytes the kernel writes afresh on every read; plain system calls do.
        const int file = open("/proc/loadavg", O_RDONLY | O_CLOEXEC);
        if (file < 0) {
            return false;
        }
        char text[128];
        const ssize_t length = read(file, text, sizeof(text));
        close(file);
        if (length <= 0) {
            return false;
        }
        if (AProcessorIsIdle(std::string_view(text, static_cast<size_t>(length)), processors)) {
            return true;
        }
    }
    return false;
}

bool AProcessorIsIdle(std::string_view loadAverage, int processors) {
    // "0.41 1.28 1.47 1/234 5678": three averages, then running/total.
    size_t field = 0;
    for (int skipped = 0; skipped < 3; ++skipped) {
        field = loadAverage.find(' ', field);
        if (field == std::string_view::npos) {
            return false;
        }
        ++field;
    }
    const std::string_view rest = loadAverage.substr(field);
    int running = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), running);
    if (error != std::errc() || running < 0 || end == rest.data() + rest.size() || *end != '/') {
        return false;
    }
    return running < processors;
}

} // namespace quillmark
