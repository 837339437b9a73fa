#include "cli/BlockReader.h"

#include "cli/InputError.h"
#include "cli/RequestAssembler.h"
#include "comments/CommentBlockBuilder.h"
#include "comments/RemarkStyle.h"

#include <optional>
#include <string>

namespace quillmark::cli {
namespace {

// Columns count characters, as the builder does, so work on code points.
using Text = std::u32string;

Text ToText(const QString& s) {
    return s.toStdU32String();
}
QString ToQString(const Text& s) {
    return QString::fromStdU32String(s);
}

// Index where text placed after PadToColumn(width) starts.
constexpr qsizetype After(qsizetype width) {
    return width + 1;
}
constexpr qsizetype HeadingStart = After(HeadingColumn);
constexpr qsizetype ContentStart = After(ContentColumn);
constexpr qsizetype NameStart = After(NameColumn);
constexpr qsizetype DescriptionStart = After(DescriptionColumn);

Text Sub(const Text& s, qsizetype from, qsizetype to = -1) {
    const auto size = static_cast<qsizetype>(s.size());
    if (to < 0 || to > size) {
        to = size;
    }
    from = std::clamp<qsizetype>(from, 0, size);
    return from < to ? s.substr(from, to - from) : Text();
}

Text TrimRight(Text s) {
    while (!s.empty() && s.back() == U' ') {
        s.pop_back();
    }
    return s;
}

bool IsBlankLine(const Text& s) {
    return s.find_first_not_of(U" \t") == Text::npos;
}

bool IsIdentifierChar(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'_' || c == U'$' || c > 0x7F;
}

class Reader {
public:
    explicit Reader(const QString& block) {
        for (QString line : block.split(u'\n')) {
            if (line.endsWith(u'\r')) {
                line.chop(1);
            }
            lines_.push_back(ToText(line));
        }
        if (!lines_.empty() && lines_.back().empty()) {
            lines_.pop_back(); // the text after the last line break
        }
        while (first_ < static_cast<qsizetype>(lines_.size()) && IsBlankLine(lines_[first_])) {
            ++first_;
        }
    }

    // A custom remark string may itself hold "=" or "-", and a field may look like a separator,
    // so every reading of the remark strings and of the "-" separator is tried; the first one
    // that generates exactly this block again wins, else the first one that could be read.
    BlockDescription Read() {
        if (first_ >= Count()) {
            throw InputError(QStringLiteral("no block on the input"));
        }
        const Text& first = lines_[first_];
        const Text run(BlockWidth, U'=');
        std::optional<BlockDescription> readable;
        std::optional<InputError> firstError;
        int attempts = 0;
        // Every reading of the remark strings counts, so a long run of "=" ends as soon.
        for (std::size_t at = first.find(run); at != Text::npos && attempts < MaxAttempts;
             at = first.find(run, at + 1), ++attempts) {
            begin_ = first.substr(0, at);
            end_ = first.substr(at + BlockWidth);
            for (qsizetype minor = FindSeparator(U'-', first_ + 1);
                 minor >= 0 && attempts < MaxAttempts;
                 minor = FindSeparator(U'-', minor + 1), ++attempts) {
                try {
                    BlockDescription description = ReadWith(minor);
                    if (GivesThisBlock(description)) {
                        return description;
                    }
                    if (!readable) {
                        readable = std::move(description);
                    }
                } catch (const InputError& error) {
                    if (!firstError) {
                        firstError = error;
                    }
                }
            }
        }
        if (readable) {
            return *readable;
        }
        if (firstError) {
            throw *firstError;
        }
        throw Error(first_, "is not a separator line of \"=\" with a \"-\" separator after it");
    }

private:
    InputError Error(qsizetype line, const char* what) const {
        return InputError(QStringLiteral("not a Quillmark block: line %1 %2")
                              .arg(line + 1)
                              .arg(QString::fromUtf8(what)));
    }

