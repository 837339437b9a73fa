#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace quillmark {

// The image list's picture size, as drawn and as shown at 96 dpi.
inline constexpr QSize ToolbarPictureSize(36, 35);

// The toolbar's pictures by image key ("Exit", "Copy", "Options", "WebSite", "About", "Help"):
// the desktop theme's icon when it has one, otherwise a picture of the program's own (see
// ToolbarDrawings.h), so the toolbar never shows blank buttons. An unknown key gives a blank one.
QIcon ToolbarPicture(const QString& imageKey);
// The same, for screens whose highest device pixel ratio is `highestPixelRatio`.
QIcon ToolbarPicture(const QString& imageKey, qreal highestPixelRatio);

} // namespace quillmark
