#include "settings/ProfileParser.h"

#include "settings/ProfileLineCodec.h"
#include "settings/ProfileSyntax.h"

namespace quillmark {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

QList<ProfileLine> SplitLines(const QByteArray& bytes, qsizetype start) {
    QList<ProfileLine> lines;
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype lineStart = start;
    for (qsizetype i = start; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n') {
            continue;
        }
        const qsizetype endLength =
            (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
        lines.append({lineStart, i - lineStart, endLength});
        i += endLength - 1;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        lines.append({lineStart, size - lineStart, 0});
    }
    return lines;
}

} // namespace

ProfileDocument ProfileParser::Parse(QByteArray bytes) {
    using Encoding = ProfileLineCodec::Encoding;
    ProfileDocument document;
    document.Bytes = std::move(bytes);
    const QByteArray& text = document.Bytes;
    document.HasByteOrderMark = text.startsWith(ByteOrderMark);
    document.Lines = SplitLines(text, document.HasByteOrderMark ? 3 : 0);

    QHash<ProfileKeyRef, qsizetype> keyIndex;
    keyIndex.reserve(document.Lines.size());
    bool lineEndFound = false;
    ProfileSection* current = nullptr; // null before the first section and in repeated sections
    for (qsizetype lineNumber = 0; lineNumber < document.Lines.size(); ++lineNumber) {
        const ProfileLine& line = document.Lines[lineNumber];
        if (!lineEndFound && line.EndLength > 0) {
            document.LineEnd = text.sliced(line.Start + line.Length, line.EndLength);
            lineEndFound = true;
        }
        const QByteArrayView content(text.constData() + line.Start, line.Length);
        const QByteArrayView trimmed = ProfileSyntax::TrimBlanks(content);
        if (trimmed.isEmpty() || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            const qsizetype close = trimmed.indexOf(']');
            if (close < 0) {
                continue; // an unclosed bracket: neither a header nor a value
            }
            const Encoding encoding = ProfileLineCodec::Classify(content);
            const QByteArrayView nameBytes =
                ProfileSyntax::TrimBlanks(trimmed.sliced(1, close - 1));
            const QString name = ProfileLineCodec::Decode(nameBytes, encoding);
            const QString folded = ProfileLineCodec::Fold(nameBytes, encoding, name);
            if (document.sectionIndex_.contains(folded)) {
                current = nullptr;
                continue;
            }
            document.sectionIndex_.insert(folded, document.Sections.size());
            document.Sections.append(ProfileSection{});
            current = &document.Sections.back();
            current->Name = name;
            current->HeaderLine = lineNumber;
            current->index_ = document.Sections.size() - 1;
            continue;
        }
        const qsizetype equals = content.indexOf('=');
        if (current == nullptr || equals < 0) {
            continue;
        }
        current->LastEntryLine = lineNumber;
        const Encoding encoding = ProfileLineCodec::Classify(content);
        const QByteArrayView keyBytes = ProfileSyntax::TrimBlanks(content.first(equals));
        const QString key = ProfileLineCodec::Decode(keyBytes, encoding);
        const qsizetype known = keyIndex.size();
        qsizetype& slot = keyIndex[ProfileKeyRef{current->index_, key}];
        if (keyIndex.size() == known) {
            continue; // a repeated key: the first one wins
        }
        slot = current->Entries.size();
        qsizetype valueStart = equals + 1;
        while (valueStart < content.size() && ProfileSyntax::IsBlank(content[valueStart])) {
            ++valueStart;
        }
        const QByteArrayView value =
            ProfileSyntax::Unquote(ProfileSyntax::TrimBlanks(content.sliced(valueStart)));
        current->Entries.append({key, ProfileLineCodec::Decode(value, encoding), lineNumber,
                                 valueStart, encoding == Encoding::Latin1});
    }
    for (ProfileSection& section : document.Sections) {
        section.keyIndex_ = keyIndex; // shared, not copied
    }
    return document;
}

} // namespace quillmark
