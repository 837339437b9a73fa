#pragma once

#include <QString>

namespace quillmark {

// The product's name as the user sees it: the main window's title and every message box's.
// (The application name stays lower case, as the settings folder is named after it.)
inline QString ApplicationTitle() {
    return QStringLiteral("Quillmark");
}

} // namespace quillmark
