#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace quillmark {

// Selects a text box's whole text as it receives the focus, so typing replaces it; an empty box
// keeps its caret at the start.
void SelectAllText(QLineEdit& textBox);
void SelectAllText(QPlainTextEdit& textBox);

} // namespace quillmark
