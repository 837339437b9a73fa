#include "shell/FontWarmUp.h"

#if defined(QUILLMARK_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace quillmark {

FontWarmUp::FontWarmUp() {
#if defined(QUILLMARK_HAVE_FONTCONFIG)
    try {
        // Once loaded, the toolkit's own FcInit() finds the configuration in place.
        loading_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the toolkit loads the configuration itself, as it would anyway.
    }
#endif
}

FontWarmUp::~FontWarmUp() {
    Wait();
}

void FontWarmUp::Wait() {
    if (loading_.joinable()) {
        loading_.join();
    }
}

} // namespace quillmark
