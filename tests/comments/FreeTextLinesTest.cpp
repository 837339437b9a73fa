#include "comments/FreeTextLines.h"

#include "util/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using quillmark::FreeTextRoundTrip;
using quillmark::SplitReaderLines;

namespace {

QStringList LeftoverTempFiles() {
    return QDir(QDir::tempPath()).entryList({QStringLiteral("~qm*")}, QDir::Files | QDir::Hidden);
}

struct SplitCase {
    const char* text;
    QStringList lines;
};

} // namespace

TEST(SplitReaderLines, EndsLinesAtCrLfLfAndLoneCr) {
    const SplitCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\r\n", {"", ""}},
        {"\n\r", {"", ""}},
        {"  x \t\r\n", {"  x \t"}},
    };
    for (const SplitCase& test : cases) {
        EXPECT_EQ(SplitReaderLines(QString::fromUtf8(test.text)), test.lines) << test.text;
    }
}

TEST(FreeTextRoundTrip, GivesOneLinePerLineAndOneMoreForAFinalBreak) {
    EXPECT_EQ(FreeTextRoundTrip::Lines({}), QStringList{""});
    EXPECT_EQ(FreeTextRoundTrip::Lines("First line\r\nSecond"),
              (QStringList{"First line", "Second"}));
    EXPECT_EQ(FreeTextRoundTrip::Lines("ends with a break\r\n"),
              (QStringList{"ends with a break", ""}));
    EXPECT_TRUE(LeftoverTempFiles().isEmpty());
}

TEST(FreeTextRoundTrip, KeepsEveryCharacterThroughTheFile) {
    const QString text = QString::fromUtf8("Grüße, 東京, ✓\r\n😀 émoji\r\n");
    EXPECT_EQ(FreeTextRoundTrip::Lines(text),
              (QStringList{QString::fromUtf8("Grüße, 東京, ✓"), QString::fromUtf8("😀 émoji"), ""}));
    EXPECT_TRUE(LeftoverTempFiles().isEmpty());
}

TEST(FreeTextRoundTrip, TemporaryFileIsNewAndPrivateWhileItLives) {
    FreeTextRoundTrip::Steps steps = FreeTextRoundTrip::DefaultSteps();
    const auto save = steps.Save;
    QString seenPath;
    steps.Save = [&](const QString& path, const QString& text) {
        seenPath = path;
        const QFileInfo info(path);
        EXPECT_TRUE(info.fileName().startsWith("~qm"));
        EXPECT_EQ(info.size(), 0);
        EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
                  QFile::ReadOwner | QFile::WriteOwner);
        save(path, text);
    };
    EXPECT_EQ(FreeTextRoundTrip::Lines("x", steps), QStringList{"x"});
    EXPECT_FALSE(seenPath.isEmpty());
    EXPECT_FALSE(QFile::exists(seenPath));
}

// Every failing step gives the lines the file would have given, and leaves no file behind.
TEST(FreeTextRoundTrip, FallsBackToTheSameSplitWhenAFileStepFails) {
    const QString text = QString::fromUtf8("one\r\ntwo\nthree\rfour ✓\r\n");
    const QStringList expected = FreeTextRoundTrip::Lines(text);
    ASSERT_EQ(expected, (QStringList{"one", "two", "three", "four ✓", ""}));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("~qm1.tmp");
    const auto createFile = [&] {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    };
    const FreeTextRoundTrip::Steps defaults = FreeTextRoundTrip::DefaultSteps();
    const auto failingSave = [](const QString& file, const QString&) {
        throw quillmark::FileError(file, quillmark::FileError::Reason::CannotWrite);
    };
    const auto failingRead = [](const QString& file) -> QString {
        throw quillmark::FileError(file, quillmark::FileError::Reason::CannotRead);
    };

    FreeTextRoundTrip::Steps noFile = defaults;
    noFile.CreateTempFile = [] { return QString(); };
    EXPECT_EQ(FreeTextRoundTrip::Lines(text, noFile), expected);

    FreeTextRoundTrip::Steps cannotWrite = defaults;
    cannotWrite.CreateTempFile = createFile;
    cannotWrite.Save = failingSave;
    EXPECT_EQ(FreeTextRoundTrip::Lines(text, cannotWrite), expected);
    EXPECT_FALSE(QFile::exists(path));

    FreeTextRoundTrip::Steps cannotRead = defaults;
    cannotRead.CreateTempFile = createFile;
    cannotRead.Read = failingRead;
    EXPECT_EQ(FreeTextRoundTrip::Lines(text, cannotRead), expected);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(FreeTextRoundTrip, MissingTemporaryFolderStillGivesTheLines) {
    const QByteArray saved = qgetenv("TMPDIR");
    QTemporaryDir parent;
    qputenv("TMPDIR", parent.filePath("gone").toLocal8Bit());
    const QStringList lines = FreeTextRoundTrip::Lines("kept\r\n");
    qputenv("TMPDIR", saved);
    EXPECT_EQ(lines, (QStringList{"kept", ""}));
    EXPECT_TRUE(LeftoverTempFiles().isEmpty());
}
