#include "cli/VbDeclarationParser.h"

#include "cli/DeclarationLexer.h"
#include "cli/InputError.h"
#include "cli/TokenTools.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

using Tokens = DeclarationTokens;
constexpr auto Syntax = DeclarationSyntax::VisualBasic;
constexpr auto Ci = Qt::CaseInsensitive;

// Words before Sub/Function/Property that do not change the comment.
const QSet<QString>& IgnoredModifiers() {
    static const QSet<QString> words = {
        u"static"_s,       u"shared"_s,    u"overrides"_s, u"overridable"_s, u"notoverridable"_s,
        u"mustoverride"_s, u"overloads"_s, u"shadows"_s,   u"default"_s,     u"readonly"_s,
        u"writeonly"_s,    u"async"_s,     u"iterator"_s,  u"partial"_s,     u"declare"_s,
        u"ansi"_s,         u"unicode"_s,   u"auto"_s,      u"ptrsafe"_s,     u"friend"_s};
    return words;
}

// Type characters: Name$ is a String, Count% an Integer.
QString TypeOfSuffix(QChar suffix) {
    switch (suffix.unicode()) {
    case u'%':
        return u"Integer"_s;
    case u'&':
        return u"Long"_s;
    case u'!':
        return u"Single"_s;
    case u'#':
        return u"Double"_s;
    case u'@':
        return u"Currency"_s;
    case u'$':
        return u"String"_s;
    case u'^':
        return u"LongLong"_s;
    default:
        return {};
    }
}

// Splits a trailing type character off a name.
QString SplitTypeSuffix(QString& name) {
    if (name.size() > 1) {
        QString type = TypeOfSuffix(name.back());
        if (!type.isEmpty()) {
            name.chop(1);
            return type;
        }
    }
    return {};
}

// The first statement: a line end that is not continued ends the declaration.
Tokens FirstStatement(const Tokens& tokens) {
    Tokens statement;
    for (const DeclarationToken& token : tokens) {
        if (token.Kind == DeclarationToken::Type::LineEnd) {
            if (!statement.isEmpty()) {
                break;
            }
            continue;
        }
        if (token.IsSymbol(u":") && !statement.isEmpty()) {
            break; // "Sub Main(): End Sub"
        }
        statement.append(token);
    }
    return statement;
}

// "As [New] Type[()]" starting at `at`; returns the type and moves `at` past it. Stops at "=",
// and at Handles/Implements clauses.
QString ReadAsClause(const Tokens& tokens, qsizetype& at) {
    if (at >= tokens.size() || !tokens[at].IsWord(u"As", Ci)) {
        return {};
    }
    ++at;
    if (at < tokens.size() && tokens[at].IsWord(u"New", Ci)) {
        ++at;
    }
    Tokens type;
    while (at < tokens.size() && !tokens[at].IsSymbol(u"=") && !tokens[at].IsWord(u"Handles", Ci) &&
           !tokens[at].IsWord(u"Implements", Ci)) {
        if (tokens[at].IsSymbol(u"(")) {
            const qsizetype close = TokenTools::MatchingClose(tokens, at);
            if (close < 0) {
                throw InputError(u"the declaration has unbalanced parentheses"_s);
            }
            type += TokenTools::Slice(tokens, at, close + 1);
            at = close + 1;
            continue;
        }
        type.append(tokens[at++]);
    }
    return TokenTools::Spell(type, Syntax);
}

CommentParameter ReadParameter(const Tokens& tokens, qsizetype number) {
    CommentParameter parameter;
    parameter.Optional = u"No"_s;
    qsizetype at = 0;
    bool paramArray = false;
    while (at < tokens.size() && tokens[at].IsWord()) {
        if (tokens[at].IsWord(u"Optional", Ci)) {
            parameter.Optional = u"Yes"_s;
        } else if (tokens[at].IsWord(u"ParamArray", Ci)) {
            paramArray = true;
        } else if (!tokens[at].IsWord(u"ByVal", Ci) && !tokens[at].IsWord(u"ByRef", Ci)) {
            break;
        }
        ++at;
    }
    if (at >= tokens.size() || !tokens[at].IsWord()) {
        throw InputError(QStringLiteral("cannot read parameter %1 of the declaration").arg(number));
    }
    parameter.Name = tokens[at++].Text;
    QString type = SplitTypeSuffix(parameter.Name);
    bool array = false;
    if (at + 1 < tokens.size() && tokens[at].IsSymbol(u"(") && tokens[at + 1].IsSymbol(u")")) {
        array = true;
        at += 2;
    }
    const QString declared = ReadAsClause(tokens, at);
    if (!declared.isEmpty()) {
        type = declared;
    }
    if (at < tokens.size() && !tokens[at].IsSymbol(u"=")) {
        throw InputError(QStringLiteral("cannot read parameter %1 of the declaration: "
                                        "unexpected \"%2\"")
                             .arg(number)
                             .arg(tokens[at].Text));
    }
    if (type.isEmpty()) {
        type = u"Variant"_s;
    }
    if (array || paramArray) {
        if (!type.endsWith(u"()")) {
            type += u"()";
        }
    }
    if (paramArray) {
        parameter.Optional = u"Yes"_s; // the caller may pass none
    }
    parameter.Type = type;
    return parameter;
}

} // namespace