    qsizetype Count() const { return static_cast<qsizetype>(lines_.size()); }

    bool AllBlankFrom(qsizetype line) const {
        for (qsizetype i = line; i < Count(); ++i) {
            if (!IsBlankLine(lines_[i])) {
                return false;
            }
        }
        return true;
    }

    Text Separator(char32_t fill) const { return begin_ + Text(BlockWidth, fill) + end_; }

    qsizetype FindSeparator(char32_t fill, qsizetype from) const {
        const Text separator = Separator(fill);
        for (qsizetype i = from; i < Count(); ++i) {
            if (lines_[i] == separator) {
                return i;
            }
        }
        return -1;
    }

    // The first line is begin + 72 "=" + end. A custom remark string may itself hold "=", so
    // every split is tried and confirmed by the "-" separator further down.
    static constexpr int MaxAttempts = 64;
    // A procedure block closes with empty remark lines after its last "=" line; an editor that
    // trims trailing lines, or a paste that stops short, may leave them off.
    static constexpr qsizetype ClosingEmptyLines = 3;

    BlockDescription ReadWith(qsizetype minor) const {
        BlockDescription description;
        description.Language = Language();
        if (description.Language == DevelopmentLanguage::Custom) {
            description.BeginFree = ToQString(begin_);
            description.EndFree = ToQString(end_);
        }
        if (minor + 1 >= Count() || AllBlankFrom(minor + 1)) {
            ReadGeneral(minor, description);
        } else {
            ReadProcedure(minor, description);
        }
        return description;
    }

    bool GivesThisBlock(const BlockDescription& description) const {
        const QString block = BuildCommentBlock(
            RequestAssembler::Assemble(description, std::nullopt, GlobalSettings{}, QDate()));
        QStringList lines = block.split(QStringLiteral("\r\n"));
        lines.removeLast(); // after the last line break
        const qsizetype closing =
            description.Kind == ProcedureKind::General ? 0 : ClosingEmptyLines;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const qsizetype at = first_ + i;
            const bool mayBeLeftOff = i >= lines.size() - closing;
            if (at >= Count() || (mayBeLeftOff && IsBlankLine(lines_[at]))) {
                return mayBeLeftOff && AllBlankFrom(at);
            }
            if (ToText(lines[i]) != lines_[at]) {
                return false;
            }
        }
        return AllBlankFrom(first_ + lines.size());
    }

    DevelopmentLanguage Language() const {
        for (auto language :
             {DevelopmentLanguage::VB, DevelopmentLanguage::VC, DevelopmentLanguage::Delphi}) {
            if (ToText(BeginRemark(language)) == begin_ && ToText(EndRemark(language)) == end_) {
                return language;
            }
        }
        return DevelopmentLanguage::Custom;
    }

    qsizetype BeginLength() const { return static_cast<qsizetype>(begin_.size()); }
    qsizetype EndLength() const { return static_cast<qsizetype>(end_.size()); }

    // A line of the procedure block without its end remark and without the padding that the
    // end remark brought; begin remark kept, so indexes are columns.
    Text Aligned(qsizetype index) const {
        const Text& line = lines_[index];
        if (line.size() < begin_.size() + end_.size() ||
            line.compare(0, BeginLength(), begin_) != 0 ||
            line.compare(line.size() - EndLength(), EndLength(), end_) != 0) {
            throw Error(index, "does not carry the block's remark strings");
        }
        Text inner = line.substr(0, line.size() - EndLength());
        // Whatever the line's length: a hand edit of the field moves the end remark but leaves
        // the padding before it.
        if (!end_.empty()) {
            while (static_cast<qsizetype>(inner.size()) > BeginLength() && inner.back() == U' ') {
                inner.pop_back();
            }
        }
        return inner;
    }

