#pragma once

#include "settings/SettingsLayout.h"

#include <QString>

namespace quillmark::cli {

// Reads the "General" settings from a settings file the user names (--settings FILE), as the
// window reads them from the user's own Quillmrk.ini.
class SettingsFileReader {
public:
    // Throws InputError when the named file does not exist or cannot be read: a file named on
    // purpose must not silently fall back to defaults.
    static GlobalSettings Load(const QString& path);
};

} // namespace quillmark::cli
