#include "params/ParamTypeCatalogue.h"

#include "settings/ProfileFile.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace quillmark {

namespace {

const QString NumberKey = QStringLiteral("Number");

constexpr std::array<DevelopmentLanguage, 4> LoadOrder = {
    DevelopmentLanguage::VB, DevelopmentLanguage::VC, DevelopmentLanguage::Delphi,
    DevelopmentLanguage::Custom};

// The count a catalogue section holds. Text that is no number, and a number past the 32-bit
// range, read as 0 (ReadWholeNumber); a negative count, which only a hand edit can make, also
// means an empty catalogue.
qint64 CountFrom(const QString& text) {
    return std::max<qint64>(0, SettingsLayout::ReadWholeNumber(text));
}

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// k for a key "Param<k>" (any letter case, k in decimal without sign or leading zeros); -1 for
// every other key.
qint64 EntryNumber(QStringView key) {
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

// The same from a key line's bytes, without making a string of a plain ASCII key.
qint64 EntryNumber(const ProfileKeyLine& line) {
    const QByteArrayView key = line.Key;
    if (!IsAscii(key)) {
        return EntryNumber(ProfileLineCodec::Decode(key, line.Encoding));
    }
    constexpr qsizetype prefix = 5; // "Param"
    if (key.size() <= prefix || key.size() > prefix + 18 ||
        qstrnicmp(key.data(), "Param", prefix) != 0 || key[prefix] == '0') {
        return -1;
    }
    qint64 number = 0;
    for (qsizetype i = prefix; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') {
            return -1;
        }
        number = number * 10 + (key[i] - '0');
    }
    return number;
}

bool IsNumberKey(const ProfileKeyLine& line) {
    if (IsAscii(line.Key)) {
        return line.Key.size() == NumberKey.size() &&
               qstrnicmp(line.Key.data(), "Number", NumberKey.size()) == 0;
    }
    return ProfileLineCodec::Decode(line.Key, line.Encoding)
               .compare(NumberKey, Qt::CaseInsensitive) == 0;
}

// A catalogue section as read: its first count, and its keys' values in file order.
struct CatalogueReading {
    struct Entry {
        qint64 Number = 0;
        qsizetype Start = 0;
        qsizetype Length = 0;
    };
    std::optional<qint64> Count;
    QList<Entry> Entries;
    QByteArray Text; // the values, as UTF-8

    void Take(const ProfileKeyLine& line) {
        if (IsNumberKey(line)) {
            if (!Count) {
                Count = CountFrom(ProfileLineCodec::Decode(line.Value, line.Encoding));
            }
            return;
        }
        const qint64 number = EntryNumber(line);
        if (number < 1) {
            return;
        }
        const qsizetype start = Text.size();
        if (line.Encoding == ProfileLineCodec::Encoding::EightBit || line.Value.contains('\0')) {
            Text += ProfileLineCodec::DecodeValue(line.Value, line.Encoding).toUtf8();
        } else {
            Text += line.Value;
        }
        Entries.append({number, start, Text.size() - start});
    }

    // In number order, the first value of each number up to the count that is not empty (an
    // empty one reads as missing), and their total length.
    std::pair<QList<Entry>, qsizetype> Kept() {
        const qint64 count = Count.value_or(0);
        // A hand-edited file may hold its keys in any order; the first of a number still wins.
        const auto byNumber = [](const Entry& a, const Entry& b) { return a.Number < b.Number; };
        if (!std::is_sorted(Entries.cbegin(), Entries.cend(), byNumber)) {
            std::stable_sort(Entries.begin(), Entries.end(), byNumber);
        }
        QList<Entry> kept;
        qsizetype bytes = 0;
        qint64 previous = 0;
        for (const Entry& entry : std::as_const(Entries)) {
            if (entry.Number != previous && entry.Number <= count && entry.Length > 0) {
                kept.append(entry);
                bytes += entry.Length;
            }
            previous = entry.Number;
        }
        return {kept, bytes};
    }
};

} // namespace

QString ParamTypeCatalogue::Entry(qint64 number) const {
    const qsizetype index = IndexOf(number);
    return index < 0 ? QString() : QString::fromUtf8(TextAt(index));
}

qsizetype ParamTypeCatalogue::IndexOf(qint64 number) const {
    const auto after = std::upper_bound(runs_.cbegin(), runs_.cend(), number,
                                        [](qint64 n, const Run& run) { return n < run.First; });
    if (after == runs_.cbegin()) {
        return -1;
    }
    const Run& run = *(after - 1);
    const qsizetype runEnd = after == runs_.cend() ? Stored() : after->Index;
    return number - run.First < runEnd - run.Index ? run.Index + (number - run.First) : -1;
}

qint64 ParamTypeCatalogue::NumberAt(qsizetype index) const {
    const auto after = std::upper_bound(runs_.cbegin(), runs_.cend(), index,
                                        [](qsizetype i, const Run& run) { return i < run.Index; });
    const Run& run = *(after - 1);
    return run.First + (index - run.Index);
}

QByteArrayView ParamTypeCatalogue::TextAt(qsizetype index) const {
    const qsizetype start = index == 0 ? 0 : ends_[index - 1];
    return QByteArrayView(text_).sliced(start, ends_[index] - start);
}

void ParamTypeCatalogue::Reserve(qsizetype entries, qsizetype bytes) {
    ends_.reserve(entries);
    text_.reserve(bytes);
}

