#pragma once

#include "settings/FileIdentity.h"
#include "settings/ProfileDocument.h"

#include <QHash>
#include <QString>
#include <memory>
#include <mutex>

namespace quillmark {

// Parsed profile files kept between reads, each with the identity of the version it was read
// from: an unchanged file is not read again, and a file replaced or edited by another process is
// read afresh on the next lookup.
class ProfileCache {
public:
    static ProfileCache& Instance();

    // The file's current content; an empty document for a missing or unreadable file.
    std::shared_ptr<const ProfileDocument> Get(const QString& path);
    void Forget(const QString& path);

private:
    struct Cached {
        FileIdentity Identity;
        std::shared_ptr<const ProfileDocument> Document;
    };
    static constexpr qsizetype MaxFiles = 16;

    std::mutex mutex_;
    QHash<QString, Cached> files_;
};

} // namespace quillmark
