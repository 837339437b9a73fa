#pragma once

#include "comments/DevelopmentLanguage.h"
#include "settings/RegIni.h"

#include <QString>

namespace quillmark {

// The settings kept between runs in "Quillmrk.ini", and the names that go with each language.
inline constexpr char SettingsFileName[] = "Quillmrk.ini";

struct GlobalSettings {
    QString PersonalName;
    DevelopmentLanguage Language = DevelopmentLanguage::VB;
    QString BeginFree;
    QString EndFree;
};

// The outcome of a write the user asked for; on failure the file is unchanged.
struct SettingsWriteResult {
    bool Ok = true;
    QString FilePath; // the settings file's full path
    QString Reason;   // why it failed, for a message; empty on success
};

class SettingsLayout {
public:
    // The user's settings file, "Quillmrk.ini" in its folder.
    static RegIni SettingsFile();
    // Section "General", keys read in the order name, language, begin, end: of the user's settings
    // file, or of the file at `path`.
    static GlobalSettings LoadGlobalSettings();
    static GlobalSettings LoadGlobalSettingsFrom(const QString& path);
    // The four "General" keys, in the order "Comments Type", "Personal Name", "Begin Free",
    // "End Free", in one replacement of the file: all four are stored, or on failure none.
    static SettingsWriteResult SaveGeneralSettings(const GlobalSettings& settings);

    // A leading number as a hand-edited file may hold it: blanks anywhere ignored, sign, digits,
    // point, exponent; 0 when there is none or it lies outside the 32-bit range; halves to even.
    static std::int32_t ReadWholeNumber(const QString& text);

    // "Param Types VB", ... ; "Param Types " for a language outside the four.
    static QString CatalogueSection(DevelopmentLanguage language);
    // "Visual Basic", "C/C++", "Delphi", "Custom Remarks"; empty outside the four.
    static QString DisplayName(DevelopmentLanguage language);
    // The options dialog's captions for the four languages.
    static QString OptionCaption(DevelopmentLanguage language);
};

} // namespace quillmark