    // The text of a line whose one field starts at `start` (after PadToColumn).
    Text Field(qsizetype index, qsizetype start) const {
        const Text inner = Aligned(index);
        const qsizetype from = std::max(start, BeginLength());
        for (qsizetype i = BeginLength(); i < from && i < static_cast<qsizetype>(inner.size());
             ++i) {
            if (inner[i] != U' ') {
                throw Error(index, "does not follow the block's columns");
            }
        }
        return Sub(inner, from);
    }

    void ExpectHeading(qsizetype index, const char32_t* heading) const {
        if (Field(index, HeadingStart) != heading) {
            throw InputError(QStringLiteral("not a Quillmark block: line %1 should read \"%2\"")
                                 .arg(index + 1)
                                 .arg(ToQString(heading)));
        }
    }

    void ExpectEmpty(qsizetype index) const {
        if (Aligned(index) != begin_) {
            throw Error(index, "should be an empty remark line");
        }
    }

    void ReadGeneral(qsizetype minor, BlockDescription& description) const {
        description.Kind = ProcedureKind::General;
        QStringList lines;
        for (qsizetype i = first_ + 1; i < minor; ++i) {
            const Text& line = lines_[i];
            if (line.size() < begin_.size() + 1 + end_.size() ||
                line.compare(0, BeginLength(), begin_) != 0 || line[BeginLength()] != U' ' ||
                line.compare(line.size() - EndLength(), EndLength(), end_) != 0) {
                throw Error(i, "is not a remark line of the free text");
            }
            Text text =
                line.substr(BeginLength() + 1, line.size() - BeginLength() - 1 - EndLength());
            if (!end_.empty()) {
                text = TrimRight(text); // padding, also on a line whose text was edited
            }
            lines.append(ToQString(text));
        }
        description.FreeTextLines = lines;
    }

    void ReadDeclaration(qsizetype index, BlockDescription& description) const {
        QString text = ToQString(Field(index, HeadingStart));
        description.Access = AccessLevel::None;
        description.Kind = ProcedureKind::None;
        // With an end remark the padding swallowed the blank after a last word: "Public Sub".
        const bool padded = !end_.empty();
        auto take = [&text, padded](const QString& word) {
            if (text.startsWith(word + u' ')) {
                text.remove(0, word.size() + 1);
                return true;
            }
            if (padded && text == word) {
                text.clear();
                return true;
            }
            return false;
        };
        if (take(QStringLiteral("Public"))) {
            description.Access = AccessLevel::Public;
        } else if (take(QStringLiteral("Private"))) {
            description.Access = AccessLevel::Private;
        } else if (take(QStringLiteral("Protected"))) {
            description.Access = AccessLevel::Protected;
        }
        if (take(QStringLiteral("Function"))) {
            description.Kind = ProcedureKind::Function;
        } else if (take(QStringLiteral("Sub"))) {
            description.Kind = ProcedureKind::Sub;
        } else if (take(QStringLiteral("Property"))) {
            description.Kind = ProcedureKind::Property;
        }
        description.Name = text;
    }

