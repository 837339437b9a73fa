#include "settings/ProfileWriter.h"

#include "settings/ProfileLineCodec.h"
#include "settings/ProfileParser.h"
#include "settings/ProfileSyntax.h"

namespace quillmark {

namespace {

QByteArray EntryLine(const QString& key, const QString& value) {
    return (key + u'=' + ProfileSyntax::QuoteForWriting(value)).toUtf8();
}

QByteArray ReplaceValue(const ProfileDocument& document, const ProfileEntry& entry,
                        const QString& value) {
    const ProfileLine& line = document.Lines[entry.Line];
    // The key's spelling and the blanks around "=" stay; an 8-bit line is rewritten in UTF-8 so
    // that it reads back as one encoding.
    const QString prefix = ProfileLineCodec::Decode(
        QByteArrayView(document.Bytes.constData() + line.Start, entry.ValueStart), entry.EightBit);
    QByteArray result = document.Bytes.first(line.Start);
    result += (prefix + ProfileSyntax::QuoteForWriting(value)).toUtf8();
    result += QByteArrayView(document.Bytes).sliced(line.Start + line.Length);
    return result;
}

QByteArray InsertAfterLine(const ProfileDocument& document, qsizetype lineNumber,
                           const QByteArray& newLine) {
    const ProfileLine& line = document.Lines[lineNumber];
    const qsizetype contentEnd = line.Start + line.Length;
    QByteArray insertion;
    QByteArray lineEnd = document.LineEnd;
    if (line.EndLength == 0) {
        insertion += document.LineEnd; // the last line gets the break it lacked
    } else {
        // The neighbour's own line end, so that a CR never meets the LF of a following empty line.
        lineEnd = document.Bytes.sliced(contentEnd, line.EndLength);
    }
    insertion += newLine;
    insertion += lineEnd;
    QByteArray result = document.Bytes;
    result.insert(contentEnd + line.EndLength, insertion);
    return result;
}

QByteArray AppendSection(const ProfileDocument& document, const ProfileEdit& edit) {
    QByteArray result = document.Bytes;
    QByteArray lineEnd = document.LineEnd;
    if (!document.Lines.isEmpty()) {
        const ProfileLine& last = document.Lines.back();
        if (last.EndLength == 0) {
            result += lineEnd;
        } else {
            // After a last line ending in CR alone, an LF would merge with it: follow its line end.
            lineEnd = document.Bytes.sliced(last.Start + last.Length, last.EndLength);
        }
        const QByteArrayView lastContent(document.Bytes.constData() + last.Start, last.Length);
        if (!ProfileSyntax::TrimBlanks(lastContent).isEmpty()) {
            result += lineEnd; // a blank line between sections, as Windows writes them
        }
    }
    result += (u'[' + edit.Section + u']').toUtf8();
    result += lineEnd;
    if (edit.Key) {
        result += EntryLine(*edit.Key, edit.Value);
        result += lineEnd;
    }
    return result;
}

} // namespace

QString ProfileWriter::Check(const ProfileEdit& edit) {
    QString error = ProfileSyntax::CheckSectionName(edit.Section);
    if (error.isEmpty() && edit.Key) {
        error = ProfileSyntax::CheckKeyName(*edit.Key);
        if (error.isEmpty()) {
            error = ProfileSyntax::CheckValue(edit.Value);
        }
    }
    return error;
}

ProfileEditResult ProfileWriter::Apply(const QByteArray& bytes, const QList<ProfileEdit>& edits) {
    // Notepad's "Unicode": lines added in 8-bit text would make the whole file unreadable in it.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return {bytes, QStringLiteral("The file is saved as UTF-16 text, which is not read or "
                                      "written here; save it as UTF-8 or ANSI text")};
    }
    for (const ProfileEdit& edit : edits) {
        if (QString error = Check(edit); !error.isEmpty()) {
            return {bytes, error};
        }
    }
    QByteArray result = bytes;
    for (const ProfileEdit& edit : edits) {
        result = ApplyOne(ProfileParser::ParseForEdit(result, edit.Section), edit);
    }
    return {result, {}};
}

QByteArray ProfileWriter::ApplyOne(const ProfileDocument& document, const ProfileEdit& edit) {
    const ProfileSection* section = document.FindSection(edit.Section);
    if (section == nullptr) {
        return AppendSection(document, edit);
    }
    if (!edit.Key) {
        return document.Bytes;
    }
    if (const ProfileEntry* entry = section->Find(*edit.Key)) {
        return ReplaceValue(document, *entry, edit.Value);
    }
    const qsizetype after =
        section->LastEntryLine >= 0 ? section->LastEntryLine : section->HeaderLine;
    return InsertAfterLine(document, after, EntryLine(*edit.Key, edit.Value));
}

} // namespace quillmark
