#include "settings/ProfileCache.h"

#include "settings/ProfileOpen.h"
#include "settings/ProfileParser.h"

#include <QFile>
#include <QFileInfo>

namespace quillmark {

namespace {

std::shared_ptr<const ProfileDocument> EmptyDocument() {
    static const auto empty = std::make_shared<const ProfileDocument>();
    return empty;
}

QString CacheKey(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

ProfileCache& ProfileCache::Instance() {
    static ProfileCache cache;
    return cache;
}

std::shared_ptr<const ProfileDocument> ProfileCache::Get(const QString& path) {
    const QString key = CacheKey(path);
    const FileIdentity current = FileIdentity::OfPath(path);
    if (!current.Exists) {
        return EmptyDocument();
    }
    {
        std::lock_guard guard(mutex_);
        const auto found = files_.constFind(key);
        if (found != files_.cend() && found->Identity == current) {
            return found->Document;
        }
    }
    QFile file(path);
    if (!OpenProfileToRead(file)) {
        return EmptyDocument();
    }
    // The identity of the open file, not of the path: a replace between the two cannot pair old
    // bytes with a new identity.
    const FileIdentity opened = FileIdentity::OfOpenFile(file.handle());
    auto document = std::make_shared<const ProfileDocument>(ProfileParser::Parse(file.readAll()));
    std::lock_guard guard(mutex_);
    if (files_.size() >= MaxFiles && !files_.contains(key)) {
        files_.clear();
    }
    files_.insert(key, {opened, document});
    return document;
}

void ProfileCache::Forget(const QString& path) {
    std::lock_guard guard(mutex_);
    files_.remove(CacheKey(path));
}

} // namespace quillmark