    // Type at column 8, name at 29, description at 47; a field that reached the next column
    // pushed the rest to the right.
    CommentParameter ReadParameter(qsizetype index, bool optionalMarks) const {
        const Text s = Aligned(index);
        const qsizetype typeStart = std::max(ContentStart, BeginLength());
        Field(index, ContentStart); // checks the blanks before the type
        auto blankAt = [&s](qsizetype i) {
            return i >= static_cast<qsizetype>(s.size()) || s[i] == U' ';
        };
        Text type;
        Text name;
        Text description;
        if (typeStart < NameStart && blankAt(NameStart - 1)) {
            type = TrimRight(Sub(s, typeStart, NameStart));
            name = Sub(s, NameStart, DescriptionStart);
            if (blankAt(DescriptionStart - 1)) {
                name = TrimRight(name);
            }
            description = Sub(s, DescriptionStart);
        } else if (typeStart < DescriptionStart && blankAt(DescriptionStart - 1)) {
            // The type ran into the name: the name is the identifier at the end of the run.
            const Text run = TrimRight(Sub(s, typeStart, DescriptionStart));
            qsizetype split = typeStart + static_cast<qsizetype>(run.size());
            while (split > NameStart && IsIdentifierChar(s[split - 1])) {
                --split;
            }
            split = std::max(split, std::max(NameStart, typeStart));
            type = Sub(s, typeStart, split);
            name = Sub(s, split, typeStart + static_cast<qsizetype>(run.size()));
            description = Sub(s, DescriptionStart);
        } else {
            // Every field ran into the next: split at the columns.
            const qsizetype nameStart = std::max(NameStart, typeStart);
            const qsizetype descriptionStart = std::max(DescriptionStart, nameStart);
            type = Sub(s, typeStart, nameStart);
            name = Sub(s, nameStart, descriptionStart);
            description = Sub(s, descriptionStart);
        }
        CommentParameter parameter;
        parameter.Name = ToQString(name);
        parameter.Type = ToQString(type);
        parameter.Description = ToQString(description);
        parameter.Optional = QStringLiteral("No");
        if (optionalMarks && parameter.Type.startsWith(u"Optional ")) {
            parameter.Optional = QStringLiteral("Yes");
            parameter.Type.remove(0, 9);
        }
        return parameter;
    }

    void ReadHistory(qsizetype index, BlockDescription& description) const {
        static const Text creation = U"Creation Date";
        Text s = Aligned(index);
        if (s.size() < creation.size() ||
            s.compare(s.size() - creation.size(), creation.size(), creation) != 0) {
            throw Error(index, "should end with \"Creation Date\"");
        }
        s.resize(s.size() - creation.size());
        Field(index, ContentStart);
        const qsizetype dateStart = std::max(ContentStart, BeginLength());
        Text date;
        Text developer;
        if (dateStart < NameStart &&
            (static_cast<qsizetype>(s.size()) <= NameStart || s[NameStart - 1] == U' ')) {
            date = TrimRight(Sub(s, dateStart, NameStart));
            developer = TrimRight(Sub(s, NameStart));
        } else {
            // The begin remark pushed the date against the developer's name: the date's own
            // shape, dd-month-yy, tells where it ends.
            const Text rest = Sub(s, dateStart);
            const qsizetype length = DateLength(rest);
            date = Sub(rest, 0, length);
            developer = TrimRight(Sub(rest, length));
        }
        description.DeveloperName = ToQString(developer);
        description.Date = ParseDate(ToQString(date), index);
    }

    // Length of a "dd-mmm-yy" date at the start of `text`, or of its first word.
    static qsizetype DateLength(const Text& text) {
        if (text.size() > 3 && text[2] == U'-') {
            for (int m = 1; m <= 12; ++m) {
                const Text month = ToText(CommentMonthName(m));
                if (text.compare(3, month.size(), month) == 0 &&
                    text.size() >= 3 + month.size() + 3 && text[3 + month.size()] == U'-') {
                    return static_cast<qsizetype>(3 + month.size() + 3);
                }
            }
        }
        const std::size_t blank = text.find(U' ');
        return blank == Text::npos ? static_cast<qsizetype>(text.size())
                                   : static_cast<qsizetype>(blank);
    }

    // "dd-mmm-yy" with the month as blocks show it; two-digit years 69 to 99 are 1900s.
    static QDate ParseDate(const QString& text, qsizetype index) {
        const qsizetype first = text.indexOf(u'-');
        const qsizetype last = text.lastIndexOf(u'-');
        if (first == 2 && last == text.size() - 3 && last > first) {
            bool dayOk = false;
            bool yearOk = false;
            const int day = text.left(2).toInt(&dayOk);
            const int yy = text.right(2).toInt(&yearOk);
            const QString month = text.mid(3, last - 3);
            for (int m = 1; dayOk && yearOk && m <= 12; ++m) {
                if (CommentMonthName(m) == month) {
                    const QDate date(yy < 69 ? 2000 + yy : 1900 + yy, m, day);
                    if (date.isValid() && FormatCommentDate(date) == text) {
                        return date;
                    }
                }
            }
        }
        throw InputError(QStringLiteral("cannot read the date \"%1\" on line %2 (month names "
                                        "follow the locale)")
                             .arg(text)
                             .arg(index + 1));
    }

