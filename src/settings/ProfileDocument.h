#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace quillmark {

// One line of a profile file, as byte positions in the file's text.
struct ProfileLine {
    qsizetype Start = 0;     // first byte of the content (after a byte-order mark on line 0)
    qsizetype Length = 0;    // bytes of content, without the line end
    qsizetype EndLength = 0; // 0 (last line without a break), 1 (CR or LF) or 2 (CR LF)
};

// A key of a section as a reader sees it: the first line that names it.
struct ProfileEntry {
    QString Key;   // as spelled in the file, trimmed
    QString Value; // trimmed, outer quotes removed
    qsizetype Line = 0;
    qsizetype ValueStart = 0; // content offset of the value, past "=" and any blanks after it
    bool EightBit = false;    // the line is not valid UTF-8
};

// A key of one section; names compare and hash without regard to letter case, so the table can
// share the entries' own strings instead of holding folded copies.
struct ProfileKeyRef {
    qsizetype Section = 0;
    QString Key;

    bool operator==(const ProfileKeyRef& other) const noexcept {
        return Section == other.Section && Key.compare(other.Key, Qt::CaseInsensitive) == 0;
    }
};

size_t qHash(const ProfileKeyRef& key, size_t seed = 0) noexcept;

// The first occurrence of a section; later sections of the same name are not read.
struct ProfileSection {
    QString Name;
    qsizetype HeaderLine = 0;
    qsizetype LastEntryLine = -1; // the last key line of the section, -1 when it has none
    QList<ProfileEntry> Entries;  // first occurrences of each key, in file order

    const ProfileEntry* Find(const QString& key) const;

private:
    friend class ProfileParser;
    qsizetype index_ = 0;
    // Every section's keys in one table, shared by all sections of a document (one table is
    // sized once for the whole file instead of growing per section).
    QHash<ProfileKeyRef, qsizetype> keyIndex_; // -> index in Entries
};

// A parsed profile file: its bytes, its lines and what a reader finds in them.
class ProfileDocument {
public:
    QByteArray Bytes;
    QList<ProfileLine> Lines;
    QList<ProfileSection> Sections;
    QByteArray LineEnd = "\r\n"; // the file's first line end; CR LF for a file that has none

    const ProfileSection* FindSection(const QString& section) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

private:
    friend class ProfileParser;
    QHash<QString, qsizetype> sectionIndex_; // case-folded name -> index in Sections
};

} // namespace quillmark
