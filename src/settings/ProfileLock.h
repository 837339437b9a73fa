#pragma once

#include <QString>
#include <memory>

namespace quillmark {

// Holds a profile file's cross-process lock (a lock file beside it) for a sequence of reads and
// writes, such as reading a count and then writing two keys under it. Profile calls made while a
// lock is held by this process do not lock again. Moving is allowed; copying is not.
class ProfileLock {
public:
    // Waits for the lock; IsLocked() tells whether it was obtained (an unwritable folder cannot
    // hold a lock file).
    explicit ProfileLock(const QString& profilePath);
    ~ProfileLock();
    ProfileLock(ProfileLock&&) noexcept;
    ProfileLock& operator=(ProfileLock&&) noexcept;

    bool IsLocked() const;
    QString ErrorString() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace quillmark
