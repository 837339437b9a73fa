#include "comments/FreeTextLines.h"

#include "settings/RegIni.h"
#include "util/Utility.h"

#include <QFile>
#include <exception>

namespace quillmark {

namespace {

constexpr char TempFilePrefix[] = "~qm";

// Removes the temporary file however the round trip ends.
class TempFileGuard {
public:
    explicit TempFileGuard(const QString& path) : path_(path) {}
    ~TempFileGuard() {
        if (!path_.isEmpty()) {
            QFile::remove(path_);
        }
    }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

private:
    QString path_;
};

} // namespace

QString SeparatorsAsLineFeeds(QString text) {
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            character = u'\n';
        }
    }
    return text;
}

QStringList SplitReaderLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype position = 0;
    const qsizetype length = text.size();
    while (position < length) {
        const QChar character = text.at(position);
        if (character == u'\r' || character == u'\n') {
            lines.append(text.mid(start, position - start).toString());
            if (character == u'\r' && position + 1 < length && text.at(position + 1) == u'\n') {
                ++position;
            }
            start = position + 1;
        }
        ++position;
    }
    if (start < length) {
        lines.append(text.mid(start).toString());
    }
    return lines;
}

FreeTextRoundTrip::Steps FreeTextRoundTrip::DefaultSteps() {
    Steps steps;
    steps.CreateTempFile = [] {
        return RegIni().GetTempFile(QString::fromLatin1(TempFilePrefix), 0);
    };
    steps.Save = [](const QString& path, const QString& text) { Utility().FileSave(path, text); };
    steps.Read = [](const QString& path) { return Utility().FileRead(path); };
    return steps;
}

QStringList FreeTextRoundTrip::Lines(const QString& freeText) {
    return Lines(freeText, DefaultSteps());
}

QStringList FreeTextRoundTrip::Lines(const QString& freeText, const Steps& steps) {
    try {
        const QString path = steps.CreateTempFile();
        if (!path.isEmpty()) {
            const TempFileGuard guard(path);
            steps.Save(path, freeText);
            return SplitReaderLines(steps.Read(path));
        }
    } catch (const std::exception&) {
        // A full or unwritable temporary folder: fall through to the same split in memory.
    }
    return SplitReaderLines(SavedText(freeText));
}

QString FreeTextRoundTrip::SavedText(const QString& freeText) {
    return freeText + QStringLiteral("\r\n");
}

} // namespace quillmark
