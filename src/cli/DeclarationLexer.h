#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace quillmark::cli {

enum class DeclarationSyntax { VisualBasic, C, Delphi };

struct DeclarationToken {
    enum class Type { Word, Number, Text, Symbol, LineEnd };

    Type Kind = Type::Symbol;
    QString Text;

    bool IsSymbol(QStringView symbol) const { return Kind == Type::Symbol && Text == symbol; }
    bool IsWord() const { return Kind == Type::Word; }
    // Visual Basic and Delphi keywords ignore letter case; C's do not.
    bool IsWord(QStringView word, Qt::CaseSensitivity cs = Qt::CaseSensitive) const {
        return Kind == Type::Word && Text.compare(word, cs) == 0;
    }
};

using DeclarationTokens = QList<DeclarationToken>;

// Splits one declaration into words, numbers, quoted texts and symbols, dropping blanks and
// comments. Visual Basic keeps its line ends as tokens (a statement ends there) and joins lines
// continued with " _"; the C family also drops preprocessor lines.
class DeclarationLexer {
public:
    static DeclarationTokens Tokenize(QStringView text, DeclarationSyntax syntax);
};

} // namespace quillmark::cli
