#pragma once

namespace quillmark {

// Past the process's file-size limit (ulimit -f) the system ends a program that writes on, with
// SIGXFSZ, and whatever was typed in its windows is lost. Ignoring the signal turns that into a
// write error (EFBIG), which every save already reports. Call once, at the start of main.
void ReportFileSizeLimitAsWriteError();

} // namespace quillmark
