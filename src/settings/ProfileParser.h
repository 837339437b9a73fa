#pragma once

#include "settings/ProfileDocument.h"
#include "settings/ProfileLineCodec.h"

#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

namespace quillmark {

// A key line of a section as read, before decoding: a lean reader keeps only what it needs.
struct ProfileKeyLine {
    QByteArrayView Key;   // trimmed
    QByteArrayView Value; // trimmed, outer quotes removed
    ProfileLineCodec::Encoding Encoding = ProfileLineCodec::Encoding::Ascii; // of the whole line
};

// Reads the Windows profile format: lines end in CR LF, LF or CR; ";" after optional blanks starts
// a comment; "[name]" opens a section; "key=value" inside a section is a value. Names match without
// regard to case and their first occurrence wins.
class ProfileParser {
public:
    static ProfileDocument Parse(QByteArray bytes);
    // As Parse, but only the first occurrence of `section` has its keys read: every line and every
    // section is found, the other sections are left without entries. What an edit of one section
    // needs, without decoding and indexing every key of a large file.
    static ProfileDocument ParseForEdit(QByteArray bytes, const QString& section);

    // The first occurrence of one section, exactly as Parse finds it, without reading the lines
    // past its end; nullopt when the file has no such section.
    static std::optional<ProfileSection> ParseSection(QByteArrayView bytes, const QString& section);
    // The same, read from a device piece by piece: only the lines up to the section's end are read.
    static std::optional<ProfileSection> ParseSection(QIODevice& in, const QString& section);

    // Visits every key line of the first occurrence of each of the sections, in file order, with
    // the section's index in the list; nothing of the file is kept. A key repeated within a section
    // is visited each time: the first visit is the one a reader sees. Reading ends once every
    // listed section has ended.
    using KeyVisitor = std::function<void(qsizetype section, const ProfileKeyLine& line)>;
    static void VisitSections(QByteArrayView bytes, const QStringList& sections,
                              const KeyVisitor& visit);
    // The same, read from a device piece by piece, so a large file is never held whole.
    static void VisitSections(QIODevice& in, const QStringList& sections, const KeyVisitor& visit);

private:
    // Reads the keys of every section, or with `keysOf` those of that section only.
    static ProfileDocument ParseDocument(QByteArray bytes, const QString* keysOf);
    template <typename Lines>
    static std::optional<ProfileSection> ParseSectionOf(Lines& lines, const QString& section);
    template <typename Lines>
    static void VisitSectionsOf(Lines& lines, const QStringList& sections, const KeyVisitor& visit);
    static ProfileSection StartSection(const QString& name, qsizetype headerLine, qsizetype index);
    static void AddKey(ProfileSection& section, QHash<ProfileKeyRef, qsizetype>& keyIndex,
                       qsizetype lineNumber, QByteArrayView content, QByteArrayView key,
                       QByteArrayView value, qsizetype valueStart);
    static void ShareKeyIndex(ProfileSection& section,
                              const QHash<ProfileKeyRef, qsizetype>& keyIndex);
};

} // namespace quillmark
