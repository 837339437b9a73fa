#pragma once

#include "settings/ProfileDocument.h"

namespace quillmark {

// Reads the Windows profile format: lines end in CR LF, LF or CR; ";" after optional blanks starts
// a comment; "[name]" opens a section; "key=value" inside a section is a value. Names match without
// regard to case and their first occurrence wins.
class ProfileParser {
public:
    static ProfileDocument Parse(QByteArray bytes);
};

} // namespace quillmark
