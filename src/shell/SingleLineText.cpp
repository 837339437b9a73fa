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

bool NeedsChange(QChar c) {
    return IsLineBreak(c) || c.isNull();
}

// A validator may rewrite what the box is given, typed or pasted, and the box takes the result.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
    if (std::none_of(input.cbegin(), input.cend(), NeedsChange)) {
        return Acceptable;
    }
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    bool blankPending = false;      // a run of breaks after kept text, not yet followed by more
    bool blankBeforeCursor = false; // that run began before the cursor
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.isNull()) {
            continue;
        }
        if (IsLineBreak(c)) {
            if (!blankPending && !kept.isEmpty()) {
                blankPending = true;
                blankBeforeCursor = i < pos;
            }
            continue;
        }
        if (blankPending) {
            kept += u' ';
            keptBeforeCursor += blankBeforeCursor ? 1 : 0;
            blankPending = false;
        }
        keptBeforeCursor += i < pos ? 1 : 0;
        kept += c;
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
