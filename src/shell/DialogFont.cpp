#include "shell/DialogFont.h"

namespace quillmark {

QFont DialogFont(QFont desktopFont) {
    desktopFont.setPointSizeF(8.0);
    desktopFont.setStretch(QFont::SemiCondensed);
    return desktopFont;
}

} // namespace quillmark
