#include "settings/ProfileFile.h"

#include "settings/ProfileLocation.h"
#include "settings/ProfileTestFiles.h"
#include "settings/RegIni.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

TEST_F(ProfileFileTest, Utf16FileIsRefusedWhole) {
    // As Notepad saves "Unicode": a save must not add 8-bit lines to it.
    const QByteArray before = QByteArray("\xFF\xFE[\0s\0]\0\r\0\n\0", 12);
    WriteBytes(Path(), before);
    EXPECT_FALSE(ini_.SetIniString("s", "k", "1"));
    EXPECT_TRUE(ini_.LastWriteError().contains("UTF-16"));
    EXPECT_EQ(ReadBytes(Path()), before);
}

TEST_F(ProfileFileTest, LinkToAFileNotMadeYetIsSavedThrough) {
    const QString target = folder_.filePath("kept/Real.ini");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("kept"));
    ASSERT_TRUE(QFile::link(target, Path()));
    EXPECT_TRUE(ini_.SetIniString("s", "k", "1")) << ini_.LastWriteError().toStdString();
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    EXPECT_EQ(ReadBytes(target), "[s]\r\nk=1\r\n");
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

// A FIFO or a device where the settings file should be: no read waits for a writer that never
// comes or reads without end, and nothing is written over it.
TEST_F(ProfileFileTest, FifoOrDeviceInPlaceOfTheFileReadsAsEmpty) {
    alarm(60); // a read that waited would hold the whole suite: end it instead
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    EXPECT_EQ(ini_.GetIniString("s", "k", "none"), QStringLiteral("none"));
    EXPECT_FALSE(ProfileFile::ReadSection(Path(), "s").has_value());
    EXPECT_FALSE(ini_.SetIniString("s", "k", "1"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    const QString endless = folder_.filePath("Endless.ini");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), endless));
    EXPECT_TRUE(ProfileFile::Read(endless)->Sections.isEmpty());
    EXPECT_FALSE(ProfileFile::ReadSection(endless, "s").has_value());
    alarm(0);
}

// What a shell hands over for "--settings <(...)": a pipe named /dev/fd/N, whose writer may still
// be writing; it is read to its end.
TEST_F(ProfileFileTest, PipeIsReadToItsEnd) {
    alarm(60);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::thread writer([input = ends[1]] {
        const QByteArray first = "[s]\r\na=1\r\n";
        const QByteArray second = "b=2\r\n";
        EXPECT_EQ(::write(input, first.constData(), first.size()), first.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(::write(input, second.constData(), second.size()), second.size());
        ::close(input);
    });
    const std::optional<ProfileSection> section =
        ProfileFile::ReadSection(QStringLiteral("/dev/fd/%1").arg(ends[0]), "s");
    writer.join();
    ::close(ends[0]);
    alarm(0);
    ASSERT_TRUE(section.has_value());
    ASSERT_NE(section->Find("b"), nullptr);
    EXPECT_EQ(section->Find("b")->Value, QStringLiteral("2"));
}

} // namespace
} // namespace quillmark
