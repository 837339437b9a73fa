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

ParamTypeCatalogues ReadCatalogues() {
    ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    ReleaseFreedMemory();
    return catalogues;
}

} // namespace

void PendingCatalogues::Start() {
    if (!read_) {
        return;
    }
    try {
        reading_ = std::async(std::launch::async, std::move(read_));
        read_ = nullptr;
    } catch (const std::system_error&) {
        // No thread to spare: Get() reads them itself.
    }
}

ParamTypeCatalogues& PendingCatalogues::Get() {
    if (read_) {
        catalogues_ = read_();
        read_ = nullptr;
    } else if (reading_.valid()) {
        catalogues_ = reading_.get();
    }
    return catalogues_;
}

StartupData ReadStartupData() {
    StartupData data;
    data.Settings = SettingsLayout::LoadGlobalSettings();
    data.Catalogues = PendingCatalogues(ReadCatalogues());
    return data;
}

StartupReader::StartupReader() {
    // The toolkit takes the first thread that uses it for the main one: make sure that is this
    // one, not the reader (whose QFile would otherwise win the race).
    QThread::currentThread();
    settings_ = std::async(std::launch::async, &SettingsLayout::LoadGlobalSettings);
}

StartupData StartupReader::Take() {
    return {settings_.get(), PendingCatalogues(&ReadCatalogues)};
}

} // namespace quillmark
