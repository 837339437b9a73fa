#pragma once

#include <QIcon>
#include <QString>

namespace quillmark {

// The toolbar's pictures by image key ("Exit", "Copy", "Options", "WebSite", "About", "Help"):
// the desktop theme's icon when it has one, otherwise a picture drawn here, so the toolbar never
// shows blank buttons.
QIcon ToolbarPicture(const QString& imageKey);

} // namespace quillmark
