#include "util/FileError.h"
#include "util/FileSizeLimit.h"
#include "util/Utility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillmark {
namespace {

using Reason = FileError::Reason;

class UtilityFileTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }

    static QByteArray BytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Both readers must give the same text: checks that and returns it.
    QString ReadBoth(const QString& path) const {
        const QString text = utility_.ReadFile(path);
        EXPECT_EQ(utility_.FileRead(path), text);
        return text;
    }

    // Runs `call`, expecting a FileError for `path` with `reason`.
    template <typename Call>
    static void ExpectFileError(Call call, const QString& path, Reason reason) {
        try {
            call();
            ADD_FAILURE() << "no FileError for " << path.toStdString();
        } catch (const FileError& error) {
            EXPECT_EQ(error.Path(), path);
            EXPECT_EQ(error.WhatFailed(), reason);
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
        }
    }

    void ExpectReadError(const QString& path, Reason reason) const {
        ExpectFileError([&] { utility_.ReadFile(path); }, path, reason);
        ExpectFileError([&] { utility_.FileRead(path); }, path, reason);
    }

    void ExpectSaveError(const QString& path, Reason reason) const {
        ExpectFileError([&] { utility_.FileSave(path, "x"); }, path, reason);
    }

    Utility utility_;
    QTemporaryDir folder_;
};

TEST_F(UtilityFileTest, FileSaveAppendsCrLfAndReplacesTheFile) {
    const QString path = PathOf("note.txt");
    for (const auto& [text, bytes] :
         {std::pair{"a\r\nb", "a\r\nb\r\n"}, std::pair{"c", "c\r\n"}, std::pair{"", "\r\n"}}) {
        utility_.FileSave(path, text);
        EXPECT_EQ(BytesOf(path), QByteArray(bytes));
    }
}

TEST_F(UtilityFileTest, ReadersReturnEveryCharacterUnchanged) {
    const QString path = PathOf("note.txt");
    for (const QByteArray& bytes :
         {QByteArray("a\r\nb\r\n"), QByteArray("lone\nfeed\rand return"), QByteArray()}) {
        WriteBytes(path, bytes);
        EXPECT_EQ(ReadBoth(path), QString::fromUtf8(bytes));
    }

    // Text is UTF-8 both ways, a leading U+FEFF (zero-width no-break space) included.
    const QString text = QChar(0xFEFF) + QString::fromUtf8("J\u00fcrgen Gro\u00df \U0001F600");
    utility_.FileSave(path, text);
    EXPECT_EQ(BytesOf(path), text.toUtf8() + "\r\n");
    EXPECT_EQ(ReadBoth(path), text + "\r\n");
}

TEST_F(UtilityFileTest, ReadErrorsNamePathAndReason) {
    ExpectReadError(PathOf("missing.txt"), Reason::FileNotFound);
    ExpectReadError(PathOf("no-such-folder/file.txt"), Reason::FolderNotFound);
    ExpectReadError(folder_.path(), Reason::CannotRead); // a folder
}

TEST_F(UtilityFileTest, SaveErrorsNamePathAndReasonAndChangeNothing) {
    ExpectSaveError(PathOf("no-such-folder/file.txt"), Reason::FolderNotFound);
    EXPECT_FALSE(QFileInfo::exists(PathOf("no-such-folder")));
    ExpectSaveError("", Reason::FolderNotFound);

    ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
    ExpectSaveError(PathOf("sub"), Reason::CannotWrite); // over a folder
    EXPECT_TRUE(QFileInfo(PathOf("sub")).isDir());

    const QString locked = PathOf("locked.txt");
    WriteBytes(locked, "keep\r\n");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner));
    ExpectSaveError(locked, Reason::CannotWrite);
    EXPECT_EQ(BytesOf(locked), QByteArray("keep\r\n"));

    const QString sealed = PathOf("sealed");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("sealed"));
    ASSERT_TRUE(QFile::setPermissions(sealed, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ExpectSaveError(sealed + "/file.txt", Reason::CannotWrite);
    EXPECT_FALSE(QFileInfo::exists(sealed + "/file.txt"));
    QFile::setPermissions(sealed,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A full disk fails the save, also where no copy fits beside the file and it is written in place.
// Needs a small file system of its own, which only root may mount; elsewhere the test is skipped.
TEST_F(UtilityFileTest, SaveToAFullDiskFails) {
    const QString disk = PathOf("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    const QByteArray mountPoint = QFile::encodeName(disk);
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no file system of its own to fill (mounting needs root)";
    }
    const QString target = disk + "/target.txt";
    WriteBytes(target, ""); // made first, as the temporary file of a free-text block is
    QFile filler(disk + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    filler.close();
    ExpectFileError([&] { utility_.FileSave(target, QString(6000, u'x')); }, target,
                    Reason::CannotWrite);
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

// Past the file-size limit (ulimit -f) a save fails and says so, and the program lives on.
TEST_F(UtilityFileTest, SaveBeyondTheFileSizeLimitFailsWithoutEndingTheProgram) {
    const QString path = PathOf("limited.txt");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReportFileSizeLimitAsWriteError();
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        bool failed = false;
        try {
            Utility().FileSave(path, QString(8192, u'x'));
        } catch (const FileError&) {
            failed = true;
        }
        ::_exit(failed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reported success";
}

} // namespace
} // namespace quillmark
