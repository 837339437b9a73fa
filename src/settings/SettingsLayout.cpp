#include "settings/SettingsLayout.h"

#include "settings/LeadingNumber.h"
#include "settings/ProfileFile.h"
#include "settings/RegIni.h"

#include <cmath>
#include <limits>

namespace quillmark {

namespace {

const QString General = QStringLiteral("General");
const QString CommentsType = QStringLiteral("Comments Type");
const QString PersonalName = QStringLiteral("Personal Name");
const QString BeginFree = QStringLiteral("Begin Free");
const QString EndFree = QStringLiteral("End Free");

} // namespace

RegIni SettingsLayout::SettingsFile() {
    RegIni ini;
    ini.FileName(QString::fromLatin1(SettingsFileName));
    return ini;
}

GlobalSettings SettingsLayout::LoadGlobalSettings() {
    return LoadGlobalSettingsFrom(SettingsFile().ProfilePath());
}

GlobalSettings SettingsLayout::LoadGlobalSettingsFrom(const QString& path) {
    // Only the "General" section is read: a file with large catalogues after it costs no more
    // than one without. An empty value reads as the default, as through GetIniString.
    const std::optional<ProfileSection> general = ProfileFile::ReadSection(path, General);
    const auto read = [&general](const QString& key, const QString& fallback = {}) {
        const ProfileEntry* entry = general ? general->Find(key) : nullptr;
        return entry == nullptr || entry->Value.isEmpty() ? fallback : entry->Value;
    };
    GlobalSettings settings;
    settings.PersonalName = read(PersonalName);
    settings.Language =
        static_cast<DevelopmentLanguage>(ReadWholeNumber(read(CommentsType, QStringLiteral("0"))));
    settings.BeginFree = read(BeginFree);
    settings.EndFree = read(EndFree);
    return settings;
}

SettingsWriteResult SettingsLayout::SaveGeneralSettings(const GlobalSettings& settings) {
    RegIni ini = SettingsFile();
    SettingsWriteResult result;
    result.FilePath = ini.ProfilePath();
    result.Ok = ini.SetIniStrings(
        General, {{CommentsType, QString::number(static_cast<std::int32_t>(settings.Language))},
                  {PersonalName, settings.PersonalName},
                  {BeginFree, settings.BeginFree},
                  {EndFree, settings.EndFree}});
    result.Reason = ini.LastWriteError();
    return result;
}

std::int32_t SettingsLayout::ReadWholeNumber(const QString& text) {
    const auto number = LeadingNumber::Parse(text);
    if (!number) {
        return 0;
    }
    // Halves go to the even neighbour (the default rounding mode). A number past the 32-bit range,
    // "1e400" included, can only come from a hand edit and reads as 0, like a text that is no
    // number: a language of its own would be meaningless and a count that large is no count.
    const double rounded = std::nearbyint(*number);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(rounded);
}

QString SettingsLayout::CatalogueSection(DevelopmentLanguage language) {
    static const QString prefix = QStringLiteral("Param Types ");
    switch (language) {
    case DevelopmentLanguage::VB:
        return prefix + QStringLiteral("VB");
    case DevelopmentLanguage::VC:
        return prefix + QStringLiteral("VC");
    case DevelopmentLanguage::Delphi:
        return prefix + QStringLiteral("Delphi");
    case DevelopmentLanguage::Custom:
        return prefix + QStringLiteral("Custom");
    }
    return prefix;
}

QString SettingsLayout::DisplayName(DevelopmentLanguage language) {
    switch (language) {
    case DevelopmentLanguage::VB:
        return QStringLiteral("Visual Basic");
    case DevelopmentLanguage::VC:
        return QStringLiteral("C/C++");
    case DevelopmentLanguage::Delphi:
        return QStringLiteral("Delphi");
    case DevelopmentLanguage::Custom:
        return QStringLiteral("Custom Remarks");
    }
    return {};
}

QString SettingsLayout::OptionCaption(DevelopmentLanguage language) {
    switch (language) {
    case DevelopmentLanguage::VB:
        return QStringLiteral("Microsoft Visual Basic (uses the ' remark character)");
    case DevelopmentLanguage::VC:
        return QStringLiteral("Microsoft Visual C++ (uses the // remark characters)");
    case DevelopmentLanguage::Delphi:
        return QStringLiteral("Borland Delphi (uses the (* comments *) remark)");
    case DevelopmentLanguage::Custom:
        return QStringLiteral("Custom Comments - please specify the begin and/or");
    }
    return {};
}

} // namespace quillmark
