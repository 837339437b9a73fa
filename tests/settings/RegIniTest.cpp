#include "settings/RegIni.h"

#include "settings/ProfileLocation.h"
#include "settings/ProfileTestFiles.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::WriteBytes;

class RegIniTest : public ::testing::Test {
protected:
    void SetUp() override { ini_.FileName(folder_.filePath("Test.ini")); }

    QTemporaryDir folder_;
    RegIni ini_;
};

TEST_F(RegIniTest, MissingAndEmptyValuesReadAsTheDefault) {
    WriteBytes(ini_.ProfilePath(), "[s]\nempty=\ntwo=2\n");
    EXPECT_EQ(ini_.GetIniString("s", "absent", "0"), QStringLiteral("0"));
    EXPECT_EQ(ini_.GetIniString("s", "empty", "0"), QStringLiteral("0"));
    EXPECT_EQ(ini_.GetIniString("s", "two", "0"), QStringLiteral("2"));
    EXPECT_EQ(ini_.GetIniString("s", "absent"), QString());
    EXPECT_EQ(ini_.GetIniString("nosection", "two", "x"), QStringLiteral("x"));
}

TEST_F(RegIniTest, ValuesRoundTripWhole) {
    const QString name(300, u'N');
    EXPECT_TRUE(ini_.SetIniString("General", "Personal Name", name));
    EXPECT_TRUE(ini_.SetIniString("General", "Begin Free", "REM "));
    RegIni fresh;
    fresh.FileName(ini_.FileName());
    EXPECT_EQ(fresh.GetIniString("General", "Personal Name"), name);
    EXPECT_EQ(fresh.GetIniString("General", "Begin Free"), QStringLiteral("REM "));
}

TEST_F(RegIniTest, FoldersAreFixedAndTheTempFolderEndsInASlash) {
    EXPECT_EQ(ini_.GetWinDir().toString(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/quillmark");
    EXPECT_FALSE(ini_.GetWinSysDir().toString().endsWith(u'/'));
    EXPECT_EQ(ini_.GetTempDir().toString(), qEnvironmentVariable("TMPDIR") + "/");
}

TEST_F(RegIniTest, TempFilesAreFreshPrivateAndEmpty) {
    const QString first = ini_.GetTempFile("~qm", 0);
    const QString second = ini_.GetTempFile("~qm", 0);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    const QString endsInX = ini_.GetTempFile("~qX", 0); // the random part must not take the X
    for (const QString& path : {first, second, endsInX}) {
        const QFileInfo info(path);
        EXPECT_TRUE(info.exists());
        EXPECT_EQ(info.size(), 0);
        EXPECT_TRUE(info.fileName().startsWith(path == endsInX ? "~qX" : "~qm"))
            << path.toStdString();
        EXPECT_EQ(info.absolutePath() + "/", ini_.GetTempDir().toString());
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther;
        EXPECT_EQ(info.permissions() & others, 0);
        EXPECT_TRUE(info.permissions() & QFileDevice::ReadOwner);
        EXPECT_LE(path.size(), 255);
    }
    EXPECT_EQ(ini_.GetTempFile("../escape", 0), QString());
}

TEST_F(RegIniTest, NumberedTempFileIsCreatedOnce) {
    const QString path = ini_.GetTempFile("~qm", 0x51A2B);
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("~qm1A2B.tmp"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(ini_.GetTempFile("~qm", 0x1A2B), QString());
}

} // namespace
} // namespace quillmark
