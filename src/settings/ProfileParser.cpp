#include "settings/ProfileParser.h"

#include "settings/ProfileSyntax.h"

#include <QIODevice>
#include <algorithm>

namespace quillmark {

namespace {

using Encoding = ProfileLineCodec::Encoding;

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Steps through the lines of a profile file's text one at a time, so that a reader that needs only
// part of a file neither keeps nor visits the rest.
class LineStepper {
public:
    explicit LineStepper(QByteArrayView text)
        : text_(text), next_(text.startsWith(ByteOrderMark) ? 3 : 0) {}

    bool Next(ProfileLine& line) {
        const qsizetype size = text_.size();
        if (next_ >= size) {
            return false;
        }
        const char* data = text_.data();
        qsizetype end = next_;
        while (end < size && data[end] != '\r' && data[end] != '\n') {
            ++end;
        }
        qsizetype endLength = 0;
        if (end < size) {
            endLength = (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
        }
        line = {next_, end - next_, endLength};
        next_ = end + endLength;
        return true;
    }

    bool Next(QByteArrayView& content) {
        ProfileLine line;
        if (!Next(line)) {
            return false;
        }
        content = text_.sliced(line.Start, line.Length);
        return true;
    }

private:
    QByteArrayView text_;
    qsizetype next_;
};

// The same steps over a device read a piece at a time; a line's content stays valid until the
// next step.
class DeviceLineStepper {
public:
    explicit DeviceLineStepper(QIODevice& in) : in_(in) {}

