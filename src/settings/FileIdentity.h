#pragma once

#include <QString>
#include <cstdint>

namespace quillmark {

// What tells one version of a file from another without reading it: device, inode, size and the
// change times to the nanosecond. An atomic replace gives a new inode; an edit in place changes the
// size or the times.
struct FileIdentity {
    bool Exists = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    std::int64_t ChangedNs = 0;

    static FileIdentity OfPath(const QString& path);
    static FileIdentity OfOpenFile(int descriptor);

    bool operator==(const FileIdentity&) const = default;
};

} // namespace quillmark
