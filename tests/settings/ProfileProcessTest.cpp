#include "settings/ProfileParser.h"
#include "settings/ProfileTestFiles.h"
#include "settings/RegIni.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class ProfileProcessTest : public ::testing::Test {
protected:
    QString Path() const { return folder_.filePath("Shared.ini"); }

    static void Start(QProcess& process, const QStringList& arguments) {
        process.start(QStringLiteral(QUILLMARK_PROFILE_WRITER), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    QTemporaryDir folder_;
};

TEST_F(ProfileProcessTest, TwoWritersLoseNothing) {
    QProcess first;
    QProcess second;
    Start(first, {"keys", Path(), "a", "200"});
    Start(second, {"keys", Path(), "b", "200"});
    ASSERT_TRUE(first.waitForFinished(120'000));
    ASSERT_TRUE(second.waitForFinished(120'000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    const ProfileDocument document = ProfileParser::Parse(ReadBytes(Path()));
    ASSERT_NE(document.FindSection("Shared"), nullptr);
    EXPECT_EQ(document.FindSection("Shared")->Entries.size(), 400);
    for (int i = 1; i <= 200; ++i) {
        const QString expected = "v" + QString::number(i);
        EXPECT_EQ(document.Value("Shared", "a" + QString::number(i)), expected);
        EXPECT_EQ(document.Value("Shared", "b" + QString::number(i)), expected);
    }
}

TEST_F(ProfileProcessTest, KilledWriterLeavesAWholeFile) {
    QByteArray filler = "; kept by hand\r\n[Filler]\r\n";
    for (int i = 0; i < 300; ++i) {
        filler += "Key" + QByteArray::number(i) + "=" + QByteArray(40, 'f') + "\r\n";
    }
    WriteBytes(Path(), filler);
    for (int round = 0; round < 8; ++round) {
        QProcess writer;
        Start(writer, {"churn", Path()});
        ASSERT_TRUE(writer.waitForReadyRead(10'000));
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10'000));

        const QByteArray bytes = ReadBytes(Path());
        ASSERT_TRUE(bytes.startsWith(filler)) << "round " << round;
        const ProfileDocument document = ProfileParser::Parse(bytes);
        const auto first = document.Value("Churn", "First");
        ASSERT_TRUE(first.has_value());
        EXPECT_TRUE(first->endsWith(QString(4000, u'x')));
        EXPECT_EQ(document.Value("Churn", "Second"), first);
    }
    // The dead writer's lock is stale: the next write takes it over.
    RegIni ini;
    ini.FileName(Path());
    EXPECT_TRUE(ini.SetIniString("After", "k", "v")) << ini.LastWriteError().toStdString();
}

TEST_F(ProfileProcessTest, AbandonedEmptyLockFileIsTakenOver) {
    // What a writer killed between creating its lock file and filling it leaves behind.
    QFile lock(Path() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                 QFileDevice::FileModificationTime));
    lock.close();
    // Without the take-over, the write would give up after waiting five seconds.
    RegIni ini;
    ini.FileName(Path());
    EXPECT_TRUE(ini.SetIniString("After", "k", "v")) << ini.LastWriteError().toStdString();
    EXPECT_EQ(ini.GetIniString("After", "k"), QStringLiteral("v"));
}

TEST_F(ProfileProcessTest, WriteWaitsForAnotherProgramsLock) {
    QProcess holder;
    Start(holder, {"hold", Path(), "300"});
    ASSERT_TRUE(holder.waitForReadyRead(10'000));
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "locked");
    RegIni ini;
    ini.FileName(Path());
    EXPECT_TRUE(ini.SetIniString("s", "Order", "test"));
    ASSERT_TRUE(holder.waitForFinished(10'000));
    EXPECT_EQ(holder.exitCode(), 0);
    // The holder wrote before it let go, so a write that waited for the lock comes last.
    EXPECT_EQ(ini.GetIniString("s", "Order"), QStringLiteral("test"));
}

TEST_F(ProfileProcessTest, FullDiskLeavesTheOldFile) {
    const QByteArray before = "[Big]\r\nk=small\r\n";
    WriteBytes(Path(), before);
    QProcess writer;
    Start(writer, {"limit", Path(), "4096"});
    ASSERT_TRUE(writer.waitForFinished(30'000));
    EXPECT_EQ(writer.exitCode(), 0);
    EXPECT_EQ(ReadBytes(Path()), before);
}

} // namespace
} // namespace quillmark
