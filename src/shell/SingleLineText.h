#pragma once

class QComboBox;
class QLineEdit;

namespace quillmark {

// Keeps a one-line text box on one line. Text pasted with line breaks (a line copied from an
// editor often ends in one) would put a bare line end inside the comment block and could not be
// stored in the settings file. Breaks at either end are dropped; a run of them inside the text
// becomes one blank. NUL characters, which the file cannot hold either and which only a hand edit
// of it brings in, are dropped. Everything else stays exactly as typed.
void KeepOnOneLine(QLineEdit& textBox);
void KeepOnOneLine(QComboBox& comboBox);

} // namespace quillmark
