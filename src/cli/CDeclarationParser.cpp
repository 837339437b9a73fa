#include "cli/CDeclarationParser.h"

#include "cli/DeclarationLexer.h"
#include "cli/InputError.h"
#include "cli/TokenTools.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

using Tokens = DeclarationTokens;

constexpr auto Syntax = DeclarationSyntax::C;

// Words that are part of a type but can never be a declared name.
const QSet<QString>& TypeKeywords() {
    static const QSet<QString> words = {
        u"void"_s,     u"int"_s,      u"char"_s,     u"short"_s,    u"long"_s,
        u"float"_s,    u"double"_s,   u"bool"_s,     u"unsigned"_s, u"signed"_s,
        u"auto"_s,     u"const"_s,    u"volatile"_s, u"wchar_t"_s,  u"char8_t"_s,
        u"char16_t"_s, u"char32_t"_s, u"_Bool"_s,    u"restrict"_s, u"__restrict"_s,
        u"struct"_s,   u"class"_s,    u"union"_s,    u"enum"_s,     u"typename"_s};
    return words;
}

// Words before "(" that open something other than a parameter list.
const QSet<QString>& NonNameWords() {
    static const QSet<QString> words = {
        u"decltype"_s, u"sizeof"_s,     u"alignof"_s,  u"noexcept"_s, u"throw"_s,
        u"typeof"_s,   u"__typeof__"_s, u"requires"_s, u"explicit"_s, u"static_assert"_s,
        u"return"_s,   u"if"_s,         u"while"_s,    u"for"_s,      u"switch"_s};
    return words;
}

// Declaration specifiers and calling conventions that say nothing about the return type.
const QSet<QString>& DroppedSpecifiers() {
    static const QSet<QString> words = {
        u"static"_s, u"inline"_s, u"virtual"_s, u"explicit"_s, u"extern"_s, u"constexpr"_s,
        u"consteval"_s, u"constinit"_s, u"friend"_s, u"thread_local"_s, u"register"_s, u"mutable"_s,
        u"__inline"_s, u"__inline__"_s, u"__forceinline"_s, u"_Noreturn"_s, u"__cdecl"_s,
        u"__stdcall"_s, u"__fastcall"_s, u"__thiscall"_s, u"__vectorcall"_s, u"WINAPI"_s,
        u"CALLBACK"_s, u"APIENTRY"_s, u"export"_s,
        // Macros of common libraries that mark, export or annotate a function.
        u"Q_INVOKABLE"_s, u"Q_SLOT"_s, u"Q_SIGNAL"_s, u"Q_SCRIPTABLE"_s, u"Q_DECL_EXPORT"_s,
        u"Q_DECL_IMPORT"_s, u"Q_DECL_NOTHROW"_s, u"Q_REQUIRED_RESULT"_s, u"JNIEXPORT"_s,
        u"JNICALL"_s, u"EXPORT"_s};
    return words;
}

// A library's export macro by the usual spelling: MYLIB_API, CORE_EXPORT.
bool IsExportMacro(const QString& word) {
    if (!word.endsWith(u"_API"_s) && !word.endsWith(u"_EXPORT"_s)) {
        return false;
    }
    return std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
    });
}

bool IsDroppedSpecifier(const DeclarationToken& token) {
    return token.IsWord() &&
           (DroppedSpecifiers().contains(token.Text) || IsExportMacro(token.Text));
}

// Qt's sections of a class: "public slots:", "private Q_SLOTS:", "signals:", "Q_SIGNALS:".
bool IsQtSectionWord(const DeclarationToken& token) {
    return token.IsWord(u"slots") || token.IsWord(u"Q_SLOTS") || token.IsWord(u"signals") ||
           token.IsWord(u"Q_SIGNALS");
}

bool IsTypeKeyword(const DeclarationToken& token) {
    return token.IsWord() && TypeKeywords().contains(token.Text);
}

// [[...]], __attribute__((...)), __declspec(...), alignas(...).
Tokens WithoutAttributes(const Tokens& tokens) {
    Tokens result;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const DeclarationToken& token = tokens[i];
        qsizetype open = -1;
        if (token.IsSymbol(u"[") && i + 1 < tokens.size() && tokens[i + 1].IsSymbol(u"[")) {
            open = i;
        } else if ((token.IsWord(u"__attribute__") || token.IsWord(u"__declspec") ||
                    token.IsWord(u"alignas") || token.IsWord(u"_Alignas")) &&
                   i + 1 < tokens.size() && tokens[i + 1].IsSymbol(u"(")) {
            open = i + 1;
        }
        if (open < 0) {
            result.append(token);
            continue;
        }
        const qsizetype close = TokenTools::MatchingClose(tokens, open);
        if (close < 0) {
            throw InputError(QStringLiteral("the declaration has an unclosed attribute"));
        }
        i = close;
    }
    return result;
}