bool ParamTypeCatalogue::AppendStored(qint64 number, QByteArrayView utf8) {
    if (text_.size() + utf8.size() > std::numeric_limits<quint32>::max()) {
        return false;
    }
    const qsizetype index = Stored();
    if (runs_.isEmpty() || runs_.back().First + (index - runs_.back().Index) != number) {
        runs_.append({number, index});
    }
    text_ += utf8;
    ends_.append(static_cast<quint32>(text_.size()));
    return true;
}

void ParamTypeCatalogue::SetEntry(qint64 number, const QString& value) {
    if (number < 1 || number > size_) {
        return;
    }
    const QByteArray utf8 = value.toUtf8();
    if (Stored() == 0 || number > NumberAt(Stored() - 1)) {
        if (!utf8.isEmpty()) {
            AppendStored(number, utf8);
        }
        return;
    }
    ParamTypeCatalogue rebuilt(size_);
    rebuilt.Reserve(Stored() + 1, text_.size() + utf8.size());
    bool placed = false;
    for (qsizetype index = 0; index < Stored(); ++index) {
        const qint64 stored = NumberAt(index);
        if (!placed && stored >= number) {
            placed = true;
            if (!utf8.isEmpty()) {
                rebuilt.AppendStored(number, utf8);
            }
            if (stored == number) {
                continue;
            }
        }
        rebuilt.AppendStored(stored, TextAt(index));
    }
    *this = std::move(rebuilt);
}

void ParamTypeCatalogue::Append(const QString& value) {
    ++size_;
    SetEntry(size_, value);
}

QStringList ParamTypeCatalogue::TypeListEntries(bool keepBlankOnly) const {
    QStringList list;
    list.reserve(Stored());
    for (qsizetype index = 0; index < Stored(); ++index) {
        const QByteArrayView entry = TextAt(index);
        const bool blankOnly =
            std::all_of(entry.cbegin(), entry.cend(), [](char c) { return c == ' '; });
        if (keepBlankOnly || !blankOnly) {
            list.append(QString::fromUtf8(entry));
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
    // The lines are visited, not kept: a large catalogue costs its entries' text and little more.
    // A hand-edited count of two billion costs nothing beyond the entries actually stored, and
    // keys numbered past the count are not kept.
    QStringList sections;
    for (const DevelopmentLanguage language : LoadOrder) {
        sections.append(SettingsLayout::CatalogueSection(language));
    }
    std::array<CatalogueReading, LoadOrder.size()> readings;
    ProfileFile::VisitSections(SettingsLayout::SettingsFile().ProfilePath(), sections,
                               [&readings](qsizetype section, const ProfileKeyLine& line) {
                                   readings[static_cast<std::size_t>(section)].Take(line);
                               });
    ParamTypeCatalogues catalogues;
    for (std::size_t index = 0; index < LoadOrder.size(); ++index) {
        CatalogueReading& reading = readings[index];
        ParamTypeCatalogue& catalogue = *catalogues.ForLanguage(LoadOrder[index]);
        catalogue = ParamTypeCatalogue(reading.Count.value_or(0));
        const auto [kept, bytes] = reading.Kept();
        catalogue.Reserve(kept.size(), bytes);
        for (const CatalogueReading::Entry& entry : kept) {
            catalogue.AppendStored(entry.Number,
                                   QByteArrayView(reading.Text).sliced(entry.Start, entry.Length));
        }
        reading = {};
    }
    return catalogues;
}

AppendTypeResult ParamTypeCatalogueStore::Append(DevelopmentLanguage language,
                                                 const QString& answer) {
    RegIni ini = SettingsLayout::SettingsFile();
    AppendTypeResult result;
    result.FilePath = ini.ProfilePath();
    if (!IsKnownLanguage(language)) {
        result.Ok = false;
        result.Reason = QStringLiteral("its \"Comments Type\" names the language number %1, "
                                       "which has no type catalogue")
                            .arg(static_cast<std::int32_t>(language));
        return result;
    }
    const QString section = SettingsLayout::CatalogueSection(language);
    // The count is read and both keys written under one lock, so two running copies adding at the
    // same moment get different numbers.
    const ProfileLock lock = ini.LockProfile();
    // Only this catalogue's section is read, up to its end: the rest of a large file costs nothing.
    const std::optional<ProfileSection> stored =
        ProfileFile::ReadSection(ini.ProfilePath(), section);
    const ProfileEntry* counted = stored ? stored->Find(NumberKey) : nullptr;
    const qint64 count = counted != nullptr ? CountFrom(counted->Value) : 0;
    result.Number = count + 1;
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
    const QString entryKey = QStringLiteral("Param") + number;
    // A count that a hand edit damaged ("abc", "-2", "3000000000" read as 0) or lowered can
    // point at an entry that holds a type already; that type must not be overwritten. An empty
    // entry holds none, as the catalogue reads it, and is taken.
    const ProfileEntry* occupant = stored ? stored->Find(entryKey) : nullptr;
    if (occupant != nullptr && !occupant->Value.isEmpty()) {
        result.Ok = false;
        const QString countText =
            counted != nullptr ? QStringLiteral("its count \"Number=%1\"").arg(counted->Value)
                               : QStringLiteral("its missing count");
        result.Reason = QStringLiteral("in [%1], %2 points at %3, which already holds a type; "
                                       "correct the count to store new types")
                            .arg(section, countText, entryKey);
        return result;
    }
    result.Ok = ini.SetIniStrings(section, {{NumberKey, number}, {entryKey, answer}});
    result.Reason = ini.LastWriteError();
    return result;
}

} // namespace quillmark
