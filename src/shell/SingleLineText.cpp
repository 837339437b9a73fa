#include "shell/SingleLineText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace quillmark {

namespace {

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// A validator may rewrite what the box is given, typed or pasted, and the box takes the result.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
    if (std::none_of(input.cbegin(), input.cend(), IsLineBreak)) {
        return Acceptable;
    }
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    const qsizetype size = input.size();
    for (qsizetype i = 0; i < size;) {
        if (!IsLineBreak(input[i])) {
            keptBeforeCursor += i < pos ? 1 : 0;
            kept += input[i++];
            continue;
        }
        const qsizetype runStart = i;
        while (i < size && IsLineBreak(input[i])) {
            ++i;
        }
        if (runStart > 0 && i < size) {
            kept += u' ';
            keptBeforeCursor += runStart < pos ? 1 : 0;
        }
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

} // namespace

void KeepOnOneLine(QLineEdit& textBox) {
    textBox.setValidator(new SingleLineValidator(&textBox));
}

void KeepOnOneLine(QComboBox& comboBox) {
    comboBox.setValidator(new SingleLineValidator(&comboBox));
}

} // namespace quillmark