ParsedDeclaration VbDeclarationParser::Parse(QStringView text) {
    const Tokens tokens = FirstStatement(DeclarationLexer::Tokenize(text, Syntax));
    ParsedDeclaration declaration;
    qsizetype at = 0;
    bool isPrivate = false;
    bool isProtected = false;
    for (; at < tokens.size() && tokens[at].IsWord(); ++at) {
        const QString word = tokens[at].Text.toLower();
        if (word == u"public") {
            continue;
        }
        if (word == u"private") {
            isPrivate = true;
        } else if (word == u"protected") {
            isProtected = true;
        } else if (!IgnoredModifiers().contains(word)) {
            break;
        }
    }
    // "Protected Friend" is still Protected; "Private Protected" is narrower, so Private.
    declaration.Access = isPrivate     ? AccessLevel::Private
                         : isProtected ? AccessLevel::Protected
                                       : AccessLevel::Public;

    if (at >= tokens.size()) {
        throw InputError(u"cannot read the Visual Basic declaration: expected Sub, Function or "
                         u"Property"_s);
    }
    const DeclarationToken& keyword = tokens[at++];
    QString accessor;
    if (keyword.IsWord(u"Sub", Ci)) {
        declaration.Kind = ProcedureKind::Sub;
    } else if (keyword.IsWord(u"Function", Ci)) {
        declaration.Kind = ProcedureKind::Function;
    } else if (keyword.IsWord(u"Property", Ci)) {
        declaration.Kind = ProcedureKind::Property;
        if (at < tokens.size() && (tokens[at].IsWord(u"Get", Ci) || tokens[at].IsWord(u"Let", Ci) ||
                                   tokens[at].IsWord(u"Set", Ci))) {
            accessor = tokens[at++].Text;
        }
    } else {
        throw InputError(QStringLiteral("cannot read the Visual Basic declaration: expected Sub, "
                                        "Function or Property, found \"%1\"")
                             .arg(keyword.Text));
    }
    if (at >= tokens.size() || !tokens[at].IsWord()) {
        throw InputError(u"cannot read the Visual Basic declaration: the procedure has no name"_s);
    }
    QString name = tokens[at++].Text;
    QString returns = SplitTypeSuffix(name);
    declaration.Name = accessor.isEmpty() ? name : accessor + u' ' + name;

    // Declare Function X Lib "x" Alias "y" (...)
    while (at + 1 < tokens.size() &&
           (tokens[at].IsWord(u"Lib", Ci) || tokens[at].IsWord(u"Alias", Ci)) &&
           tokens[at + 1].Kind == DeclarationToken::Type::Text) {
        at += 2;
    }
    // A generic's type list: Function Find(Of T)(...)
    if (at + 1 < tokens.size() && tokens[at].IsSymbol(u"(") && tokens[at + 1].IsWord(u"Of", Ci)) {
        const qsizetype close = TokenTools::MatchingClose(tokens, at);
        if (close < 0) {
            throw InputError(u"the declaration has unbalanced parentheses"_s);
        }
        at = close + 1;
    }
    if (at < tokens.size() && tokens[at].IsSymbol(u"(")) {
        const qsizetype close = TokenTools::MatchingClose(tokens, at);
        if (close < 0) {
            throw InputError(u"the declaration has unbalanced parentheses"_s);
        }
        const QList<Tokens> parts =
            TokenTools::SplitTopLevel(TokenTools::Slice(tokens, at + 1, close), u",");
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QList<Tokens> pieces = TokenTools::SplitTopLevel(parts[i], u"=");
            CommentParameter parameter = ReadParameter(parts[i], i + 1);
            if (pieces.size() > 1 && parameter.Optional != u"Yes") {
                parameter.Optional = u"Yes"_s;
            }
            declaration.Parameters.append(parameter);
        }
        at = close + 1;
    }
    const QString declared = ReadAsClause(tokens, at);
    if (!declared.isEmpty()) {
        returns = declared;
    }
    const bool returnsValue =
        declaration.Kind == ProcedureKind::Function ||
        (declaration.Kind == ProcedureKind::Property && accessor.compare(u"Get", Ci) == 0) ||
        (declaration.Kind == ProcedureKind::Property && accessor.isEmpty());
    if (returnsValue) {
        declaration.Returns = returns.isEmpty() ? u"Variant"_s : returns;
    }
    return declaration;
}

} // namespace quillmark::cli
