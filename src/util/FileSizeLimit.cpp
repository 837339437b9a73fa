#include "util/FileSizeLimit.h"

#include <csignal>

namespace quillmark {

void ReportFileSizeLimitAsWriteError() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace quillmark
