#pragma once

#include "settings/ProfileDocument.h"
#include "settings/ProfileEdit.h"

#include <QList>

namespace quillmark {

struct ProfileEditResult {
    QByteArray Bytes;
    QString Error; // empty on success; then Bytes holds the edited file
};

// Edits a profile file's text the way the Windows profile service does, touching only the lines it
// must: a key's value is replaced on its own line, a new key goes after the last entry of its
// section, a new section goes at the end. Every other byte stays as it was.
class ProfileWriter {
public:
    // All edits or none: an edit that would break the file's structure refuses the whole list.
    static ProfileEditResult Apply(const QByteArray& bytes, const QList<ProfileEdit>& edits);
    static QString Check(const ProfileEdit& edit);

private:
    static QByteArray ApplyOne(const ProfileDocument& document, const ProfileEdit& edit);
};

} // namespace quillmark
