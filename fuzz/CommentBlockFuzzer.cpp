// Random requests for the comment block, checked against what holds for every request: the number
// of lines, CR LF after each line and nowhere else, remark strings framing every line, separators
// exactly as wide as the box, and free-text lines kept whole.

#include "comments/CharacterCount.h"
#include "comments/CommentBlockBuilder.h"
#include "comments/RemarkStyle.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>

namespace {

using namespace quillmark;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "comment block invariant broken: %s\n", what);
        std::abort();
    }
}

// A Unicode scalar value, mostly ASCII so that columns and separators are exercised, but also
// accented letters, other scripts and characters outside the Basic Multilingual Plane.
char32_t ConsumeCharacter(FuzzedDataProvider& data, bool lineBreaks) {
    switch (data.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
        return data.ConsumeIntegralInRange<char32_t>(0x80, 0x7FF);
    case 1: {
        const char32_t c = data.ConsumeIntegralInRange<char32_t>(0x800, 0xFFFF);
        return c >= 0xD800 && c <= 0xDFFF ? U'\u00DF' : c;
    }
    case 2:
        return data.ConsumeIntegralInRange<char32_t>(0x10000, 0x10FFFF);
    case 3:
        if (lineBreaks) {
            return data.ConsumeBool() ? U'\r' : U'\n';
        }
        return U' ';
    default: {
        const char32_t c = data.ConsumeIntegralInRange<char32_t>(0x20, 0x7E);
        return c;
    }
    }
}

QString ConsumeText(FuzzedDataProvider& data, int maxCharacters, bool lineBreaks) {
    const int length = data.ConsumeIntegralInRange(0, maxCharacters);
    QString text;
    for (int i = 0; i < length && data.remaining_bytes() > 0; ++i) {
        const char32_t c = ConsumeCharacter(data, lineBreaks);
        text.append(QString::fromUcs4(&c, 1));
    }
    return text;
}

DevelopmentLanguage ConsumeLanguage(FuzzedDataProvider& data) {
    if (data.ConsumeBool()) {
        return static_cast<DevelopmentLanguage>(data.ConsumeIntegral<std::int32_t>());
    }
    return static_cast<DevelopmentLanguage>(data.ConsumeIntegralInRange<std::int32_t>(-1, 7));
}

CommentRequest ConsumeRequest(FuzzedDataProvider& data, bool lineBreaks) {
    CommentRequest request;
    request.Kind = static_cast<ProcedureKind>(data.ConsumeIntegralInRange<int>(0, 4));
    request.Access = static_cast<AccessLevel>(data.ConsumeIntegralInRange<int>(0, 3));
    request.Language = ConsumeLanguage(data);
    request.BeginFree = ConsumeText(data, 50, lineBreaks);
    request.EndFree = ConsumeText(data, 50, lineBreaks);
    request.Name = ConsumeText(data, 120, lineBreaks);
    request.Purpose = ConsumeText(data, 300, lineBreaks);
    request.Returns = ConsumeText(data, 120, lineBreaks);
    request.DeveloperName = ConsumeText(data, 80, lineBreaks);
    if (data.ConsumeBool()) {
        request.Today = QDateTime(
            QDate::fromJulianDay(data.ConsumeIntegralInRange<qint64>(-10'000'000, 100'000'000)),
            QTime(12, 0));
    }
    const int parameters = data.ConsumeIntegralInRange(0, 300);
    for (int i = 0; i < parameters; ++i) {
        CommentParameter parameter;
        parameter.Name = ConsumeText(data, 60, lineBreaks);
        parameter.Optional =
            data.ConsumeBool() ? QStringLiteral("Yes") : ConsumeText(data, 4, false);
        parameter.Type = ConsumeText(data, 60, lineBreaks);
        parameter.Description = ConsumeText(data, 200, lineBreaks);
        request.Parameters.append(parameter);
    }
    const int freeLines = data.ConsumeIntegralInRange(0, 300);
    for (int i = 0; i < freeLines; ++i) {
        request.FreeTextLines.append(ConsumeText(data, 200, lineBreaks));
    }
    return request;
}

QList<QStringView> SplitLines(const QString& block) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype end = block.indexOf(LineBreak); end >= 0;
         end = block.indexOf(LineBreak, start)) {
        lines.append(QStringView(block).sliced(start, end - start));
        start = end + LineBreak.size();
    }
    Require(start == block.size(), "the block ends with CR LF");
    return lines;
}

