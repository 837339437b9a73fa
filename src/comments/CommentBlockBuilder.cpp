#include "comments/CommentBlockBuilder.h"

#include "comments/CharacterCount.h"
#include "comments/RemarkStyle.h"

#include <QLocale>
#include <algorithm>

namespace quillmark {
namespace {

constexpr qsizetype CreationDateOffset = 58; // plus the begin remark's length

QStringView KindWord(ProcedureKind kind) {
    switch (kind) {
    case ProcedureKind::Function:
        return u"Function ";
    case ProcedureKind::Sub:
        return u"Sub ";
    case ProcedureKind::Property:
        return u"Property ";
    case ProcedureKind::General:
    case ProcedureKind::None:
        break;
    }
    return {};
}

QStringView AccessWord(AccessLevel access) {
    switch (access) {
    case AccessLevel::Private:
        return u"Private ";
    case AccessLevel::Public:
        return u"Public ";
    case AccessLevel::Protected:
        return u"Protected ";
    case AccessLevel::None:
        break;
    }
    return {};
}

// Appends remark lines to one block, tracking the current line's length in characters so that
// padding never has to rescan the text (parameter lists can be long).
class BlockWriter {
public:
    BlockWriter(QString begin, QString end, qsizetype expectedLines)
        : begin_(std::move(begin)), end_(std::move(end)), beginLength_(CharacterCount(begin_)),
          endLength_(CharacterCount(end_)) {
        block_.reserve(expectedLines * (begin_.size() + BlockWidth + end_.size() + 2));
    }

    qsizetype BeginLength() const { return beginLength_; }

    void StartLine() {
        block_.append(begin_);
        lineLength_ = beginLength_;
    }

    void Append(QStringView text) {
        block_.append(text);
        lineLength_ += CharacterCount(text);
    }

    void PadTo(qsizetype width) {
        const qsizetype blanks = PadLength(width, lineLength_);
        AppendBlanks(blanks);
        lineLength_ += blanks;
    }

    // FinishLine in aligned mode, written in place.
    void Finish() {
        if (!end_.isEmpty()) {
            PadTo(EndRemarkPadWidth(beginLength_, endLength_, false));
            block_.append(end_);
        }
        block_.append(LineBreak);
    }

    // FinishLine in free-text mode: padding measured on the free-text line alone.
    void FinishFreeText(qsizetype freeTextLength) {
        if (!end_.isEmpty()) {
            AppendBlanks(
                PadLength(EndRemarkPadWidth(beginLength_, endLength_, true), freeTextLength));
            block_.append(end_);
        }
        block_.append(LineBreak);
    }

    void Separator(QChar fill) {
        block_.append(begin_);
        block_.append(QString(BlockWidth, fill));
        block_.append(end_);
        block_.append(LineBreak);
    }

    void RemarkLine(qsizetype column, QStringView text) {
        StartLine();
        PadTo(column);
        Append(text);
        Finish();
    }

    void EmptyRemarkLine() {
        StartLine();
        Finish();
    }

    QString Take() { return std::move(block_); }

private:
    // Padding is the hot path of long parameter lists: append views of one shared run of blanks
    // instead of building a temporary string per pad.
    void AppendBlanks(qsizetype count) {
        static const QString blanks(128, u' ');
        while (count > 0) {
            const qsizetype chunk = std::min(count, blanks.size());
            block_.append(QStringView(blanks).first(chunk));
            count -= chunk;
        }
    }

