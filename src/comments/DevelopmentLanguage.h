#pragma once

#include <cstdint>

namespace quillmark {

// The development language picks the remark style and the type catalogue. A hand-edited settings
// file can hold any whole number here, so values outside the four named ones are legal and mean
// "no remark strings".
enum class DevelopmentLanguage : std::int32_t {
    VB = 0,
    VC = 1,
    Delphi = 2,
    Custom = 3,
};

inline constexpr bool IsKnownLanguage(DevelopmentLanguage language) {
    const auto value = static_cast<std::int32_t>(language);
    return value >= 0 && value <= 3;
}

} // namespace quillmark
