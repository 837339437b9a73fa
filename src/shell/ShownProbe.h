#pragma once

class QWidget;

namespace quillmark {

// For the start-up benchmark only: with QUILLMARK_EXIT_WHEN_SHOWN set, the process prints the
// wall-clock time (CLOCK_REALTIME, nanoseconds) and its resident memory once the window has been
// shown and painted, then exits at once. Without the variable it does nothing.
void InstallShownProbe(QWidget& window);

} // namespace quillmark
