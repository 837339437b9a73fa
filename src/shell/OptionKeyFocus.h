#pragma once

class QLineEdit;

namespace quillmark {

// Gives a text box the focus from an option button's click handler, its text selected. An arrow
// key moves through an option group by clicking the next option and only then giving that option
// the focus, so the box takes the focus back once that is done. The window's own focus child is
// asked: after a dialog the window may not be active again yet.
void GiveTheFocusFromAnOption(QLineEdit& textBox);

} // namespace quillmark
