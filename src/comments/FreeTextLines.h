#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace quillmark {

// Splits text the way a line reader reads a file: a line ends at CR LF, LF or a lone CR, the break
// itself is dropped, and text after the last break is one more line. "a\r\n" gives {"a"}; "" gives
// no lines at all.
QStringList SplitReaderLines(QStringView text);

// Text as typed in a multi-line box, with its paragraph and line separators (U+2029, U+2028) as
// line feeds: each shows as a line break, so each is one.
QString SeparatorsAsLineFeeds(QString text);

// The lines of a free-text comment. The text is saved to a fresh temporary file ("~qm" prefix)
// with one line break appended and read back line by line; the file is removed on every path.
// When the file cannot be made, written or read, the same lines come from the text in memory,
// split exactly as the file would have split them, so nothing typed is lost.
class FreeTextRoundTrip {
public:
    // The three file steps; tests replace them to make each one fail.
    struct Steps {
        std::function<QString()> CreateTempFile;                            // empty on failure
        std::function<void(const QString& path, const QString& text)> Save; // throws on failure
        std::function<QString(const QString& path)> Read;                   // throws on failure
    };

    static Steps DefaultSteps();

    static QStringList Lines(const QString& freeText);
    static QStringList Lines(const QString& freeText, const Steps& steps);

    // What the file holds after saving: the text and one CR LF.
    static QString SavedText(const QString& freeText);
};

} // namespace quillmark
