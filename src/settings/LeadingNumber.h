#pragma once

#include <QString>
#include <optional>

namespace quillmark {

// The number a text begins with, read as a hand-edited settings file may hold it: spaces, tabs and
// line feeds anywhere are skipped; an optional sign, digits, a decimal point and an exponent are
// taken up to the first character that cannot continue the number. nullopt when the text does not
// begin with a number, or with one beyond the range of a double ("1e400", "1e-400").
class LeadingNumber {
public:
    static std::optional<double> Parse(const QString& text);
};

} // namespace quillmark
