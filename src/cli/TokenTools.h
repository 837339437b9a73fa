#pragma once

#include "cli/DeclarationLexer.h"

#include <QList>
#include <QString>

namespace quillmark::cli {

// Bracket matching, splitting and spelling shared by the declaration parsers.
class TokenTools {
public:
    // The index of the bracket that closes the one at `open` ("(", "[", "{" or, with angles, "<");
    // -1 when it is never closed.
    static qsizetype MatchingClose(const DeclarationTokens& tokens, qsizetype open,
                                   bool angles = false);

    // Splits at `separator` symbols outside any brackets; an empty input gives no parts.
    static QList<DeclarationTokens> SplitTopLevel(const DeclarationTokens& tokens,
                                                  QStringView separator, bool angles = false);

    // The tokens written back as one type text with conventional spacing: "const char*",
    // "std::map<std::string, int>", "int (*)(const void*)", "String * 10", "array of Integer".
    static QString Spell(const DeclarationTokens& tokens, DeclarationSyntax syntax);

    static DeclarationTokens Slice(const DeclarationTokens& tokens, qsizetype from, qsizetype to);

    // "*", "&", "&&" or "^" (a C++/CLI handle).
    static bool IsPointerMark(const DeclarationToken& token);
    // Whether the "(" at `open` starts "(*", "(&", "(^" or "(Class::*": the group of a pointer to
    // a function or an array, not a parameter list.
    static bool OpensPointerGroup(const DeclarationTokens& tokens, qsizetype open);

    // Whether a "<" at `index` opens a template or generic argument list: it follows a name and
    // is closed by a ">" before the brackets around it close.
    static bool OpensAngle(const DeclarationTokens& tokens, qsizetype index);
};

} // namespace quillmark::cli
