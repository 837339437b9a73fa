#pragma once

#include "params/ParamTypeCatalogue.h"
#include "settings/SettingsLayout.h"

#include <functional>
#include <future>

namespace quillmark {

// Type catalogues read on a worker thread once the window is up, or at the first Get(). The
// window needs them only when a type is listed or added, and a large catalogue would otherwise
// delay its first paint.
class PendingCatalogues {
public:
    PendingCatalogues() = default;
    explicit PendingCatalogues(ParamTypeCatalogues ready) : catalogues_(std::move(ready)) {}
    explicit PendingCatalogues(std::function<ParamTypeCatalogues()> read)
        : read_(std::move(read)) {}

    // Begins reading on a worker thread; does nothing once begun or when already read.
    void Start();
    // The catalogues; reads them now, or waits for the worker, the first time.
    ParamTypeCatalogues& Get();

private:
    std::function<ParamTypeCatalogues()> read_; // set until reading begins
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

// Reads the "General" keys on a worker thread while the toolkit and the window are being set up;
// Take() waits for them. The catalogues come as PendingCatalogues, read once the window is up.
// The settings store is thread-safe.
class StartupReader {
public:
    StartupReader();
    StartupData Take();

private:
    std::future<GlobalSettings> settings_;
};

} // namespace quillmark
