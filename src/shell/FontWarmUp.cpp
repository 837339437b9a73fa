#include "shell/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

#if defined(QUILLMARK_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace quillmark {

namespace {

// Without a thread to spare, the toolkit does the same work itself when it first needs fonts.
template <typename Work> std::thread StartOrSkip(Work work) {
    try {
        return std::thread(work);
    } catch (const std::system_error&) {
        return {};
    }
}

void FillToolkitDatabase() {
    QFontDatabase::families();
}

// Linux keeps a nice value per thread. Lowering it needs no privilege; nothing raises it again.
void LowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

} // namespace

FontWarmUp::FontWarmUp([[maybe_unused]] bool lowestPriority) : fill_(&FillToolkitDatabase) {
#if defined(QUILLMARK_HAVE_FONTCONFIG)
    // Once loaded, the toolkit's own FcInit() finds the configuration in place.
    Configure(
        [] {
            FcInit();
            return FontFamilyAlias::ResolveStockFamily();
        },
        lowestPriority);
#else
    MarkConfigured();
#endif
}

FontWarmUp::FontWarmUp(std::function<FontFamilyAlias()> configure, bool lowestPriority,
                       std::function<void()> fill)
    : fill_(fill ? std::move(fill) : std::function<void()>(&FillToolkitDatabase)) {
    Configure(configure, lowestPriority);
}

void FontWarmUp::Configure(const std::function<FontFamilyAlias()>& configure, bool lowestPriority) {
    lowestPriority_ = lowestPriority;
    configuring_ = StartOrSkip([this, configure, lowestPriority] {
        if (lowestPriority) {
            LowerThisThreadsPriority();
        }
        stockFamily_ = configure();
        resolved_.store(true, std::memory_order_release);
        MarkConfigured();
    });
    if (!configuring_.joinable()) {
        MarkConfigured(); // nothing to wait for
    }
}

void FontWarmUp::MarkConfigured() {
    {
        const std::lock_guard lock(mutex_);
        configured_ = true;
    }
    changed_.notify_all();
}

void FontWarmUp::WaitUntilConfiguredOrReleased() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return configured_ || fillReleased_; });
}

void FontWarmUp::ReleaseFill() {
    {
        const std::lock_guard lock(mutex_);
        fillReleased_ = true;
    }
    changed_.notify_all();
}

FontWarmUp::~FontWarmUp() {
    Wait();
    JoinConfiguring();
}

void FontWarmUp::JoinConfiguring() {
    if (configuring_.joinable()) {
        configuring_.join();
    }
}

void FontWarmUp::WaitForConfigurationUnlessLowered() {
    // At the normal priority the configuration is as good as loaded: waiting is cheaper than
    // loading it a second time. At the lowest, it may not run for a long time.
    if (!lowestPriority_) {
        JoinConfiguring();
    }
}

QFont FontWarmUp::WithFamilyResolved(const QFont& font) {
    WaitForConfigurationUnlessLowered();
    if (!resolved_.load(std::memory_order_acquire)) {
        return font;
    }
    return stockFamily_.Apply(font);
}

void FontWarmUp::FillDatabase() {
    Wait();
    WaitForConfigurationUnlessLowered();
    {
        const std::lock_guard lock(mutex_);
        fillReleased_ = false;
    }
    filling_ = StartOrSkip([this] {
        WaitUntilConfiguredOrReleased();
        fill_();
    });
}

void FontWarmUp::Wait() {
    if (filling_.joinable()) {
        ReleaseFill();
        filling_.join();
    }
}

} // namespace quillmark
