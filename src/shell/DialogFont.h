#pragma once

#include <QFont>

namespace quillmark {

// The font every window of the application is drawn in: the desktop's family at 8 points,
// semi-condensed. The windows are laid out in twips for a narrow 8-point dialog font; the
// desktop's wider default would clip captions such as "Sub/Function Returns:".
QFont DialogFont(QFont desktopFont);

} // namespace quillmark