    void ReadProcedure(qsizetype minor, BlockDescription& description) const {
        const qsizetype top = first_;
        // Fixed lines: 5 before the parameters, 4 between them and the "-" separator, 3 after it
        // up to the closing "=" line, then the closing empty lines.
        if (minor - top < 9 || Count() < minor + 4) {
            throw Error(top, "starts a block that is too short to be a procedure block");
        }
        ReadDeclaration(top + 1, description);
        ExpectHeading(top + 2, U"Purpose:");
        description.Purpose = ToQString(Field(top + 3, ContentStart));
        ExpectHeading(top + 4, U"Parameters:");
        QList<CommentParameter> parameters;
        const bool optionalMarks = Language() == DevelopmentLanguage::VB;
        for (qsizetype i = top + 5; i < minor - 4; ++i) {
            parameters.append(ReadParameter(i, optionalMarks));
        }
        description.Parameters = parameters;
        ExpectEmpty(minor - 4);
        ExpectEmpty(minor - 3);
        ExpectHeading(minor - 2, U"Returns:");
        description.Returns = ToQString(Field(minor - 1, ContentStart));
        ExpectHeading(minor + 1, U"History:");
        ReadHistory(minor + 2, description);
        if (lines_[minor + 3] != Separator(U'=')) {
            throw Error(minor + 3, "should be a separator line of \"=\"");
        }
        const qsizetype closingEnd = std::min(Count(), minor + 4 + ClosingEmptyLines);
        qsizetype next = minor + 4;
        while (next < closingEnd && !IsBlankLine(lines_[next])) {
            ExpectEmpty(next++);
        }
        if (!AllBlankFrom(next)) {
            throw Error(next, "follows the end of the block");
        }
    }

    std::vector<Text> lines_;
    qsizetype first_ = 0;
    Text begin_;
    Text end_;
};

} // namespace

namespace {

// The block with the blanks and tabs that begin each of its non-blank lines taken off, as when it
// was pasted inside a class or a namespace.
std::optional<QString> Dedented(const QString& block) {
    QStringList lines = block.split(u'\n');
    std::optional<QString> indent;
    for (const QString& line : lines) {
        const QString content = QString(line).remove(u'\r');
        if (content.trimmed().isEmpty()) {
            continue;
        }
        qsizetype length = 0;
        while (length < content.size() && (content[length] == u' ' || content[length] == u'\t')) {
            ++length;
        }
        if (!indent) {
            indent = content.left(length);
        } else {
            qsizetype shared = 0;
            while (shared < indent->size() && shared < length &&
                   (*indent)[shared] == content[shared]) {
                ++shared;
            }
            indent->truncate(shared);
        }
    }
    if (!indent || indent->isEmpty()) {
        return std::nullopt;
    }
    for (QString& line : lines) {
        if (line.startsWith(*indent)) {
            line.remove(0, indent->size());
        }
    }
    return lines.join(u'\n');
}

} // namespace

BlockDescription BlockReader::Read(const QString& block) {
    // A remark string may itself begin with blanks, so the block is first read as it stands; if
    // neither reading works, the error is the one of the block as given.
    std::optional<InputError> asItStands;
    try {
        return Reader(block).Read();
    } catch (const InputError& error) {
        asItStands = error;
    }
    if (const std::optional<QString> dedented = Dedented(block)) {
        try {
            return Reader(*dedented).Read();
        } catch (const InputError&) {
        }
    }
    throw *asItStands;
}

} // namespace quillmark::cli