    bool Next(QByteArrayView& content) {
        for (;;) {
            const char* data = buffer_.constData();
            const qsizetype size = buffer_.size();
            // Bytes already searched hold no line end: a long line is searched once, not again
            // with each piece.
            qsizetype end = std::max(next_, searched_);
            while (end < size && data[end] != '\r' && data[end] != '\n') {
                ++end;
            }
            // A CR that ends the piece read so far may be the first half of a CR LF.
            const bool decided = end < size && (data[end] == '\n' || end + 1 < size || atEnd_);
            if (decided || (atEnd_ && next_ < size)) {
                qsizetype endLength = 0;
                if (end < size) {
                    endLength =
                        (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
                }
                content = QByteArrayView(data + next_, end - next_);
                next_ = end + endLength;
                searched_ = next_;
                // A line that ended within the first three bytes rules out a byte-order mark, and
                // one later in the file is text, as in the whole-text reader.
                markChecked_ = true;
                return true;
            }
            if (atEnd_) {
                return false;
            }
            searched_ = end - next_; // a CR at the end is looked at again with the next piece
            buffer_.remove(0, next_);
            next_ = 0;
            const QByteArray piece = in_.read(PieceSize);
            atEnd_ = piece.isEmpty();
            buffer_ += piece;
            if (!markChecked_ && (buffer_.size() >= 3 || atEnd_)) {
                markChecked_ = true;
                next_ = buffer_.startsWith(ByteOrderMark) ? 3 : 0;
            }
        }
    }

private:
    static constexpr qint64 PieceSize = 64 * 1024;
    QIODevice& in_;
    QByteArray buffer_;
    qsizetype next_ = 0;
    qsizetype searched_ = 0; // where the search for the current line's end goes on
    bool atEnd_ = false;
    bool markChecked_ = false;
};

// What one line is to a reader: a section header, a key line, or neither (blank, comment, an
// unclosed bracket, text without "=").
struct LineMeaning {
    enum class Kind { None, Header, Key };
    Kind What = Kind::None;
    QByteArrayView Name;  // the section name or the key, trimmed
    QByteArrayView Value; // trimmed, outer quotes removed
    qsizetype ValueStart = 0;
};

LineMeaning ReadLine(QByteArrayView content) {
    const QByteArrayView trimmed = ProfileSyntax::TrimBlanks(content);
    if (trimmed.isEmpty() || trimmed.front() == ';') {
        return {};
    }
    if (trimmed.front() == '[') {
        const qsizetype close = trimmed.indexOf(']');
        if (close < 0) {
            return {};
        }
        return {LineMeaning::Kind::Header,
                ProfileSyntax::TrimBlanks(trimmed.sliced(1, close - 1)),
                {},
                0};
    }
    const qsizetype equals = content.indexOf('=');
    if (equals < 0) {
        return {};
    }
    qsizetype valueStart = equals + 1;
    while (valueStart < content.size() && ProfileSyntax::IsBlank(content[valueStart])) {
        ++valueStart;
    }
    return {LineMeaning::Kind::Key, ProfileSyntax::TrimBlanks(content.first(equals)),
            ProfileSyntax::Unquote(ProfileSyntax::TrimBlanks(content.sliced(valueStart))),
            valueStart};
}

// A header's name as it was written, and the folded form names are matched by.
struct SectionName {
    QString Name;
    QString Folded;
};

SectionName ReadSectionName(QByteArrayView content, QByteArrayView nameBytes) {
    const Encoding encoding = ProfileLineCodec::Classify(content);
    QString name = ProfileLineCodec::Decode(nameBytes, encoding);
    QString folded = ProfileLineCodec::Fold(nameBytes, encoding, name);
    return {std::move(name), std::move(folded)};
}

} // namespace

ProfileSection ProfileParser::StartSection(const QString& name, qsizetype headerLine,
                                           qsizetype index) {
    ProfileSection section;
    section.Name = name;
    section.HeaderLine = headerLine;
    section.index_ = index;
    return section;
}

void ProfileParser::AddKey(ProfileSection& section, QHash<ProfileKeyRef, qsizetype>& keyIndex,
                           qsizetype lineNumber, QByteArrayView content, QByteArrayView key,
                           QByteArrayView value, qsizetype valueStart) {
    section.LastEntryLine = lineNumber;
    const Encoding encoding = ProfileLineCodec::Classify(content);
    const QString name = ProfileLineCodec::Decode(key, encoding);
    const qsizetype known = keyIndex.size();
    qsizetype& slot = keyIndex[ProfileKeyRef{section.index_, name}];
    if (keyIndex.size() == known) {
        return; // a repeated key: the first one wins
    }
    slot = section.Entries.size();
    section.Entries.append({name, ProfileLineCodec::DecodeValue(value, encoding), lineNumber,
                            valueStart, encoding == Encoding::EightBit});
}

void ProfileParser::ShareKeyIndex(ProfileSection& section,
                                  const QHash<ProfileKeyRef, qsizetype>& keyIndex) {
    section.keyIndex_ = keyIndex; // shared, not copied
}

ProfileDocument ProfileParser::Parse(QByteArray bytes) {
    return ParseDocument(std::move(bytes), nullptr);
}

ProfileDocument ProfileParser::ParseForEdit(QByteArray bytes, const QString& section) {
    return ParseDocument(std::move(bytes), &section);
}

ProfileDocument ProfileParser::ParseDocument(QByteArray bytes, const QString* keysOf) {
    const QString wanted = keysOf != nullptr ? keysOf->toCaseFolded() : QString();
    ProfileDocument document;
    document.Bytes = std::move(bytes);
    const QByteArray& text = document.Bytes;
    LineStepper stepper(text);
    for (ProfileLine line; stepper.Next(line);) {
        document.Lines.append(line);
    }

    QHash<ProfileKeyRef, qsizetype> keyIndex;
    if (keysOf == nullptr) {
        keyIndex.reserve(document.Lines.size());
    }
    bool lineEndFound = false;
    // Null before the first section, in repeated sections and in those whose keys are not read.
    ProfileSection* current = nullptr;
    for (qsizetype lineNumber = 0; lineNumber < document.Lines.size(); ++lineNumber) {
        const ProfileLine& line = document.Lines[lineNumber];
        if (!lineEndFound && line.EndLength > 0) {
            document.LineEnd = text.sliced(line.Start + line.Length, line.EndLength);
            lineEndFound = true;
        }
        const QByteArrayView content(text.constData() + line.Start, line.Length);
        const LineMeaning meaning = ReadLine(content);
        if (meaning.What == LineMeaning::Kind::Header) {
            const SectionName name = ReadSectionName(content, meaning.Name);
            if (document.sectionIndex_.contains(name.Folded)) {
                current = nullptr;
                continue;
            }
            document.sectionIndex_.insert(name.Folded, document.Sections.size());
            document.Sections.append(StartSection(name.Name, lineNumber, document.Sections.size()));
            current =
                keysOf == nullptr || name.Folded == wanted ? &document.Sections.back() : nullptr;
        } else if (meaning.What == LineMeaning::Kind::Key && current != nullptr) {
            AddKey(*current, keyIndex, lineNumber, content, meaning.Name, meaning.Value,
                   meaning.ValueStart);
        }
    }
    for (ProfileSection& section : document.Sections) {
        ShareKeyIndex(section, keyIndex);
    }
    return document;
}

std::optional<ProfileSection> ProfileParser::ParseSection(QByteArrayView bytes,
                                                          const QString& section) {
    LineStepper lines(bytes);
    return ParseSectionOf(lines, section);
}

std::optional<ProfileSection> ProfileParser::ParseSection(QIODevice& in, const QString& section) {
    DeviceLineStepper lines(in);
    return ParseSectionOf(lines, section);
}

void ProfileParser::VisitSections(QByteArrayView bytes, const QStringList& sections,
                                  const KeyVisitor& visit) {
    LineStepper lines(bytes);
    VisitSectionsOf(lines, sections, visit);
}

void ProfileParser::VisitSections(QIODevice& in, const QStringList& sections,
                                  const KeyVisitor& visit) {
    DeviceLineStepper lines(in);
    VisitSectionsOf(lines, sections, visit);
}

template <typename Lines>
std::optional<ProfileSection> ProfileParser::ParseSectionOf(Lines& lines, const QString& section) {
    const QString wanted = section.toCaseFolded();
    std::optional<ProfileSection> found;
    QHash<ProfileKeyRef, qsizetype> keyIndex;
    qsizetype lineNumber = 0;
    for (QByteArrayView content; lines.Next(content); ++lineNumber) {
        const LineMeaning meaning = ReadLine(content);
        if (meaning.What == LineMeaning::Kind::Header) {
            if (found) {
                break; // the section has ended; a later one of the same name is never read
            }
            const SectionName name = ReadSectionName(content, meaning.Name);
            if (name.Folded == wanted) {
                found = StartSection(name.Name, lineNumber, 0);
            }
        } else if (meaning.What == LineMeaning::Kind::Key && found) {
            AddKey(*found, keyIndex, lineNumber, content, meaning.Name, meaning.Value,
                   meaning.ValueStart);
        }
    }
    if (found) {
        ShareKeyIndex(*found, keyIndex);
    }
    return found;
}

template <typename Lines>
void ProfileParser::VisitSectionsOf(Lines& lines, const QStringList& sections,
                                    const KeyVisitor& visit) {
    QStringList wanted;
    for (const QString& section : sections) {
        wanted.append(section.toCaseFolded());
    }
    QList<bool> seen(wanted.size(), false);
    qsizetype unseen = wanted.size();
    qsizetype current = -1;
    for (QByteArrayView content; lines.Next(content);) {
        const LineMeaning meaning = ReadLine(content);
        if (meaning.What == LineMeaning::Kind::Header) {
            if (current >= 0 && unseen == 0) {
                return; // every listed section has been read to its end
            }
            current = wanted.indexOf(ReadSectionName(content, meaning.Name).Folded);
            if (current >= 0 && seen[current]) {
                current = -1;
            } else if (current >= 0) {
                seen[current] = true;
                --unseen;
            }
        } else if (meaning.What == LineMeaning::Kind::Key && current >= 0) {
            visit(current, {meaning.Name, meaning.Value, ProfileLineCodec::Classify(content)});
        }
    }
}

} // namespace quillmark
