#include "settings/SettingsLayout.h"

#include "params/ParamTypeCatalogue.h"
#include "settings/ProfileLocation.h"
#include "settings/ProfileTestFiles.h"
#include "settings/RegIni.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::ReadBytes;

TEST(ReadWholeNumberTest, ReadsTheLeadingNumberOfHandEditedText) {
    const std::pair<const char*, std::int32_t> cases[] = {{"", 0},
                                                          {"abc", 0},
                                                          {"2abc", 2},
                                                          {" 1 2 ", 12},
                                                          {"\t3\n", 3},
                                                          {"-7", -7},
                                                          {"+4", 4},
                                                          {"2.5", 2},
                                                          {"3.5", 4},
                                                          {"-2.5", -2},
                                                          {"0.5", 0},
                                                          {".5e1", 5},
                                                          {"1e3", 1000},
                                                          {"1e", 1},
                                                          {"1e+", 1},
                                                          {"1.2.3", 1},
                                                          {"- 1", -1},
                                                          {"1e400", 0},
                                                          {"-1e400", 0},
                                                          {"1e-400", 0},
                                                          {"2147483647", 2147483647},
                                                          {"2147483648", 0},
                                                          {"-2147483648", -2147483648},
                                                          {"-2147483649", 0},
                                                          {"4294967297", 0},
                                                          {"99999999999999999999", 0},
                                                          {"&H10", 0},
                                                          {".", 0},
                                                          {"e5", 0},
                                                          {"--1", 0}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(SettingsLayout::ReadWholeNumber(QString::fromLatin1(text)), expected) << text;
    }
}

class SettingsFileTest : public test::SettingsFileFixture {};

TEST_F(SettingsFileTest, FirstRunReadsDefaultsAndWritesNothing) {
    const GlobalSettings settings = SettingsLayout::LoadGlobalSettings();
    EXPECT_EQ(settings.PersonalName, QString());
    EXPECT_EQ(settings.Language, DevelopmentLanguage::VB);
    EXPECT_EQ(settings.BeginFree, QString());
    EXPECT_EQ(settings.EndFree, QString());
    const ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    EXPECT_EQ(catalogues.ParamTypesVC.Size(), 0);
    EXPECT_FALSE(QFileInfo::exists(path_));
}

TEST_F(SettingsFileTest, LoadsTheGeneralSection) {
    Write("[general]\r\nPersonal Name=  A. Developer \r\nComments Type=3.5x\r\n"
          "Begin Free=\"REM \"\r\nEnd Free=*)\r\n");
    const GlobalSettings settings = SettingsLayout::LoadGlobalSettings();
    EXPECT_EQ(settings.PersonalName, QStringLiteral("A. Developer"));
    EXPECT_EQ(settings.Language, static_cast<DevelopmentLanguage>(4));
    EXPECT_EQ(settings.BeginFree, QStringLiteral("REM "));
    EXPECT_EQ(settings.EndFree, QStringLiteral("*)"));

    Write("[General]\r\nComments Type=\r\n");
    EXPECT_EQ(SettingsLayout::LoadGlobalSettings().Language, DevelopmentLanguage::VB);

    // Wherever the section stands, only its first occurrence counts.
    Write("[Param Types VB]\r\nNumber=1\r\nParam1=Long\r\n[GENERAL]\r\ncomments type=2\r\n"
          "Comments Type=1\r\n[General]\r\nPersonal Name=late\r\n");
    const GlobalSettings late = SettingsLayout::LoadGlobalSettings();
    EXPECT_EQ(late.Language, DevelopmentLanguage::Delphi);
    EXPECT_EQ(late.PersonalName, QString());
}

TEST_F(SettingsFileTest, WritesTheDocumentedExample) {
    GlobalSettings settings;
    settings.Language = DevelopmentLanguage::VC;
    settings.PersonalName = QStringLiteral("A. Developer");
    const SettingsWriteResult saved = SettingsLayout::SaveGeneralSettings(settings);
    EXPECT_TRUE(saved.Ok);
    EXPECT_EQ(saved.FilePath, path_);
    EXPECT_TRUE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, "int").Ok);
    EXPECT_TRUE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, "char*").Ok);
    EXPECT_EQ(ReadBytes(path_), "[General]\r\nComments Type=1\r\nPersonal Name=A. Developer\r\n"
                                "Begin Free=\r\nEnd Free=\r\n\r\n"
                                "[Param Types VC]\r\nNumber=2\r\nParam1=int\r\nParam2=char*\r\n");
}

TEST_F(SettingsFileTest, CustomRemarksSurviveARestart) {
    GlobalSettings settings;
    settings.Language = DevelopmentLanguage::Custom;
    settings.BeginFree = QStringLiteral("REM ");
    settings.EndFree = QStringLiteral(" '");
    ASSERT_TRUE(SettingsLayout::SaveGeneralSettings(settings).Ok);
    const GlobalSettings loaded = SettingsLayout::LoadGlobalSettings();
    EXPECT_EQ(loaded.BeginFree, settings.BeginFree);
    EXPECT_EQ(loaded.EndFree, settings.EndFree);
    EXPECT_EQ(loaded.Language, DevelopmentLanguage::Custom);
}

TEST_F(SettingsFileTest, FailedSaveReportsWhyAndChangesNothing) {
    const QByteArray before = "[General]\r\nComments Type=2\r\n";
    Write(before);
    QFile::setPermissions(path_, QFileDevice::ReadOwner);
    GlobalSettings settings;
    settings.PersonalName = QStringLiteral("B");
    const SettingsWriteResult saved = SettingsLayout::SaveGeneralSettings(settings);
    EXPECT_FALSE(saved.Ok);
    EXPECT_FALSE(saved.Reason.isEmpty());
    EXPECT_EQ(ReadBytes(path_), before);

    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    settings.PersonalName = QStringLiteral("two\nlines");
    EXPECT_FALSE(SettingsLayout::SaveGeneralSettings(settings).Ok);
    EXPECT_EQ(ReadBytes(path_), before);
}

TEST(SettingsNamesTest, LanguagesOutsideTheFourHaveNoNames) {
    const auto unknown = static_cast<DevelopmentLanguage>(7);
    EXPECT_EQ(SettingsLayout::CatalogueSection(unknown), QStringLiteral("Param Types "));
    EXPECT_EQ(SettingsLayout::DisplayName(unknown), QString());
    EXPECT_EQ(SettingsLayout::OptionCaption(unknown), QString());
    EXPECT_EQ(SettingsLayout::CatalogueSection(DevelopmentLanguage::Delphi),
              QStringLiteral("Param Types Delphi"));
}

} // namespace
} // namespace quillmark
