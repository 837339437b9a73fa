#pragma once

#include <QString>

namespace quillmark {

// Where profile files live: a name without a folder goes to the per-user profile folder
// ($XDG_CONFIG_HOME/quillmark, by default ~/.config/quillmark); a path with a folder is used as
// given.
class ProfileLocation {
public:
    static QString DefaultFolder();
    // Empty for an empty name.
    static QString Resolve(const QString& fileName);
    // Makes the default folder when the file lives there (it is created by the first write).
    static void PrepareFolderFor(const QString& path);
    // Why a file could not be written in its folder; empty when nothing stands in the way. A
    // folder or file whose write permissions are all cleared counts as read-only, even for the
    // superuser.
    static QString WriteObstacle(const QString& path);
};

} // namespace quillmark