// Everything up to the first ";" or "{" outside brackets: a body or a second declaration is not
// part of this one.
Tokens FirstDeclaration(const Tokens& tokens) {
    qsizetype depth = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const DeclarationToken& token = tokens[i];
        if (depth == 0 && (token.IsSymbol(u";") || token.IsSymbol(u"{"))) {
            return tokens.first(i);
        }
        if (token.IsSymbol(u"(") || token.IsSymbol(u"[") || token.IsSymbol(u"{")) {
            ++depth;
        } else if ((token.IsSymbol(u")") || token.IsSymbol(u"]") || token.IsSymbol(u"}")) &&
                   depth > 0) {
            --depth;
        }
    }
    return tokens;
}

// The "<" that opens the argument list closed by the ">" at `close`, or -1. With
// `withinBrackets`, the search stops at a bracket, so that a text of many ">(" is not walked
// back again for each of them.
qsizetype ArgumentListStart(const Tokens& tokens, qsizetype close, bool withinBrackets) {
    qsizetype depth = 0;
    for (qsizetype i = close; i >= 0; --i) {
        if (tokens[i].IsSymbol(u">")) {
            ++depth;
        } else if (tokens[i].IsSymbol(u"<") && --depth == 0) {
            return i;
        } else if (withinBrackets && (tokens[i].IsSymbol(u"(") || tokens[i].IsSymbol(u")") ||
                                      tokens[i].IsSymbol(u";"))) {
            return -1;
        }
    }
    return -1;
}

// Walks back from the last token of a name over "~", template arguments and "Outer::" parts.
qsizetype NameStart(const Tokens& tokens, qsizetype last) {
    qsizetype start = last;
    while (true) {
        if (start > 0 && tokens[start - 1].IsSymbol(u"~")) {
            --start;
        }
        if (start < 2 || !tokens[start - 1].IsSymbol(u"::")) {
            return start;
        }
        qsizetype qualifier = start - 2;
        if (tokens[qualifier].IsSymbol(u">")) {
            const qsizetype open = ArgumentListStart(tokens, qualifier, false);
            if (open <= 0) {
                return start;
            }
            qualifier = open - 1;
        }
        if (!tokens[qualifier].IsWord()) {
            return start;
        }
        start = qualifier;
    }
}

struct NamePosition {
    qsizetype Start = -1;     // first token of the name
    qsizetype Open = -1;      // "(" of the parameter list
    qsizetype GroupDepth = 0; // declarator groups around the name
};

NamePosition FindName(const Tokens& tokens) {
    QList<QChar> open;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const DeclarationToken& token = tokens[i];
        const bool inTemplate = !open.isEmpty() && open.back() == u'<';
        if (token.IsWord(u"operator") && !inTemplate) {
            qsizetype j = i + 1;
            if (j + 1 < tokens.size() && tokens[j].IsSymbol(u"(") && tokens[j + 1].IsSymbol(u")")) {
                j += 2;
            }
            while (j < tokens.size() && !tokens[j].IsSymbol(u"(")) {
                ++j;
            }
            if (j == tokens.size()) {
                break;
            }
            return {NameStart(tokens, i), j, open.count(u'(')};
        }
        if (token.IsSymbol(u"<") && TokenTools::OpensAngle(tokens, i)) {
            open.append(u'<');
        } else if (token.IsSymbol(u">") && inTemplate) {
            open.removeLast();
        } else if (token.IsSymbol(u"(") && !inTemplate) {
            const DeclarationToken* previous = i > 0 ? &tokens[i - 1] : nullptr;
            if (!TokenTools::OpensPointerGroup(tokens, i) && previous != nullptr) {
                // An explicit specialisation names its arguments: swap<Foo>(Foo& a, Foo& b).
                const qsizetype nameEnd =
                    previous->IsSymbol(u">") ? ArgumentListStart(tokens, i - 1, true) - 1 : i - 1;
                const DeclarationToken* last = nameEnd >= 0 ? &tokens[nameEnd] : nullptr;
                if (last != nullptr && last->IsWord() && !NonNameWords().contains(last->Text) &&
                    !IsTypeKeyword(*last)) {
                    return {NameStart(tokens, nameEnd), i, open.count(u'(')};
                }
            }
            open.append(u'(');
        } else if (token.IsSymbol(u"[") || token.IsSymbol(u"{")) {
            open.append(token.Text.front());
        } else if (token.IsSymbol(u")") || token.IsSymbol(u"]") || token.IsSymbol(u"}")) {
            while (!open.isEmpty() && open.back() == u'<') {
                open.removeLast();
            }
            if (!open.isEmpty()) {
                open.removeLast();
            }
        }
    }
    return {};
}

