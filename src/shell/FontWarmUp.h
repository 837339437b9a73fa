#pragma once

#include <thread>

namespace quillmark {

// Font set-up beside the main thread's start-up, in two steps. First the desktop's font
// configuration is loaded while the toolkit connects to the display: its XML is the biggest single
// share of start-up. Then, once the application object exists, the toolkit's font database is
// filled while the window's first controls are built (the database is thread-safe; a text
// measurement on the main thread waits for it).
class FontWarmUp {
public:
    FontWarmUp(); // loads the configuration
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // With the application object made: waits for the configuration, then fills the database.
    // Nothing may measure or draw text before this: the configuration would be loaded twice.
    void FillDatabase();
    // Before the application object goes: the database is filled.
    void Wait();

private:
    std::thread working_;
};

} // namespace quillmark
