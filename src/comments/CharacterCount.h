#pragma once

#include <QStringView>

namespace quillmark {

// Columns in a comment block count letters, not UTF-16 units: a character outside the Basic
// Multilingual Plane (an emoji, say) is one column although QString holds it as two units.
qsizetype CharacterCount(QStringView text) noexcept;

} // namespace quillmark
