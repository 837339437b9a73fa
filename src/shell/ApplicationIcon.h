#pragma once

#include <QIcon>

namespace quillmark {

// The application's own icon, in the sizes a window shows (16 to 64 pixels); launchers take the
// larger ones from the installed icon theme.
QIcon ApplicationIcon();

} // namespace quillmark
