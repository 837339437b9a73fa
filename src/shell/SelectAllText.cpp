#include "shell/SelectAllText.h"

#include <QFocusEvent>
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

bool EntersTextBox(const QEvent& event) {
    if (event.type() != QEvent::FocusIn) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace quillmark
