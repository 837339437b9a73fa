#pragma once

#include <QString>

namespace quillmark {

// The product's name as the user sees it: the main window's title and every message box's. The
// application name set in main stays lower case, like the program and its desktop file.
inline QString ApplicationTitle() {
    return QStringLiteral("Quillmark");
}

} // namespace quillmark
