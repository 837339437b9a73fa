#pragma once

#include "params/ParamTypeCatalogue.h"
#include "settings/SettingsLayout.h"

#include <future>

namespace quillmark {

// Type catalogues that may still be being read on a worker thread. The window needs them only when
// a type is listed or added, so it is shown without waiting for them; the first Get() waits.
class PendingCatalogues {
public:
    PendingCatalogues() = default;
    explicit PendingCatalogues(ParamTypeCatalogues ready) : catalogues_(std::move(ready)) {}
    explicit PendingCatalogues(std::future<ParamTypeCatalogues> reading)
        : reading_(std::move(reading)) {}

    ParamTypeCatalogues& Get();

private:
    std::future<ParamTypeCatalogues> reading_;
    ParamTypeCatalogues catalogues_;
};

// What start-up reads from the settings file: the "General" keys, then the four catalogues.
struct StartupData {
    GlobalSettings Settings;
    PendingCatalogues Catalogues;
};

// Both, read now.
StartupData ReadStartupData();

// Reads on a worker thread while the toolkit and the window are being set up: first the "General"
// keys, then the catalogues. Take() waits for the keys only; the catalogues come as they were in
// the file at start-up, whenever they are first needed. The settings store is thread-safe.
class StartupReader {
public:
    StartupReader();
    StartupData Take();

private:
    std::future<GlobalSettings> settings_;
    std::future<ParamTypeCatalogues> catalogues_;
};

} // namespace quillmark