// The end of a requires-clause at the start ("requires std::integral<T> && Small<T>"): its
// constraints are names with their argument lists, or bracketed expressions, joined by && or ||.
qsizetype RequiresClauseEnd(const Tokens& tokens) {
    qsizetype at = 1;
    while (at < tokens.size()) {
        if (tokens[at].IsSymbol(u"(")) {
            at = TokenTools::MatchingClose(tokens, at, true) + 1;
        } else {
            while (at + 1 < tokens.size() && tokens[at].IsWord() &&
                   tokens[at + 1].IsSymbol(u"::")) {
                at += 2;
            }
            if (at < tokens.size() && tokens[at].IsWord()) {
                ++at;
            }
            if (at < tokens.size() && tokens[at].IsSymbol(u"<")) {
                at = TokenTools::MatchingClose(tokens, at, true) + 1;
            }
        }
        if (at <= 0) {
            throw InputError(QStringLiteral("the declaration has an unclosed requires-clause"));
        }
        if (at < tokens.size() && (tokens[at].IsSymbol(u"&&") || tokens[at].IsSymbol(u"||"))) {
            ++at;
        } else {
            break;
        }
    }
    return std::min(at, tokens.size());
}

// A function-like macro in front of the declaration, such as PyAPI_FUNC(PyObject *) or
// _Success_(return != 0): a word and its bracket at the start, with the function's own name and
// "(" still to come. The index of the macro's ")", or -1.
qsizetype LeadingMacroEnd(const Tokens& tokens) {
    if (tokens.size() < 2 || !tokens[0].IsWord() || !tokens[1].IsSymbol(u"(") ||
        IsTypeKeyword(tokens[0]) || NonNameWords().contains(tokens[0].Text) ||
        tokens[0].IsWord(u"operator")) {
        return -1;
    }
    const qsizetype close = TokenTools::MatchingClose(tokens, 1, true);
    if (close < 0) {
        return -1;
    }
    for (qsizetype i = close + 1; i < tokens.size(); ++i) {
        const DeclarationToken& token = tokens[i];
        if (token.IsSymbol(u";") || token.IsSymbol(u"{") || token.IsSymbol(u":") ||
            token.IsSymbol(u"->") || token.IsSymbol(u"=")) {
            return -1;
        }
        const DeclarationToken& previous = tokens[i - 1];
        if (i > close + 1 && token.IsSymbol(u"(") && previous.IsWord() &&
            !IsTypeKeyword(previous) && !NonNameWords().contains(previous.Text)) {
            return close;
        }
    }
    return -1;
}

