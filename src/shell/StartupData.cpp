#include "shell/StartupData.h"

#include "settings/ProfileCache.h"

namespace quillmark {

StartupData ReadStartupData() {
    StartupData data;
    data.Settings = SettingsLayout::LoadGlobalSettings();
    data.Catalogues = ParamTypeCatalogueStore::Load();
    // The parsed file is not needed again until the user changes a setting; a large one would
    // otherwise stay in memory for the whole run.
    ProfileCache::Instance().Clear();
    return data;
}

StartupReader::StartupReader() : reading_(std::async(std::launch::async, &ReadStartupData)) {}

StartupData StartupReader::Take() {
    return reading_.get();
}

} // namespace quillmark
