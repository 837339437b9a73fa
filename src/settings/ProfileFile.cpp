#include "settings/ProfileFile.h"

#include "settings/ProfileCache.h"
#include "settings/ProfileLocation.h"
#include "settings/ProfileLock.h"
#include "settings/ProfileOpen.h"
#include "settings/ProfileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillmark {

namespace {

ProfileWriteResult Failure(const QString& error) {
    return {false, error};
}

} // namespace

// The lean readers read the file a piece at a time (not mapped: a file truncated in place by an
// editor would crash a reader of a mapping).
std::optional<ProfileSection> ProfileFile::ReadSection(const QString& path,
                                                       const QString& section) {
    QFile file(path);
    return OpenProfileToRead(file) ? ProfileParser::ParseSection(file, section) : std::nullopt;
}

void ProfileFile::VisitSections(const QString& path, const QStringList& sections,
                                const ProfileParser::KeyVisitor& visit) {
    QFile file(path);
    if (OpenProfileToRead(file)) {
        ProfileParser::VisitSections(file, sections, visit);
    }
}

std::shared_ptr<const ProfileDocument> ProfileFile::Read(const QString& path) {
    return ProfileCache::Instance().Get(path);
}

std::optional<QString> ProfileFile::Value(const QString& path, const QString& section,
                                          const QString& key) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return Read(path)->Value(section, key);
}

ProfileWriteResult ProfileFile::Write(const QString& path, const QList<ProfileEdit>& edits) {
    if (path.isEmpty()) {
        return Failure(QStringLiteral("No settings file is named"));
    }
    for (const ProfileEdit& edit : edits) {
        if (QString error = ProfileWriter::Check(edit); !error.isEmpty()) {
            return Failure(error);
        }
    }
    ProfileLocation::PrepareFolderFor(path);
    if (QString obstacle = ProfileLocation::WriteObstacle(path); !obstacle.isEmpty()) {
        return Failure(obstacle);
    }
    const ProfileLock lock(path);
    if (!lock.IsLocked()) {
        return Failure(lock.ErrorString());
    }

    // Read again under the lock: the cache may hold a version another writer has since replaced.
    QByteArray current;
    QFile existing(path);
    // Through a link to a file not made yet, there is nothing to read, and the save makes it.
    const bool exists = QFileInfo::exists(path);
    if (exists) {
        if (!existing.open(QIODevice::ReadOnly)) {
            return Failure(QStringLiteral("Cannot read %1: %2").arg(path, existing.errorString()));
        }
        current = existing.readAll();
        existing.close();
    }
    const ProfileEditResult edited = ProfileWriter::Apply(current, edits);
    if (!edited.Error.isEmpty()) {
        return Failure(edited.Error);
    }
    if (edited.Bytes == current && exists) {
        return {true, {}};
    }

    // QSaveFile writes a temporary file beside the target, flushes it to disk and renames it over
    // the target only when every byte was written.
    // The file is written unbuffered and flushed before the commit: QSaveFile renames even when
    // flushing its buffer on close hit a full disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failure(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    if (file.write(edited.Bytes) != edited.Bytes.size() || !file.flush() || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return Failure(QStringLiteral("Cannot write %1: %2").arg(path, error));
    }
    ProfileCache::Instance().Forget(path);
    return {true, {}};
}

} // namespace quillmark
