#include "cli/DelphiDeclarationParser.h"

#include "cli/DeclarationLexer.h"
#include "cli/InputError.h"
#include "cli/TokenTools.h"

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

using Tokens = DeclarationTokens;
constexpr auto Syntax = DeclarationSyntax::Delphi;
constexpr auto Ci = Qt::CaseInsensitive;

bool IsRoutineWord(const DeclarationToken& token) {
    return token.IsWord(u"procedure", Ci) || token.IsWord(u"function", Ci) ||
           token.IsWord(u"constructor", Ci) || token.IsWord(u"destructor", Ci) ||
           token.IsWord(u"operator", Ci);
}

bool IsParameterModifier(const DeclarationToken& token) {
    return token.IsWord(u"const", Ci) || token.IsWord(u"var", Ci) || token.IsWord(u"out", Ci) ||
           token.IsWord(u"constref", Ci);
}

// Drops [Ref]-style attributes in front of parameters, before or after "const" and the like; a
// "[" after any other word opens an index ("array[0..9]").
Tokens WithoutAttributes(const Tokens& tokens) {
    Tokens result;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].IsSymbol(u"[") &&
            (i == 0 || !tokens[i - 1].IsWord() || IsParameterModifier(tokens[i - 1]))) {
            const qsizetype close = TokenTools::MatchingClose(tokens, i);
            if (close < 0) {
                throw InputError(u"the declaration has an unclosed attribute"_s);
            }
            i = close;
            continue;
        }
        result.append(tokens[i]);
    }
    return result;
}

// `firstNumber`: the number of the group's first parameter in the whole list, for messages.
void ReadParameterGroup(const Tokens& group, qsizetype firstNumber, QList<CommentParameter>& out) {
    qsizetype at = 0;
    while (at < group.size() && IsParameterModifier(group[at])) {
        ++at;
    }
    QStringList names;
    while (at < group.size() && group[at].IsWord()) {
        names.append(group[at++].Text);
        if (at < group.size() && group[at].IsSymbol(u",")) {
            ++at;
        } else {
            break;
        }
    }
    if (names.isEmpty()) {
        throw InputError(
            QStringLiteral("cannot read parameter %1 of the declaration").arg(firstNumber));
    }
    Tokens type;
    bool defaulted = false;
    if (at < group.size() && group[at].IsSymbol(u":")) {
        ++at;
        const QList<Tokens> pieces = TokenTools::SplitTopLevel(group.sliced(at), u"=", true);
        type = pieces.value(0);
        defaulted = pieces.size() > 1;
        at = group.size();
    } else if (at < group.size() && group[at].IsSymbol(u"=")) {
        defaulted = true; // an untyped parameter cannot have a default, but read on regardless
        at = group.size();
    }
    if (at < group.size()) {
        throw InputError(QStringLiteral("cannot read parameter %1 of the declaration: "
                                        "unexpected \"%2\"")
                             .arg(firstNumber)
                             .arg(group[at].Text));
    }
    const QString typeText = TokenTools::Spell(type, Syntax);
    for (const QString& name : names) {
        out.append({name, defaulted ? u"Yes"_s : u"No"_s, typeText, QString()});
    }
}

} // namespace

ParsedDeclaration DelphiDeclarationParser::Parse(QStringView text) {
    const Tokens tokens = WithoutAttributes(DeclarationLexer::Tokenize(text, Syntax));
    ParsedDeclaration declaration;
    qsizetype at = 0;
    for (; at < tokens.size(); ++at) {
        const DeclarationToken& token = tokens[at];
        if (token.IsWord(u"strict", Ci)) {
            continue;
        }
        if (token.IsWord(u"private", Ci)) {
            declaration.Access = AccessLevel::Private;
        } else if (token.IsWord(u"protected", Ci)) {
            declaration.Access = AccessLevel::Protected;
        } else if (token.IsWord(u"public", Ci) || token.IsWord(u"published", Ci)) {
            declaration.Access = AccessLevel::Public;
        } else if (!token.IsWord(u"class", Ci) && !token.IsWord(u"static", Ci)) {
            break;
        }
    }

    // Either "procedure Name(...)" or a procedural type "TName = procedure(...) of object".
    QString name;
    if (at + 2 < tokens.size() && tokens[at].IsWord() && tokens[at + 1].IsSymbol(u"=")) {
        name = tokens[at].Text;
        at += 2;
        if (at + 1 < tokens.size() && tokens[at].IsWord(u"reference", Ci) &&
            tokens[at + 1].IsWord(u"to", Ci)) {
            at += 2;
        }
    }
    if (at >= tokens.size() || !IsRoutineWord(tokens[at])) {
        throw InputError(u"cannot read the Delphi declaration: expected procedure, function, "
                         u"constructor or destructor"_s);
    }
    const bool function = tokens[at].IsWord(u"function", Ci) || tokens[at].IsWord(u"operator", Ci);
    ++at;
    if (name.isEmpty()) {
        Tokens nameTokens;
        while (at < tokens.size() && !tokens[at].IsSymbol(u"(") && !tokens[at].IsSymbol(u":") &&
               !tokens[at].IsSymbol(u";")) {
            if (tokens[at].IsSymbol(u"<")) {
                const qsizetype close = TokenTools::MatchingClose(tokens, at, true);
                if (close < 0) {
                    throw InputError(u"the declaration has an unclosed generic list"_s);
                }
                nameTokens += TokenTools::Slice(tokens, at, close + 1);
                at = close + 1;
                continue;
            }
            nameTokens.append(tokens[at++]);
        }
        name = TokenTools::Spell(nameTokens, Syntax);
        if (name.isEmpty()) {
            throw InputError(u"cannot read the Delphi declaration: the routine has no name"_s);
        }
    }
    declaration.Name = name;

    if (at < tokens.size() && tokens[at].IsSymbol(u"(")) {
        const qsizetype close = TokenTools::MatchingClose(tokens, at);
        if (close < 0) {
            throw InputError(u"the declaration has unbalanced parentheses"_s);
        }
        const QList<Tokens> groups =
            TokenTools::SplitTopLevel(TokenTools::Slice(tokens, at + 1, close), u";", true);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            if (groups[i].isEmpty() && i == groups.size() - 1 && i > 0) {
                continue; // a trailing ";" before ")"
            }
            ReadParameterGroup(groups[i], declaration.Parameters.size() + 1,
                               declaration.Parameters);
        }
        at = close + 1;
    }
    Tokens returns;
    if (at < tokens.size() && tokens[at].IsSymbol(u":")) {
        ++at;
        while (at < tokens.size() && !tokens[at].IsSymbol(u";") &&
               !(tokens[at].IsWord(u"of", Ci) && at + 1 < tokens.size() &&
                 tokens[at + 1].IsWord(u"object", Ci))) {
            returns.append(tokens[at++]);
        }
    }
    declaration.Kind = function ? ProcedureKind::Function : ProcedureKind::Sub;
    if (function) {
        declaration.Returns = TokenTools::Spell(returns, Syntax);
    }
    return declaration;
}

} // namespace quillmark::cli
