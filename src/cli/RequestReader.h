#pragma once

#include "cli/BlockDescription.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillmark::cli {

// Reads the JSON description of one procedure. Every member is optional; unknown members, wrong
// types, unknown kinds and line breaks inside one-line fields are errors, so a typing mistake
// never silently produces a wrong block.
class RequestReader {
public:
    // Throws InputError with a one-line message (with the position for invalid JSON).
    static BlockDescription Read(const QByteArray& json);

    // The free text split into lines the way the window splits its text box: at CR LF, LF or CR;
    // an empty text is one empty line, and a text ending with a line break has an empty last line.
    static QStringList SplitFreeText(const QString& text);

    // "VB", "VC" (also "C", "C++"), "Delphi", "Custom", any letter case; or "0" to "3".
    static std::optional<DevelopmentLanguage> LanguageFromName(const QString& name);
    static QString LanguageName(DevelopmentLanguage language);
};

} // namespace quillmark::cli
