#pragma once

class QEvent;
class QLineEdit;
class QPlainTextEdit;

namespace quillmark {

// Selects a text box's whole text as it receives the focus, so typing replaces it; an empty box
// keeps its caret at the start.
void SelectAllText(QLineEdit& textBox);
void SelectAllText(QPlainTextEdit& textBox);

// True for a focus-in that brings the focus to a text box from another control. False for any
// other event, and for the focus a box gets back when its window is activated again (after
// another application or a dialog) or a popup menu closes: the box never lost it as far as the
// user is concerned, so its selection stays as it was rather than being replaced by the next key.
bool EntersTextBox(const QEvent& event);

} // namespace quillmark
