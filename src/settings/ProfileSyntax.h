#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmark {

// The small rules of the profile format that reading and writing must agree on: which blanks are
// trimmed, how a value is quoted so that it reads back unchanged, and which names and values
// would break a file's structure.
class ProfileSyntax {
public:
    static bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }
    static QByteArrayView TrimBlanks(QByteArrayView bytes) noexcept;
    // Removes one outer pair of matching quotes (' or "), as a reader does after trimming.
    static QByteArrayView Unquote(QByteArrayView bytes) noexcept;

    // The value as it must appear after "=": inside double quotes when trimming or unquoting
    // would otherwise change it.
    static QString QuoteForWriting(const QString& value);

    // Empty when the text can be written; otherwise why it cannot.
    static QString CheckSectionName(const QString& section);
    static QString CheckKeyName(const QString& key);
    static QString CheckValue(const QString& value);
};

} // namespace quillmark