void CheckSeparator(QStringView line, QChar fill, const QString& begin, const QString& end) {
    Require(line == begin + QString(BlockWidth, fill) + end, "separator text");
    Require(CharacterCount(line) == CharacterCount(begin) + BlockWidth + CharacterCount(end),
            "separator width");
}

void CheckFreeTextLine(QStringView line, const QString& text, const QString& begin,
                       const QString& end) {
    const QString start = begin + u' ' + text;
    Require(line.startsWith(start) && line.endsWith(end), "free-text line keeps its text");
    const QStringView padding = line.sliced(start.size(), line.size() - start.size() - end.size());
    Require(padding.count(u' ') == padding.size(), "free-text padding is blanks");
    if (end.isEmpty()) {
        Require(padding.isEmpty(), "no padding without an end remark");
        return;
    }
    // The free-text end remark sits Lb - Le columns off the separators' end remark.
    const qsizetype lb = CharacterCount(begin);
    const qsizetype le = CharacterCount(end);
    const qsizetype freeColumns = std::max(CharacterCount(text), BlockWidth - 1 + lb - le);
    Require(CharacterCount(line) == lb + 1 + freeColumns + le, "free-text end remark column");
}

void CheckCleanBlock(const CommentRequest& request, const QString& block) {
    const QString begin = BeginRemark(request.Language, request.BeginFree);
    const QString end = EndRemark(request.Language, request.EndFree);
    const QList<QStringView> lines = SplitLines(block);
    for (QStringView line : lines) {
        Require(!line.contains(u'\r') && !line.contains(u'\n'), "no stray CR or LF in a line");
        Require(line.startsWith(begin), "line starts with the begin remark");
        Require(line.endsWith(end), "line ends with the end remark");
    }

    if (request.Kind == ProcedureKind::General) {
        const qsizetype count = request.FreeTextLines.size();
        Require(lines.size() == 2 + count, "general block line count");
        CheckSeparator(lines.first(), u'=', begin, end);
        CheckSeparator(lines.last(), u'-', begin, end);
        for (qsizetype i = 0; i < count; ++i) {
            CheckFreeTextLine(lines.at(1 + i), request.FreeTextLines.at(i), begin, end);
        }
        return;
    }

    const qsizetype count = request.Parameters.size();
    Require(lines.size() == 16 + count, "procedure block line count");
    CheckSeparator(lines.at(0), u'=', begin, end);
    CheckSeparator(lines.at(9 + count), u'-', begin, end);
    CheckSeparator(lines.at(12 + count), u'=', begin, end);
    const qsizetype boxWidth = CharacterCount(begin) + BlockWidth + CharacterCount(end);
    if (!end.isEmpty()) {
        for (QStringView line : lines) {
            Require(CharacterCount(line) >= boxWidth, "end remark never left of the box edge");
        }
    }
    for (qsizetype i = 0; i < count; ++i) {
        const CommentParameter& parameter = request.Parameters.at(i);
        const QStringView line = lines.at(5 + i);
        const qsizetype type = line.indexOf(parameter.Type, begin.size());
        const qsizetype name = line.indexOf(parameter.Name, type + parameter.Type.size());
        const qsizetype description =
            line.indexOf(parameter.Description, name + parameter.Name.size());
        Require(type >= 0 && name >= 0 && description >= 0, "parameter fields in order");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    // Mostly texts without line breaks, where every invariant applies; sometimes with them, where
    // the block must still end with CR LF and keep at least its own lines.
    const bool lineBreaks = data.ConsumeIntegralInRange<int>(0, 7) == 0;
    const CommentRequest request = ConsumeRequest(data, lineBreaks);
    const QString block = BuildCommentBlock(request);

    if (!lineBreaks) {
        CheckCleanBlock(request, block);
        return 0;
    }
    const qsizetype expected = request.Kind == ProcedureKind::General
                                   ? 2 + request.FreeTextLines.size()
                                   : 16 + request.Parameters.size();
    Require(block.endsWith(LineBreak), "the block ends with CR LF");
    Require(block.count(LineBreak) >= expected, "no line lost");
    Require(block.startsWith(BeginRemark(request.Language, request.BeginFree)),
            "the block starts with the begin remark");
    return 0;
}
