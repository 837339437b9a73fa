#pragma once

#include <string_view>

namespace quillmark {

// Whether a processor is idle: fewer threads are running system-wide (the fourth field of
// /proc/loadavg, "running/total") than there are processors this process may use. False when
// that cannot be told.
bool AProcessorIsIdle();                                             // looks now
bool AProcessorIsIdle(std::string_view loadAverage, int processors); // reads one look

} // namespace quillmark