CommentParameter ReadParameter(const Tokens& tokens, qsizetype number) {
    const QList<Tokens> pieces = TokenTools::SplitTopLevel(tokens, u"=", true);
    Tokens declarator = pieces.value(0);
    CommentParameter parameter;
    parameter.Optional = pieces.size() > 1 ? QStringLiteral("Yes") : QStringLiteral("No");
    if (declarator.isEmpty()) {
        throw InputError(QStringLiteral("cannot read parameter %1 of the declaration").arg(number));
    }
    if (declarator.size() == 1 && declarator[0].IsSymbol(u"...")) {
        parameter.Name = QStringLiteral("...");
        return parameter;
    }

    // A pointer to a function or an array: the name sits inside the first declarator group.
    for (qsizetype i = 0; i < declarator.size(); ++i) {
        if (!declarator[i].IsSymbol(u"(") || !TokenTools::OpensPointerGroup(declarator, i)) {
            continue;
        }
        const qsizetype close = TokenTools::MatchingClose(declarator, i, true);
        for (qsizetype k = i + 1; k < close; ++k) {
            const bool afterMark =
                TokenTools::IsPointerMark(declarator[k - 1]) || declarator[k - 1].IsSymbol(u"(") ||
                declarator[k - 1].IsWord(u"const") || declarator[k - 1].IsWord(u"volatile");
            if (declarator[k].IsWord() && afterMark && !IsTypeKeyword(declarator[k]) &&
                !(k + 1 < declarator.size() && declarator[k + 1].IsSymbol(u"::"))) {
                parameter.Name = declarator[k].Text;
                declarator.removeAt(k);
                break;
            }
        }
        parameter.Type = TokenTools::Spell(declarator, Syntax);
        return parameter;
    }

    // Otherwise the name is the last word, followed at most by array bounds.
    qsizetype arrays = declarator.size();
    while (arrays > 0 && declarator[arrays - 1].IsSymbol(u"]")) {
        qsizetype k = arrays - 1;
        qsizetype depth = 0;
        for (; k >= 0; --k) {
            if (declarator[k].IsSymbol(u"]")) {
                ++depth;
            } else if (declarator[k].IsSymbol(u"[") && --depth == 0) {
                break;
            }
        }
        if (k < 0) {
            break;
        }
        arrays = k;
    }
    const qsizetype last = arrays - 1;
    bool named = last > 0 && declarator[last].IsWord() && !IsTypeKeyword(declarator[last]);
    if (named) {
        const DeclarationToken& before = declarator[last - 1];
        named = !before.IsSymbol(u"::") && !before.IsWord(u"struct") && !before.IsWord(u"class") &&
                !before.IsWord(u"union") && !before.IsWord(u"enum") && !before.IsWord(u"typename");
        bool typeBefore = false;
        for (qsizetype k = 0; k < last; ++k) {
            typeBefore = typeBefore ||
                         !(declarator[k].IsWord(u"const") || declarator[k].IsWord(u"volatile"));
        }
        named = named && typeBefore;
    }
    if (!named) {
        parameter.Type = TokenTools::Spell(declarator, Syntax);
        return parameter;
    }
    parameter.Name = declarator[last].Text;
    parameter.Type = TokenTools::Spell(declarator.first(last), Syntax) +
                     TokenTools::Spell(declarator.sliced(arrays), Syntax);
    return parameter;
}

QList<CommentParameter> ReadParameters(const Tokens& tokens) {
    QList<CommentParameter> parameters;
    const QList<Tokens> parts = TokenTools::SplitTopLevel(tokens, u",", true);
    if (parts.size() == 1 && parts[0].size() == 1 && parts[0][0].IsWord(u"void")) {
        return parameters;
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        parameters.append(ReadParameter(parts[i], i + 1));
    }
    return parameters;
}

// The tokens after the parameter list that still belong to the declarator of a name inside
// groups: "void (*signal(int, void (*)(int)))(int)" returns "void (*)(int)".
qsizetype DeclaratorEnd(const Tokens& tokens, qsizetype from, qsizetype groups) {
    qsizetype k = from;
    while (k < tokens.size()) {
        const DeclarationToken& token = tokens[k];
        if (groups > 0 && token.IsSymbol(u")")) {
            --groups;
            ++k;
        } else if (token.IsSymbol(u"(") || token.IsSymbol(u"[")) {
            if (groups == 0 && token.IsSymbol(u"(") && k == from) {
                break;
            }
            const qsizetype close = TokenTools::MatchingClose(tokens, k, true);
            if (close < 0) {
                throw InputError(QStringLiteral("the declaration has unbalanced parentheses"));
            }
            k = close + 1;
        } else if (groups > 0) {
            ++k;
        } else {
            break;
        }
    }
    return k;
}

Tokens TrailingReturnType(const Tokens& tokens, qsizetype from) {
    for (qsizetype i = from; i < tokens.size(); ++i) {
        if (!tokens[i].IsSymbol(u"->")) {
            continue;
        }
        Tokens type;
        for (qsizetype k = i + 1; k < tokens.size(); ++k) {
            const DeclarationToken& token = tokens[k];
            if (token.IsSymbol(u"=") || token.IsWord(u"override") || token.IsWord(u"final") ||
                token.IsWord(u"requires") || token.IsWord(u"try")) {
                break;
            }
            type.append(token);
        }
        return type;
    }
    return {};
}

} // namespace

