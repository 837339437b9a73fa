// Arbitrary profile file bytes, and an edit drawn from the same input: reading never crashes, what
// the edit reads of the file agrees with the whole reading, a written value reads back as written,
// and no other key changes. A refused edit leaves every byte.
#include "FuzzInput.h"
#include "SameSection.h"
#include "settings/ProfileParser.h"
#include "settings/ProfileWriter.h"

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <cstdint>

using namespace quillmark;
using fuzz::Check;
using fuzz::SameSection;

namespace {

using Snapshot = QMap<QPair<QString, QString>, QString>;

// Every (section, key) a reader sees, by case-folded names.
Snapshot Read(const ProfileDocument& document) {
    Snapshot values;
    for (const ProfileSection& section : document.Sections) {
        for (const ProfileEntry& entry : section.Entries) {
            values.insert({section.Name.toCaseFolded(), entry.Key.toCaseFolded()}, entry.Value);
        }
    }
    return values;
}

// What an edit of `section` reads of a file, against the whole reading: the same lines, line end
// and sections, and the same keys in that section.
bool SameForEdit(const ProfileDocument& whole, const ProfileDocument& forEdit,
                 const QString& section) {
    if (forEdit.Lines.size() != whole.Lines.size() || forEdit.LineEnd != whole.LineEnd ||
        forEdit.Sections.size() != whole.Sections.size()) {
        return false;
    }
    for (qsizetype index = 0; index < whole.Sections.size(); ++index) {
        if (forEdit.Sections[index].Name != whole.Sections[index].Name ||
            forEdit.Sections[index].HeaderLine != whole.Sections[index].HeaderLine) {
            return false;
        }
    }
    return SameSection(whole.FindSection(section), forEdit.FindSection(section));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString section = QString::fromUtf8(fuzz::TakeField(input, 32));
    const QString key = QString::fromUtf8(fuzz::TakeField(input, 32));
    const QString value = QString::fromUtf8(fuzz::TakeField(input, 32));
    const QByteArray file = input.toByteArray();

    const ProfileDocument before = ProfileParser::Parse(file);
    Check(SameForEdit(before, ProfileParser::ParseForEdit(file, section), section));
    const ProfileEditResult edited = ProfileWriter::Apply(file, {{section, key, value}});
    if (!edited.Error.isEmpty()) {
        Check(edited.Bytes == file);
        return 0;
    }
    const ProfileDocument after = ProfileParser::Parse(edited.Bytes);
    Check(after.Value(section, key) == value);

    Snapshot expected = Read(before);
    const ProfileSection* target = before.FindSection(section);
    const ProfileEntry* existing = target != nullptr ? target->Find(key) : nullptr;
    const QString targetSection = target != nullptr ? target->Name : section;
    const QString targetKey = existing != nullptr ? existing->Key : key;
    expected.insert({targetSection.toCaseFolded(), targetKey.toCaseFolded()}, value);
    Check(Read(after) == expected);
    return 0;
}
