#include "cli/DeclarationReader.h"

#include "cli/CDeclarationParser.h"
#include "cli/DelphiDeclarationParser.h"
#include "cli/VbDeclarationParser.h"

#include <QRegularExpression>

namespace quillmark::cli {

DevelopmentLanguage DeclarationReader::GuessSyntax(QStringView text) {
    // Keywords count only where the declaration starts: further on they may stand in a comment
    // ("called by the destructor") or a type ("std::function<void()>"), and a search from every
    // place in the text would take time growing with its square.
    static const QRegularExpression pascal(
        QStringLiteral(R"(^(?>\s|//[^\n]*|\{[^}]*\}|\(\*.*?\*\))*)" // blanks and comments first
                       R"((\w+\s*=\s*(reference\s+to\s+)?(procedure|function)\b|)"
                       R"(((class|strict|private|protected|public|published)\s+)*)"
                       R"((procedure|constructor|destructor)\b|)"
                       R"(((class|strict|private|protected|public|published)\s+)*)"
                       R"(function\b[^(]*(\(.*\))?\s*:))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression basic(
        QStringLiteral(R"(^\s*((public|private|friend|protected|static|declare)\s+)*)"
                       R"((sub|function|property)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    if (pascal.match(text).hasMatch()) {
        return DevelopmentLanguage::Delphi;
    }
    if (basic.match(text).hasMatch()) {
        return DevelopmentLanguage::VB;
    }
    return DevelopmentLanguage::VC;
}

ParsedDeclaration DeclarationReader::Read(DevelopmentLanguage language, QStringView text) {
    if (!IsKnownLanguage(language) || language == DevelopmentLanguage::Custom) {
        language = GuessSyntax(text);
    }
    switch (language) {
    case DevelopmentLanguage::VB:
        return VbDeclarationParser::Parse(text);
    case DevelopmentLanguage::Delphi:
        return DelphiDeclarationParser::Parse(text);
    case DevelopmentLanguage::VC:
    case DevelopmentLanguage::Custom:
        break;
    }
    return CDeclarationParser::Parse(text);
}

} // namespace quillmark::cli
