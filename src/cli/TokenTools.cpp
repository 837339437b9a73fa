#include "cli/TokenTools.h"

#include <algorithm>

namespace quillmark::cli {
namespace {

bool IsOpen(const DeclarationToken& token) {
    return token.IsSymbol(u"(") || token.IsSymbol(u"[") || token.IsSymbol(u"{");
}
bool IsClose(const DeclarationToken& token) {
    return token.IsSymbol(u")") || token.IsSymbol(u"]") || token.IsSymbol(u"}");
}
bool IsWordLike(const DeclarationToken& token) {
    return token.Kind == DeclarationToken::Type::Word ||
           token.Kind == DeclarationToken::Type::Number ||
           token.Kind == DeclarationToken::Type::Text;
}

// Tracks the nesting of brackets while walking tokens left to right.
class Nesting {
public:
    Nesting(const DeclarationTokens& tokens, bool angles) : tokens_(tokens), angles_(angles) {}

    // Updates the nesting for the token at `index`; true when it is outside every bracket
    // (before an opening bracket, after a closing one).
    bool Visit(qsizetype index) {
        const DeclarationToken& token = tokens_[index];
        const bool outside = open_.isEmpty();
        if (IsOpen(token) ||
            (angles_ && token.IsSymbol(u"<") && TokenTools::OpensAngle(tokens_, index))) {
            open_.append(token.Text.front());
            return outside;
        }
        if (IsClose(token)) {
            // Drop template lists left open by a comparison such as "a < b".
            while (!open_.isEmpty() && open_.back() == u'<') {
                open_.removeLast();
            }
            if (!open_.isEmpty()) {
                open_.removeLast();
            }
            return open_.isEmpty();
        }
        if (angles_ && token.IsSymbol(u">") && !open_.isEmpty() && open_.back() == u'<') {
            open_.removeLast();
            return open_.isEmpty();
        }
        return outside;
    }

    bool Outside() const { return open_.isEmpty(); }

private:
    const DeclarationTokens& tokens_;
    bool angles_;
    QList<QChar> open_;
};

} // namespace

bool TokenTools::OpensAngle(const DeclarationTokens& tokens, qsizetype index) {
    if (index == 0 || !tokens[index - 1].IsWord() || tokens[index - 1].IsWord(u"operator")) {
        return false;
    }
    // A comparison in a default value ("bool shrink = w < 100, int h") has no ">" before the
    // bracket around it closes. Argument lists are short: past 32 tokens the "<" is taken for
    // one, so that a long text is not walked again for every "<" in it.
    constexpr qsizetype LookAhead = 32;
    int angles = 0;
    int brackets = 0;
    const qsizetype end = std::min(tokens.size(), index + LookAhead);
    for (qsizetype i = index; i < end; ++i) {
        const DeclarationToken& token = tokens[i];
        if (IsOpen(token)) {
            ++brackets;
        } else if (IsClose(token)) {
            if (--brackets < 0) {
                return false;
            }
        } else if (brackets == 0 && token.IsSymbol(u";")) {
            return false;
        } else if (brackets == 0 && token.IsSymbol(u"<")) {
            ++angles;
        } else if (brackets == 0 && token.IsSymbol(u">") && --angles == 0) {
            return true;
        }
    }
    return end < tokens.size();
}

qsizetype TokenTools::MatchingClose(const DeclarationTokens& tokens, qsizetype open, bool angles) {
    Nesting nesting(tokens, angles);
    for (qsizetype i = open; i < tokens.size(); ++i) {
        nesting.Visit(i);
        if (nesting.Outside()) {
            return i;
        }
    }
    return -1;
}

QList<DeclarationTokens> TokenTools::SplitTopLevel(const DeclarationTokens& tokens,
                                                   QStringView separator, bool angles) {
    QList<DeclarationTokens> parts;
    if (tokens.isEmpty()) {
        return parts;
    }
    Nesting nesting(tokens, angles);
    DeclarationTokens current;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const bool outside = nesting.Visit(i);
        if (outside && nesting.Outside() && tokens[i].IsSymbol(separator)) {
            parts.append(std::move(current));
            current = {};
        } else {
            current.append(tokens[i]);
        }
    }
    parts.append(std::move(current));
    return parts;
}

DeclarationTokens TokenTools::Slice(const DeclarationTokens& tokens, qsizetype from, qsizetype to) {
    from = std::clamp<qsizetype>(from, 0, tokens.size());
    to = std::clamp<qsizetype>(to, from, tokens.size());
    return tokens.mid(from, to - from);
}

QString TokenTools::Spell(const DeclarationTokens& tokens, DeclarationSyntax syntax) {
    QString text;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const DeclarationToken& token = tokens[i];
        if (i > 0) {
            const DeclarationToken& previous = tokens[i - 1];
            bool blank = false;
            if (previous.IsSymbol(u",")) {
                blank = true;
            } else if (IsWordLike(previous) && IsWordLike(token)) {
                blank = true;
            } else if (syntax == DeclarationSyntax::VisualBasic &&
                       (token.IsSymbol(u"*") || previous.IsSymbol(u"*"))) {
                blank = true; // fixed-length strings: String * 10
            } else if (syntax == DeclarationSyntax::C && IsWordLike(token) &&
                       (IsPointerMark(previous) || previous.IsSymbol(u")") ||
                        previous.IsSymbol(u">") || previous.IsSymbol(u"]") ||
                        previous.IsSymbol(u"..."))) {
                blank = true;
            } else if (syntax == DeclarationSyntax::C && token.IsSymbol(u"(") &&
                       (IsWordLike(previous) || previous.IsSymbol(u">")) &&
                       OpensPointerGroup(tokens, i)) {
                blank = true; // "int (*)(int)": a pointer to a function
            }
            if (blank) {
                text.append(u' ');
            }
        }
        text.append(token.Text);
    }
    return text;
}

bool TokenTools::IsPointerMark(const DeclarationToken& token) {
    return token.IsSymbol(u"*") || token.IsSymbol(u"&") || token.IsSymbol(u"&&") ||
           token.IsSymbol(u"^");
}

bool TokenTools::OpensPointerGroup(const DeclarationTokens& tokens, qsizetype open) {
    qsizetype k = open + 1;
    if (k < tokens.size() && IsPointerMark(tokens[k])) {
        return true;
    }
    while (k + 1 < tokens.size() && tokens[k].IsWord() && tokens[k + 1].IsSymbol(u"::")) {
        k += 2;
    }
    // Members have pointers only: "(Class::*".
    return k > open + 1 && k < tokens.size() && tokens[k].IsSymbol(u"*");
}

} // namespace quillmark::cli
