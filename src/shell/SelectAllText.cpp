#include "shell/SelectAllText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace quillmark {

void SelectAllText(QLineEdit& textBox) {
    const auto length = static_cast<int>(textBox.text().size());
    if (length == 0) {
        textBox.setCursorPosition(0);
        return;
    }
    textBox.setSelection(0, length);
}

void SelectAllText(QPlainTextEdit& textBox) {
    QTextCursor cursor = textBox.textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    textBox.setTextCursor(cursor);
}

} // namespace quillmark
