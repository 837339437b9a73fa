#include "params/ParamTypeCatalogue.h"

#include "settings/ProfileFile.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quillmark {

namespace {

const QString NumberKey = QStringLiteral("Number");

constexpr std::array<DevelopmentLanguage, 4> LoadOrder = {
    DevelopmentLanguage::VB, DevelopmentLanguage::VC, DevelopmentLanguage::Delphi,
    DevelopmentLanguage::Custom};

RegIni SettingsFile() {
    RegIni ini;
    ini.FileName(QString::fromLatin1(SettingsFileName));
    return ini;
}

// The count a catalogue section holds. Text that is no number, and a number past the 32-bit
// range, read as 0 (ReadWholeNumber); a negative count, which only a hand edit can make, also
// means an empty catalogue.
qint64 CountFrom(const QString& text) {
    return std::max<qint64>(0, SettingsLayout::ReadWholeNumber(text));
}

// k for a key "Param<k>" (any letter case, k in decimal without sign or leading zeros); -1 for
// every other key.
qint64 EntryNumber(const QString& key) {
    static const QString prefix = QStringLiteral("Param");
    if (!key.startsWith(prefix, Qt::CaseInsensitive) || key.size() == prefix.size() ||
        key.size() > prefix.size() + 18 || key[prefix.size()] == u'0') {
        return -1;
    }
    qint64 number = 0;
    for (qsizetype i = prefix.size(); i < key.size(); ++i) {
        if (key[i] < u'0' || key[i] > u'9') {
            return -1;
        }
        number = number * 10 + (key[i].unicode() - u'0');
    }
    return number;
}

} // namespace

void ParamTypeCatalogue::SetEntry(qint64 number, const QString& value) {
    if (number < 1 || number > size_) {
        return;
    }
    if (value.isEmpty()) {
        entries_.remove(number);
    } else if (entries_.isEmpty() || number > entries_.lastKey()) {
        entries_.insert(entries_.cend(), number, value); // entries mostly come in order
    } else {
        entries_.insert(number, value);
    }
}

void ParamTypeCatalogue::Append(const QString& value) {
    ++size_;
    SetEntry(size_, value);
}

QStringList ParamTypeCatalogue::TypeListEntries(bool keepBlankOnly) const {
    QStringList list;
    for (const QString& entry : entries_) {
        const bool blankOnly =
            std::all_of(entry.cbegin(), entry.cend(), [](QChar c) { return c == u' '; });
        if (keepBlankOnly || !blankOnly) {
            list.append(entry);
        }
    }
    return list;
}

ParamTypeCatalogue* ParamTypeCatalogues::ForLanguage(DevelopmentLanguage language) {
    return const_cast<ParamTypeCatalogue*>(std::as_const(*this).ForLanguage(language));
}

const ParamTypeCatalogue* ParamTypeCatalogues::ForLanguage(DevelopmentLanguage language) const {
    switch (language) {
    case DevelopmentLanguage::VB:
        return &ParamTypesVB;
    case DevelopmentLanguage::VC:
        return &ParamTypesVC;
    case DevelopmentLanguage::Delphi:
        return &ParamTypesDelphi;
    case DevelopmentLanguage::Custom:
        return &ParamTypesCustom;
    }
    return nullptr;
}

ParamTypeCatalogues ParamTypeCatalogueStore::Load() {
    // One reading of the file serves every count and entry, so they all come from one version.
    const auto document = ProfileFile::Read(SettingsFile().ProfilePath());
    ParamTypeCatalogues catalogues;
    for (const DevelopmentLanguage language : LoadOrder) {
        const QString section = SettingsLayout::CatalogueSection(language);
        *catalogues.ForLanguage(language) =
            ParamTypeCatalogue(CountFrom(document->Value(section, NumberKey).value_or(QString())));
    }
    // Only the keys present are visited, so a hand-edited count of two billion costs nothing
    // beyond the entries actually stored; keys numbered past the count are not read.
    for (const DevelopmentLanguage language : LoadOrder) {
        ParamTypeCatalogue& catalogue = *catalogues.ForLanguage(language);
        const ProfileSection* section =
            document->FindSection(SettingsLayout::CatalogueSection(language));
        if (section == nullptr) {
            continue;
        }
        for (const ProfileEntry& entry : section->Entries) {
            catalogue.SetEntry(EntryNumber(entry.Key), entry.Value);
        }
    }
    return catalogues;
}

AppendTypeResult ParamTypeCatalogueStore::Append(DevelopmentLanguage language,
                                                 const QString& answer) {
    RegIni ini = SettingsFile();
    AppendTypeResult result;
    result.FilePath = ini.ProfilePath();
    const QString section = SettingsLayout::CatalogueSection(language);
    // The count is read and both keys written under one lock, so two running copies adding at the
    // same moment get different numbers.
    const ProfileLock lock = ini.LockProfile();
    const qint64 count = CountFrom(ini.GetIniString(section, NumberKey, QStringLiteral("0")));
    result.Number = count + 1;
    if (!IsKnownLanguage(language)) {
        result.Ok = false;
        result.Reason = QStringLiteral("The language %1 has no type catalogue")
                            .arg(static_cast<std::int32_t>(language));
        return result;
    }
    if (!lock.IsLocked()) {
        result.Ok = false;
        result.Reason = lock.ErrorString();
        return result;
    }
    // A count past the 32-bit range would read back as 0 and hide the whole catalogue.
    if (count >= std::numeric_limits<std::int32_t>::max()) {
        result.Ok = false;
        result.Reason = QStringLiteral("The catalogue cannot hold more entries");
        return result;
    }
    const QString number = QString::number(result.Number);
    result.Ok = ini.SetIniStrings(
        section, {{NumberKey, number}, {QStringLiteral("Param") + number, answer}});
    result.Reason = ini.LastWriteError();
    return result;
}

} // namespace quillmark
