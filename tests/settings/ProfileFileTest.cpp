#include "settings/ProfileFile.h"

#include "settings/ProfileLocation.h"
#include "settings/ProfileTestFiles.h"
#include "settings/RegIni.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ForgetUserSettings(ProfileLocation::DefaultFolder());
        ini_.FileName(Path());
    }
    QString Path() const { return folder_.filePath("Test.ini"); }

    QTemporaryDir folder_;
    RegIni ini_;
};

TEST_F(ProfileFileTest, NameWithoutFolderLivesInTheProfileFolderMadeAtFirstWrite) {
    RegIni ini;
    ini.FileName(QStringLiteral("Quillmrk.ini"));
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/quillmark";
    EXPECT_EQ(ini.ProfilePath(), folder + "/Quillmrk.ini");
    EXPECT_EQ(ini.GetIniString("General", "Personal Name", "none"), QStringLiteral("none"));
    EXPECT_FALSE(QFileInfo::exists(folder));

    EXPECT_TRUE(ini.SetIniString("General", "Personal Name", "A"));
    EXPECT_EQ(ReadBytes(folder + "/Quillmrk.ini"), "[General]\r\nPersonal Name=A\r\n");
    RegIni fresh;
    fresh.FileName(QStringLiteral("Quillmrk.ini"));
    EXPECT_EQ(fresh.GetIniString("General", "Personal Name"), QStringLiteral("A"));
}

TEST_F(ProfileFileTest, UnchangedFileIsNotReadAgainButAChangeIsSeen) {
    WriteBytes(Path(), "[s]\nk=1\n");
    const auto first = ProfileFile::Read(Path());
    EXPECT_EQ(ProfileFile::Read(Path()), first);

    WriteBytes(Path(), "[s]\nk=2\n"); // same size, written in place by "another program"
    EXPECT_EQ(ini_.GetIniString("s", "k"), QStringLiteral("2"));
}

TEST_F(ProfileFileTest, ReadOnlyFileIsLeftAlone) {
    const QByteArray before = "[s]\r\nk=1\r\n";
    WriteBytes(Path(), before);
    QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(ini_.SetIniString("s", "k", "2"));
    EXPECT_FALSE(ini_.LastWriteError().isEmpty());
    EXPECT_EQ(ReadBytes(Path()), before);
    EXPECT_EQ(ini_.GetIniString("s", "k"), QStringLiteral("1"));
}

TEST_F(ProfileFileTest, UnwritableOrMissingFolderFails) {
    const QByteArray before = "[s]\r\nk=1\r\n";
    WriteBytes(Path(), before);
    QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(ini_.SetIniString("s", "k", "2"));
    EXPECT_FALSE(ini_.LockProfile().IsLocked());
    QFile::setPermissions(folder_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadBytes(Path()), before);

    RegIni missing;
    missing.FileName(folder_.filePath("no/such/Test.ini"));
    EXPECT_FALSE(missing.SetIniString("s", "k", "v"));
    EXPECT_FALSE(QFileInfo::exists(folder_.filePath("no")));
}

TEST_F(ProfileFileTest, RefusedWriteChangesNothing) {
    const QByteArray before = "[s]\r\nk=1\r\n";
    WriteBytes(Path(), before);
    EXPECT_FALSE(ini_.SetIniString("s", "k", "two\r\nlines"));
    EXPECT_FALSE(ini_.SetIniStrings("s", {{"k", "2"}, {"bad=key", "3"}}));
    EXPECT_EQ(ReadBytes(Path()), before);
    EXPECT_TRUE(ini_.SetIniString("s", "k", "2"));
    EXPECT_TRUE(ini_.LastWriteError().isEmpty());
}

TEST_F(ProfileFileTest, LockIsReentrantWithinTheProcess) {
    {
        const ProfileLock outer = ini_.LockProfile();
        ASSERT_TRUE(outer.IsLocked());
        EXPECT_TRUE(ini_.LockProfile().IsLocked());
        EXPECT_TRUE(ini_.SetIniString("s", "k", "v")); // does not wait for its own caller
        EXPECT_TRUE(QFileInfo::exists(Path() + ".lock"));
    }
    EXPECT_FALSE(QFileInfo::exists(Path() + ".lock"));
}

TEST_F(ProfileFileTest, EmptyFileNameReadsDefaultsAndWritesNothing) {
    RegIni ini;
    EXPECT_EQ(ini.GetIniString("s", "k", "d"), QStringLiteral("d"));
    EXPECT_FALSE(ini.SetIniString("s", "k", "v"));
    EXPECT_FALSE(ini.LockProfile().IsLocked());
}

} // namespace
} // namespace quillmark
