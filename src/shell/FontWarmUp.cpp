#include "shell/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

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

} // namespace

FontWarmUp::FontWarmUp() {
#if defined(QUILLMARK_HAVE_FONTCONFIG)
    // Once loaded, the toolkit's own FcInit() finds the configuration in place.
    working_ = StartOrSkip([this] {
        FcInit();
        stockFamily_ = FontFamilyAlias::ResolveStockFamily();
    });
#endif
}

FontWarmUp::~FontWarmUp() {
    Wait();
}

QFont FontWarmUp::WithFamilyResolved(const QFont& font) {
    Wait();
    return stockFamily_.Apply(font);
}

void FontWarmUp::FillDatabase() {
    Wait();
    working_ = StartOrSkip([] { QFontDatabase::families(); });
}

void FontWarmUp::Wait() {
    if (working_.joinable()) {
        working_.join();
    }
}

} // namespace quillmark
