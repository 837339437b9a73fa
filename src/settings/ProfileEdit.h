#pragma once

#include <QString>
#include <optional>

namespace quillmark {

// One change to a profile file: set Key in Section to Value, or, without a key, make sure the
// section exists.
struct ProfileEdit {
    QString Section;
    std::optional<QString> Key;
    QString Value;
};

} // namespace quillmark