    QString begin_;
    QString end_;
    qsizetype beginLength_;
    qsizetype endLength_;
    qsizetype lineLength_ = 0;
    QString block_;
};

void WriteParameterLine(BlockWriter& writer, const CommentParameter& parameter,
                        bool optionalMarks) {
    writer.StartLine();
    writer.PadTo(ContentColumn);
    if (optionalMarks && parameter.IsOptional()) {
        writer.Append(u"Optional ");
    }
    writer.Append(parameter.Type);
    writer.PadTo(NameColumn);
    writer.Append(parameter.Name);
    writer.PadTo(DescriptionColumn);
    writer.Append(parameter.Description);
    writer.Finish();
}

QString BuildProcedureBlock(const CommentRequest& request, BlockWriter writer) {
    writer.Separator(u'=');

    writer.StartLine();
    writer.PadTo(HeadingColumn);
    writer.Append(AccessWord(request.Access));
    writer.Append(KindWord(request.Kind));
    writer.Append(request.Name);
    writer.Finish();

    writer.RemarkLine(HeadingColumn, u"Purpose:");
    writer.RemarkLine(ContentColumn, request.Purpose);
    writer.RemarkLine(HeadingColumn, u"Parameters:");
    const bool optionalMarks = request.Language == DevelopmentLanguage::VB;
    for (const CommentParameter& parameter : request.Parameters) {
        WriteParameterLine(writer, parameter, optionalMarks);
    }
    writer.EmptyRemarkLine();
    writer.EmptyRemarkLine();
    writer.RemarkLine(HeadingColumn, u"Returns:");
    writer.RemarkLine(ContentColumn, request.Returns);
    writer.Separator(u'-');
    writer.RemarkLine(HeadingColumn, u"History:");

    writer.StartLine();
    writer.PadTo(ContentColumn);
    writer.Append(FormatCommentDate(request.Today.date()));
    writer.PadTo(NameColumn);
    writer.Append(request.DeveloperName);
    writer.PadTo(writer.BeginLength() + CreationDateOffset);
    writer.Append(u"Creation Date");
    writer.Finish();

    writer.Separator(u'=');
    writer.EmptyRemarkLine();
    writer.EmptyRemarkLine();
    writer.EmptyRemarkLine();
    return writer.Take();
}

QString BuildGeneralBlock(const CommentRequest& request, BlockWriter writer) {
    writer.Separator(u'=');
    for (const QString& line : request.FreeTextLines) {
        writer.StartLine();
        writer.Append(u" ");
        writer.Append(line);
        writer.FinishFreeText(CharacterCount(line));
    }
    writer.Separator(u'-');
    return writer.Take();
}

} // namespace

QString CommentMonthName(int month) {
    const QLocale locale;
    // Some English locales abbreviate September as "Sept" and June as "June"; the block's
    // "dd-mmm-yy" date has three letters in English, whichever English the user reads. English is
    // told by the month names themselves: the system's date setting may name another language
    // than its messages do.
    const QLocale english = QLocale::c();
    for (int each = 1; each <= 12; ++each) {
        if (locale.monthName(each) != english.monthName(each)) {
            return locale.monthName(month, QLocale::ShortFormat);
        }
    }
    return english.monthName(month, QLocale::ShortFormat);
}

QString FormatCommentDate(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    const int year = date.year() % 100;
    return QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) + u'-' +
           CommentMonthName(date.month()) + u'-' +
           QStringLiteral("%1").arg(year < 0 ? -year : year, 2, 10, QLatin1Char('0'));
}

qint64 BlockLengthBound(const CommentRequest& request) {
    // A line holds its remark strings, the layout's blanks and headings (under 80 characters with
    // the line end) and at most the text of the fields it shows.
    constexpr qint64 LayoutPerLine = 80;
    constexpr qint64 ProcedureLines = 17;
    const qint64 perLine = BeginRemark(request.Language, request.BeginFree).size() +
                           EndRemark(request.Language, request.EndFree).size() + LayoutPerLine;
    qint64 text = 0;
    qint64 lines = 0;
    if (request.Kind == ProcedureKind::General) {
        lines = request.FreeTextLines.size() + 2;
        for (const QString& line : request.FreeTextLines) {
            text += line.size();
        }
    } else {
        lines = request.Parameters.size() + ProcedureLines;
        text = request.Name.size() + request.Purpose.size() + request.Returns.size() +
               request.DeveloperName.size() + FormatCommentDate(request.Today.date()).size();
        for (const CommentParameter& parameter : request.Parameters) {
            text += parameter.Name.size() + parameter.Type.size() + parameter.Description.size() +
                    parameter.Optional.size();
        }
    }
    return lines * perLine + text;
}

QString BuildCommentBlock(const CommentRequest& request) {
    QString begin = BeginRemark(request.Language, request.BeginFree);
    QString end = EndRemark(request.Language, request.EndFree);
    if (request.Kind == ProcedureKind::General) {
        BlockWriter writer(std::move(begin), std::move(end), request.FreeTextLines.size() + 2);
        return BuildGeneralBlock(request, std::move(writer));
    }
    BlockWriter writer(std::move(begin), std::move(end), request.Parameters.size() + 16);
    return BuildProcedureBlock(request, std::move(writer));
}

} // namespace quillmark
