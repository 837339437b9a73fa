#pragma once

#include "settings/SettingsLayout.h"

#include <QByteArray>

namespace quillmark::cli {

// --list-languages: every language with its remark strings (Custom's from the settings) and
// which one the settings choose, as JSON for editor plug-ins.
class LanguageList {
public:
    static QByteArray Write(const GlobalSettings& settings);
};

} // namespace quillmark::cli
