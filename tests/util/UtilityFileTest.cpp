#include "util/FileError.h"
#include "util/Utility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

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

    // Runs `call`, expecting a FileError for `path` with `reason`.
    template <typename Call>
    static void ExpectFileError(Call call, const QString& path, FileError::Reason reason) {
        try {
            call();
            ADD_FAILURE() << "no FileError for " << path.toStdString();
        } catch (const FileError& error) {
            EXPECT_EQ(error.Path(), path);
            EXPECT_EQ(error.WhatFailed(), reason);
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
        }
    }

    Utility utility_;
    QTemporaryDir folder_;
};

TEST_F(UtilityFileTest, FileSaveAppendsCrLfAndReplacesTheFile) {
    const QString path = PathOf("note.txt");
    utility_.FileSave(path, "a\r\nb");
    EXPECT_EQ(BytesOf(path), QByteArray("a\r\nb\r\n"));

    utility_.FileSave(path, "c");
    EXPECT_EQ(BytesOf(path), QByteArray("c\r\n"));

    utility_.FileSave(path, "");
    EXPECT_EQ(BytesOf(path), QByteArray("\r\n"));
}

TEST_F(UtilityFileTest, BothReadersReturnEveryCharacterUnchanged) {
    const QString path = PathOf("note.txt");
    WriteBytes(path, "a\r\nb\r\n");
    EXPECT_EQ(utility_.ReadFile(path), "a\r\nb\r\n");
    EXPECT_EQ(utility_.FileRead(path), "a\r\nb\r\n");

    WriteBytes(path, "lone\nfeed\rand return");
    EXPECT_EQ(utility_.ReadFile(path), "lone\nfeed\rand return");
    EXPECT_EQ(utility_.FileRead(path), "lone\nfeed\rand return");
}

TEST_F(UtilityFileTest, TextIsUtf8BothWays) {
    const QString path = PathOf("names.txt");
    const QString text = QString::fromUtf8("J\u00fcrgen Gro\u00df \U0001F600");
    utility_.FileSave(path, text);
    EXPECT_EQ(BytesOf(path), text.toUtf8() + "\r\n");
    EXPECT_EQ(utility_.ReadFile(path), text + "\r\n");
    EXPECT_EQ(utility_.FileRead(path), text + "\r\n");
}

TEST_F(UtilityFileTest, AnEmptyFileReadsAsEmptyText) {
    const QString path = PathOf("empty.txt");
    WriteBytes(path, {});
    EXPECT_EQ(utility_.ReadFile(path), "");
    EXPECT_EQ(utility_.FileRead(path), "");
}

TEST_F(UtilityFileTest, ReadingAMissingFileNamesPathAndReason) {
    const QString missingFile = PathOf("missing.txt");
    ExpectFileError([&] { utility_.ReadFile(missingFile); }, missingFile,
                    FileError::Reason::FileNotFound);
    ExpectFileError([&] { utility_.FileRead(missingFile); }, missingFile,
                    FileError::Reason::FileNotFound);

    const QString inMissingFolder = PathOf("no-such-folder/file.txt");
    ExpectFileError([&] { utility_.ReadFile(inMissingFolder); }, inMissingFolder,
                    FileError::Reason::FolderNotFound);
    ExpectFileError([&] { utility_.FileRead(inMissingFolder); }, inMissingFolder,
                    FileError::Reason::FolderNotFound);
}

TEST_F(UtilityFileTest, ReadingAFolderIsAReadError) {
    const QString path = folder_.path();
    ExpectFileError([&] { utility_.ReadFile(path); }, path, FileError::Reason::CannotRead);
    ExpectFileError([&] { utility_.FileRead(path); }, path, FileError::Reason::CannotRead);
}

TEST_F(UtilityFileTest, SavingIntoAMissingFolderCreatesNothing) {
    const QString path = PathOf("no-such-folder/file.txt");
    ExpectFileError([&] { utility_.FileSave(path, "x"); }, path, FileError::Reason::FolderNotFound);
    EXPECT_FALSE(QFileInfo::exists(PathOf("no-such-folder")));
    ExpectFileError([&] { utility_.FileSave("", "x"); }, "", FileError::Reason::FolderNotFound);
}

TEST_F(UtilityFileTest, SavingOverAFolderIsAWriteError) {
    const QString path = PathOf("sub");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
    ExpectFileError([&] { utility_.FileSave(path, "x"); }, path, FileError::Reason::CannotWrite);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(UtilityFileTest, AReadOnlyFileIsNeitherReplacedNorChanged) {
    const QString path = PathOf("locked.txt");
    WriteBytes(path, "keep\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    ExpectFileError([&] { utility_.FileSave(path, "x"); }, path, FileError::Reason::CannotWrite);
    EXPECT_EQ(BytesOf(path), QByteArray("keep\r\n"));
}

TEST_F(UtilityFileTest, AnUnwritableFolderIsAWriteError) {
    const QString sub = PathOf("sealed");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("sealed"));
    ASSERT_TRUE(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString path = sub + "/file.txt";
    ExpectFileError([&] { utility_.FileSave(path, "x"); }, path, FileError::Reason::CannotWrite);
    EXPECT_FALSE(QFileInfo::exists(path));
    QFile::setPermissions(sub,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
} // namespace quillmark
