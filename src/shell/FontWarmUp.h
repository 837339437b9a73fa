#pragma once

#include "shell/FontFamilyAlias.h"

#include <QFont>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace quillmark {

// Font set-up beside the main thread's start-up, in two steps. First the desktop's font
// configuration is loaded while the toolkit connects to the display (its XML is the biggest single
// share of start-up), and the toolkit's stock family name is looked up in it. Then, once the
// application object exists, the toolkit's font database is filled while the window's first
// controls are built (the database is thread-safe; a text measurement on the main thread waits for
// it).
//
// When a processor is idle (see AProcessorIsIdle), the first step runs at the lowest priority, so
// that the main thread and the display server get the processors first while the toolkit
// connects. The window does not wait for it then: if it has not finished, the window goes on
// without the looked-up family (the toolkit finds the same font itself). The database fill waits
// for it, since loading the configuration a second time beside it would cost a processor the
// display server and the main thread need; once the window waits for the fill, the fill stops
// waiting and loads the configuration itself. On a machine whose processors are all busy it would
// hardly run at that priority, so it keeps the normal one, and the window waits for it as for any
// other share of the start.
class FontWarmUp {
public:
    // Starts loading the configuration, at the lowest priority if `lowestPriority`.
    explicit FontWarmUp(bool lowestPriority);
    // For tests: `configure` stands for loading the configuration and looking up the family,
    // `fill` for filling the database.
    FontWarmUp(std::function<FontFamilyAlias()> configure, bool lowestPriority,
               std::function<void()> fill = {});
    ~FontWarmUp(); // joins both steps
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // `font`, asking for the family behind the stock family name if the first step has looked it
    // up; otherwise `font` as it is. Waits for the first step only at the normal priority.
    QFont WithFamilyResolved(const QFont& font);
    // With the application object made: fills the database on a thread of its own, once the
    // configuration is loaded.
    void FillDatabase();
    // Waits for the database fill, which then no longer waits for the configuration.
    void Wait();

private:
    void Configure(const std::function<FontFamilyAlias()>& configure, bool lowestPriority);
    void JoinConfiguring();
    void WaitForConfigurationUnlessLowered();
    void MarkConfigured();
    void WaitUntilConfiguredOrReleased();
    void ReleaseFill();

    std::thread configuring_;
    std::thread filling_;
    std::function<void()> fill_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool configured_ = false;     // guarded by mutex_
    bool fillReleased_ = false;   // guarded by mutex_
    FontFamilyAlias stockFamily_; // written by configuring_ before resolved_ is set
    std::atomic<bool> resolved_{false};
    bool lowestPriority_ = false;
};

} // namespace quillmark
