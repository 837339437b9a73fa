#include "settings/FileIdentity.h"

#include <QFile>
#include <sys/stat.h>

namespace quillmark {

namespace {

// Qt reports neither the inode nor nanosecond times, which tell two quick writes apart.
FileIdentity FromStat(const struct stat& info) {
    FileIdentity identity;
    identity.Exists = true;
    identity.Device = static_cast<std::uint64_t>(info.st_dev);
    identity.Inode = static_cast<std::uint64_t>(info.st_ino);
    identity.Size = static_cast<std::int64_t>(info.st_size);
    identity.ModifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    identity.ChangedNs =
        static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
    return identity;
}

} // namespace

FileIdentity FileIdentity::OfPath(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return FromStat(info);
}

FileIdentity FileIdentity::OfOpenFile(int descriptor) {
    struct stat info {};
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0) {
        return {};
    }
    return FromStat(info);
}

} // namespace quillmark
