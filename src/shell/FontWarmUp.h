#pragma once

#include <system_error>
#include <thread>

namespace quillmark {

// Loads the desktop's font configuration on a thread of its own while the toolkit connects to the
// display. The toolkit loads it on first drawing text anyway; the configuration's XML takes the
// biggest single share of start-up, and this way it overlaps work that does not need fonts.
// Wait() before anything measures or draws text: were both to load it at once, it would be loaded
// twice.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void Wait();

private:
    std::thread loading_;
};

} // namespace quillmark