ParsedDeclaration CDeclarationParser::Parse(QStringView text) {
    Tokens tokens =
        FirstDeclaration(WithoutAttributes(DeclarationLexer::Tokenize(text, DeclarationSyntax::C)));
    ParsedDeclaration declaration;

    bool accessLabel = false;
    while (!tokens.isEmpty()) {
        const bool accessWord = tokens[0].IsWord(u"public") || tokens[0].IsWord(u"private") ||
                                tokens[0].IsWord(u"protected");
        // Where a label's ":" stands: "public:", "private slots:", "signals:".
        qsizetype colon = -1;
        if (accessWord) {
            colon = tokens.size() >= 2 && IsQtSectionWord(tokens[1]) ? 2 : 1;
        } else if (IsQtSectionWord(tokens[0])) {
            colon = 1;
        }
        if (colon > 0 && tokens.size() > colon && tokens[colon].IsSymbol(u":")) {
            if (accessWord) {
                declaration.Access = tokens[0].IsWord(u"public")    ? AccessLevel::Public
                                     : tokens[0].IsWord(u"private") ? AccessLevel::Private
                                                                    : AccessLevel::Protected;
                accessLabel = true;
            }
            tokens.remove(0, colon + 1);
        } else if (tokens.size() >= 2 && tokens[0].IsWord(u"template") &&
                   tokens[1].IsSymbol(u"<")) {
            const qsizetype close = TokenTools::MatchingClose(tokens, 1, true);
            if (close < 0) {
                throw InputError(QStringLiteral("the declaration has an unclosed template list"));
            }
            tokens.remove(0, close + 1);
        } else if (tokens[0].IsWord(u"requires")) {
            tokens.remove(0, RequiresClauseEnd(tokens));
        } else {
            break;
        }
    }

    // The macro's argument is often the return type: PyAPI_FUNC(PyObject *) PyList_New(...).
    Tokens macroArgument;
    if (const qsizetype macroEnd = LeadingMacroEnd(tokens); macroEnd > 0) {
        macroArgument = TokenTools::Slice(tokens, 2, macroEnd);
        tokens.remove(0, macroEnd + 1);
    }

    const NamePosition name = FindName(tokens);
    if (name.Open < 0 || name.Start < 0) {
        throw InputError(
            QStringLiteral("cannot read the C/C++ declaration: no function name before \"(\""));
    }
    const qsizetype close = TokenTools::MatchingClose(tokens, name.Open, true);
    if (close < 0) {
        throw InputError(QStringLiteral("the declaration has unbalanced parentheses"));
    }
    const Tokens nameTokens = TokenTools::Slice(tokens, name.Start, name.Open);
    declaration.Name = TokenTools::Spell(nameTokens, Syntax);
    declaration.Parameters = ReadParameters(TokenTools::Slice(tokens, name.Open + 1, close));

    const qsizetype declaratorEnd = DeclaratorEnd(tokens, close + 1, name.GroupDepth);
    Tokens returnTokens =
        tokens.first(name.Start) + TokenTools::Slice(tokens, close + 1, declaratorEnd);
    bool fileScope = false;
    returnTokens.removeIf([&fileScope](const DeclarationToken& token) {
        if (token.IsWord(u"static")) {
            fileScope = true;
        }
        return token.Kind == DeclarationToken::Type::Text || IsDroppedSpecifier(token);
    });
    QString returns = TokenTools::Spell(returnTokens, Syntax);
    if (returns.isEmpty() && !macroArgument.isEmpty()) {
        returns = TokenTools::Spell(macroArgument, Syntax);
    }
    const Tokens trailing = TrailingReturnType(tokens, declaratorEnd);
    if (!trailing.isEmpty() && (returns.isEmpty() || returns == u"auto")) {
        returns = TokenTools::Spell(trailing, Syntax);
    }
    // A conversion operator returns the type it names: operator bool().
    qsizetype operatorAt = -1;
    for (qsizetype i = 0; i < nameTokens.size() && operatorAt < 0; ++i) {
        operatorAt = nameTokens[i].IsWord(u"operator") ? i : -1;
    }
    if (returns.isEmpty() && operatorAt >= 0 && operatorAt + 1 < nameTokens.size() &&
        nameTokens[operatorAt + 1].IsWord() && !nameTokens[operatorAt + 1].IsWord(u"new") &&
        !nameTokens[operatorAt + 1].IsWord(u"delete")) {
        returns = TokenTools::Spell(nameTokens.sliced(operatorAt + 1), Syntax);
    }

    if (returns.isEmpty() || returns == u"void") {
        declaration.Kind = ProcedureKind::Sub;
    } else {
        declaration.Kind = ProcedureKind::Function;
        declaration.Returns = returns;
    }
    if (!accessLabel && fileScope && !declaration.Name.contains(u"::")) {
        declaration.Access = AccessLevel::Private;
    }
    return declaration;
}

} // namespace quillmark::cli
