#include "cli/DeclarationLexer.h"

#include "cli/InputError.h"

#include <array>

namespace quillmark::cli {
namespace {

bool IsWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool IsWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}
bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v';
}
bool IsLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Longest symbols first, so "..." wins over ".". ">>" is never one symbol: it closes two template
// argument lists far more often than it shifts in a declaration.
constexpr std::array<QStringView, 9> CSymbols = {u"...", u"::", u"->", u"&&", u"||",
                                                 u"==",  u"!=", u"<=", u">="};
constexpr std::array<QStringView, 5> PascalSymbols = {u":=", u"..", u"<>", u"<=", u">="};
constexpr std::array<QStringView, 4> BasicSymbols = {u":=", u"<>", u"<=", u">="};

class Lexer {
public:
    Lexer(QStringView text, DeclarationSyntax syntax) : text_(text), syntax_(syntax) {}

    DeclarationTokens Run() {
        while (pos_ < text_.size()) {
            Step();
        }
        return std::move(tokens_);
    }

private:
    QChar At(qsizetype offset = 0) const {
        const qsizetype index = pos_ + offset;
        return index < text_.size() ? text_[index] : QChar();
    }
    bool StartsWith(QStringView s) const { return text_.sliced(pos_).startsWith(s); }

    void Add(DeclarationToken::Type kind, qsizetype start) {
        tokens_.append({kind, text_.sliced(start, pos_ - start).toString()});
    }

    void SkipToLineEnd() {
        while (pos_ < text_.size() && !IsLineEnd(At())) {
            ++pos_;
        }
    }

    void SkipPast(QStringView closing, const char* what) {
        const qsizetype end = text_.indexOf(closing, pos_);
        if (end < 0) {
            throw InputError(QStringLiteral("the declaration has an unclosed %1").arg(what));
        }
        pos_ = end + closing.size();
    }

    bool AtLineStart() const {
        for (qsizetype i = pos_ - 1; i >= 0; --i) {
            if (IsLineEnd(text_[i])) {
                return true;
            }
            if (!IsBlank(text_[i])) {
                return false;
            }
        }
        return true;
    }

    // " _" at the end of a line continues the statement on the next line.
    bool IsBasicContinuation() const {
        if (At() != u'_' || (pos_ > 0 && !IsBlank(text_[pos_ - 1]))) {
            return false;
        }
        qsizetype i = pos_ + 1;
        while (i < text_.size() && IsBlank(text_[i])) {
            ++i;
        }
        return i == text_.size() || IsLineEnd(text_[i]);
    }

    bool SkipComment() {
        switch (syntax_) {
        case DeclarationSyntax::C:
            if (StartsWith(u"//")) {
                SkipToLineEnd();
                return true;
            }
            if (StartsWith(u"/*")) {
                pos_ += 2;
                SkipPast(u"*/", "comment");
                return true;
            }
            if (At() == u'#' && AtLineStart()) {
                SkipPreprocessorLine();
                return true;
            }
            return false;
        case DeclarationSyntax::Delphi:
            if (StartsWith(u"//")) {
                SkipToLineEnd();
                return true;
            }
            if (At() == u'{') {
                ++pos_;
                SkipPast(u"}", "comment");
                return true;
            }
            if (StartsWith(u"(*")) {
                pos_ += 2;
                SkipPast(u"*)", "comment");
                return true;
            }
            return false;
        case DeclarationSyntax::VisualBasic:
            // A remark, or a line of conditional compilation (#If VBA7 Then, #End If); a date
            // literal starts with a digit.
            if (At() == u'\'' || (At() == u'#' && At(1).isLetter() && AtLineStart())) {
                SkipToLineEnd();
                return true;
            }
            return false;
        }
        return false;
    }

    void SkipPreprocessorLine() {
        while (pos_ < text_.size()) {
            if (At() == u'\\' && IsLineEnd(At(1))) {
                pos_ += 2;
                continue;
            }
            if (IsLineEnd(At())) {
                return;
            }
            ++pos_;
        }
    }

