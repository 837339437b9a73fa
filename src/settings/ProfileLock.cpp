#include "settings/ProfileLock.h"

#include "settings/ProfileLocation.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <map>
#include <mutex>

namespace quillmark {

namespace {

// How long a write waits for another program that holds the file. Writers hold it for a few
// milliseconds, so running out of time means a stuck program; the write then fails, it does not
// hang.
constexpr int LockTimeoutMs = 5000;

// The locks this process holds, with how many ProfileLock objects share each: a profile call made
// while its caller holds the lock does not lock again.
struct HeldLock {
    std::unique_ptr<QLockFile> File;
    int Count = 0;
};

std::mutex& HeldLocksMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<QString, HeldLock>& HeldLocks() {
    static std::map<QString, HeldLock> locks;
    return locks;
}

QString LockErrorText(QLockFile::LockError error, const QString& lockPath) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("The settings file is in use by another program (lock file %1)")
            .arg(lockPath);
    case QLockFile::PermissionError:
        return QStringLiteral("Cannot create the lock file %1: permission denied").arg(lockPath);
    default:
        return QStringLiteral("Cannot create the lock file %1").arg(lockPath);
    }
}

// A writer killed between creating its lock file and writing its process id into it leaves a
// lock file nobody can identify, which QLockFile would only call stale after its 30-second
// default. Writers fill the file within microseconds, so one still unreadable after this long is
// abandoned.
constexpr int UnreadableLockStaleMs = 1000;

bool IsAbandonedUnreadableLock(const QLockFile& file, const QString& lockPath) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (file.getLockInfo(&pid, &host, &application)) {
        return false;
    }
    const QDateTime modified = QFileInfo(lockPath).lastModified();
    return modified.isValid() &&
           modified.msecsTo(QDateTime::currentDateTime()) > UnreadableLockStaleMs;
}

// QLockFile's own waiting doubles its pause up to seconds; short pauses keep quick writers
// flowing.
bool WaitForLock(QLockFile& file, const QString& lockPath) {
    const int defaultStaleMs = file.staleLockTime();
    QDeadlineTimer deadline(LockTimeoutMs);
    unsigned long pauseMs = 2;
    while (!file.tryLock(0)) {
        if (file.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            return false;
        }
        // Let QLockFile's own guarded removal clear an abandoned file on the next attempt.
        file.setStaleLockTime(IsAbandonedUnreadableLock(file, lockPath) ? UnreadableLockStaleMs
                                                                        : defaultStaleMs);
        QThread::msleep(pauseMs);
        pauseMs = std::min<unsigned long>(pauseMs * 2, 50);
    }
    file.setStaleLockTime(defaultStaleMs);
    return true;
}

} // namespace

struct ProfileLock::State {
    QString LockPath;
    bool Locked = false;
    QString Error;
};

ProfileLock::ProfileLock(const QString& profilePath) : state_(std::make_unique<State>()) {
    if (profilePath.isEmpty()) {
        state_->Error = QStringLiteral("No settings file is named");
        return;
    }
    state_->LockPath = QFileInfo(profilePath).absoluteFilePath() + QStringLiteral(".lock");

    std::lock_guard guard(HeldLocksMutex());
    auto& locks = HeldLocks();
    if (auto held = locks.find(state_->LockPath); held != locks.end()) {
        ++held->second.Count;
        state_->Locked = true;
        return;
    }
    ProfileLocation::PrepareFolderFor(profilePath);
    if (QString obstacle = ProfileLocation::WriteObstacle(state_->LockPath); !obstacle.isEmpty()) {
        state_->Error = obstacle;
        return;
    }
    auto file = std::make_unique<QLockFile>(state_->LockPath);
    if (!WaitForLock(*file, state_->LockPath)) {
        state_->Error = LockErrorText(file->error(), state_->LockPath);
        return;
    }
    locks.emplace(state_->LockPath, HeldLock{std::move(file), 1});
    state_->Locked = true;
}

ProfileLock::~ProfileLock() {
    if (!state_ || !state_->Locked) {
        return;
    }
    std::lock_guard guard(HeldLocksMutex());
    auto& locks = HeldLocks();
    auto held = locks.find(state_->LockPath);
    if (held != locks.end() && --held->second.Count == 0) {
        locks.erase(held); // QLockFile unlocks as it goes
    }
}

ProfileLock::ProfileLock(ProfileLock&&) noexcept = default;
ProfileLock& ProfileLock::operator=(ProfileLock&& other) noexcept {
    if (this != &other) {
        ProfileLock released(std::move(*this));
        state_ = std::move(other.state_);
    }
    return *this;
}

bool ProfileLock::IsLocked() const {
    return state_ && state_->Locked;
}

QString ProfileLock::ErrorString() const {
    return state_ ? state_->Error : QString();
}

} // namespace quillmark
