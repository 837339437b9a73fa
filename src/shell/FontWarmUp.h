#pragma once

#include "shell/FontFamilyAlias.h"

#include <QFont>
#include <thread>

namespace quillmark {

// Font set-up beside the main thread's start-up, in two steps. First the desktop's font
// configuration is loaded while the toolkit connects to the display (its XML is the biggest single
// share of start-up), and the toolkit's stock family name is looked up in it. Then, once the
// application object exists, the toolkit's font database is filled while the window's first
// controls are built (the database is thread-safe; a text measurement on the main thread waits for
// it).
class FontWarmUp {
public:
    FontWarmUp(); // loads the configuration
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits for the configuration: `font`, asking for the family behind the stock family name.
    QFont WithFamilyResolved(const QFont& font);
    // With the application object made: waits for the configuration, then fills the database.
    // Nothing may measure or draw text before this: the configuration would be loaded twice.
    void FillDatabase();
    // Before the application object goes: the database is filled.
    void Wait();

private:
    std::thread working_;
    FontFamilyAlias stockFamily_; // set by the first thread, read once it is joined
};

} // namespace quillmark
