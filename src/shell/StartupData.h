#pragma once

#include "params/ParamTypeCatalogue.h"
#include "settings/SettingsLayout.h"

#include <future>

namespace quillmark {

// What start-up reads from the settings file: the "General" keys, then the four catalogues.
struct StartupData {
    GlobalSettings Settings;
    ParamTypeCatalogues Catalogues;
};

StartupData ReadStartupData();

// Starts ReadStartupData on a worker thread, so a large settings file is read while the toolkit
// and the window are being set up; Take() waits for it. The settings store is thread-safe, and
// nothing else touches it until Take() returns.
class StartupReader {
public:
    StartupReader();
    StartupData Take();

private:
    std::future<StartupData> reading_;
};

} // namespace quillmark
