#pragma once

#include "settings/SettingsLayout.h"

class QWidget;

namespace quillmark {

class ParamListModel;

// The toolbar's Options command: fills a fresh options dialog from the settings, shows it
// modally (OK stores and applies, Cancel changes nothing), then applies the parameter list's
// column rule for the language now in force.
class OptionsCommand {
public:
    static void Run(QWidget* parent, GlobalSettings& settings, ParamListModel& list);
};

} // namespace quillmark