    void ReadQuoted(QChar quote) {
        const qsizetype start = pos_++;
        const bool backslashEscapes = syntax_ == DeclarationSyntax::C;
        while (pos_ < text_.size()) {
            const QChar c = At();
            if (backslashEscapes && c == u'\\') {
                pos_ += 2;
                continue;
            }
            ++pos_;
            if (c == quote) {
                if (!backslashEscapes && At() == quote) { // doubled quote inside the text
                    ++pos_;
                    continue;
                }
                Add(DeclarationToken::Type::Text, start);
                return;
            }
        }
        throw InputError(QStringLiteral("the declaration has an unclosed quoted text"));
    }

    void ReadWord() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && IsWordPart(At())) {
            ++pos_;
        }
        // Visual Basic's type characters belong to the name: Name$, Count%, Total@.
        if (syntax_ == DeclarationSyntax::VisualBasic && QStringView(u"$%&!#@^").contains(At()) &&
            !IsWordPart(At(1))) {
            ++pos_;
        }
        Add(DeclarationToken::Type::Word, start);
    }

    void ReadNumber() {
        const qsizetype start = pos_;
        while (pos_ < text_.size()) {
            const QChar c = At();
            if ((c == u'+' || c == u'-') && (text_[pos_ - 1] == u'e' || text_[pos_ - 1] == u'E')) {
                ++pos_;
            } else if (IsWordPart(c) || c == u'.' || (c == u'\'' && IsWordPart(At(1)))) {
                if (c == u'.' && At(1) == u'.') { // Delphi range "1..9"
                    break;
                }
                ++pos_;
            } else {
                break;
            }
        }
        Add(DeclarationToken::Type::Number, start);
    }

    void ReadSymbol() {
        const qsizetype start = pos_;
        auto matchAny = [this](const auto& symbols) {
            for (QStringView symbol : symbols) {
                if (StartsWith(symbol)) {
                    pos_ += symbol.size();
                    return true;
                }
            }
            return false;
        };
        bool matched = false;
        switch (syntax_) {
        case DeclarationSyntax::C:
            matched = matchAny(CSymbols);
            break;
        case DeclarationSyntax::Delphi:
            matched = matchAny(PascalSymbols);
            break;
        case DeclarationSyntax::VisualBasic:
            matched = matchAny(BasicSymbols);
            break;
        }
        if (!matched) {
            ++pos_;
        }
        Add(DeclarationToken::Type::Symbol, start);
    }

    void Step() {
        const QChar c = At();
        if (IsLineEnd(c)) {
            if (syntax_ == DeclarationSyntax::VisualBasic) {
                tokens_.append({DeclarationToken::Type::LineEnd, QStringLiteral("\n")});
            }
            pos_ += (c == u'\r' && At(1) == u'\n') ? 2 : 1;
            return;
        }
        if (IsBlank(c)) {
            ++pos_;
            return;
        }
        if (syntax_ == DeclarationSyntax::VisualBasic && IsBasicContinuation()) {
            ++pos_;
            while (pos_ < text_.size() && IsBlank(At())) {
                ++pos_;
            }
            pos_ += (At() == u'\r' && At(1) == u'\n') ? 2 : 1;
            return;
        }
        if (SkipComment()) {
            return;
        }
        if (c == u'"' || (c == u'\'' && syntax_ != DeclarationSyntax::VisualBasic)) {
            ReadQuoted(c);
        } else if (syntax_ == DeclarationSyntax::VisualBasic && c == u'#') {
            ReadQuoted(c); // a date literal such as #1/1/2000#
        } else if (IsWordStart(c)) {
            ReadWord();
        } else if (c.isDigit() || (c == u'.' && At(1).isDigit())) {
            ReadNumber();
        } else {
            ReadSymbol();
        }
    }

    QStringView text_;
    DeclarationSyntax syntax_;
    qsizetype pos_ = 0;
    DeclarationTokens tokens_;
};

} // namespace

DeclarationTokens DeclarationLexer::Tokenize(QStringView text, DeclarationSyntax syntax) {
    return Lexer(text, syntax).Run();
}

} // namespace quillmark::cli
