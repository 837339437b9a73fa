#pragma once

#include "cli/ParsedDeclaration.h"
#include "comments/DevelopmentLanguage.h"

#include <QStringView>

namespace quillmark::cli {

// Reads a declaration in the syntax of the development language: Visual Basic, C/C++ or Delphi.
// Custom remarks have no syntax of their own, so the syntax is guessed from the keywords.
class DeclarationReader {
public:
    // Throws InputError when the declaration cannot be read.
    static ParsedDeclaration Read(DevelopmentLanguage language, QStringView text);

    // The syntax a Custom-language declaration is read in.
    static DevelopmentLanguage GuessSyntax(QStringView text);
};

} // namespace quillmark::cli
