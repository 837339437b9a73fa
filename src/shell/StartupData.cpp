#include "shell/StartupData.h"

#include <QThread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quillmark {

namespace {

// Reading a large settings file leaves freed memory that the C library would otherwise keep for
// the whole run.
void ReleaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

ParamTypeCatalogues ReadInOrder(std::promise<GlobalSettings> settings) {
    try {
        settings.set_value(SettingsLayout::LoadGlobalSettings());
    } catch (...) {
        settings.set_exception(std::current_exception());
    }
    ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    ReleaseFreedMemory();
    return catalogues;
}

} // namespace

ParamTypeCatalogues& PendingCatalogues::Get() {
    if (reading_.valid()) {
        catalogues_ = reading_.get();
    }
    return catalogues_;
}

StartupData ReadStartupData() {
    StartupData data;
    data.Settings = SettingsLayout::LoadGlobalSettings();
    data.Catalogues = PendingCatalogues(ParamTypeCatalogueStore::Load());
    ReleaseFreedMemory();
    return data;
}

StartupReader::StartupReader() {
    // The toolkit takes the first thread that uses it for the main one: make sure that is this
    // one, not the reader (whose QFile would otherwise win the race).
    QThread::currentThread();
    std::promise<GlobalSettings> settings;
    settings_ = settings.get_future();
    catalogues_ = std::async(std::launch::async, &ReadInOrder, std::move(settings));
}

StartupData StartupReader::Take() {
    return {settings_.get(), PendingCatalogues(std::move(catalogues_))};
}

} // namespace quillmark
