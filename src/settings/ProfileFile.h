#pragma once

#include "settings/ProfileDocument.h"
#include "settings/ProfileEdit.h"
#include "settings/ProfileParser.h"

#include <QList>
#include <QString>
#include <memory>

namespace quillmark {

struct ProfileWriteResult {
    bool Ok = false;
    QString Error; // why nothing was written; empty on success
};

// The profile file service: reads served from a cache that notices changes by other processes,
// and writes that never lose a byte. A write locks the file against other processes (a lock file
// beside it), reads it afresh, edits it and replaces it atomically, so a crash or a full disk
// leaves the old file whole and no other writer's change is lost.
class ProfileFile {
public:
    static std::shared_ptr<const ProfileDocument> Read(const QString& path);
    static std::optional<QString> Value(const QString& path, const QString& section,
                                        const QString& key);
    // Lean reads for start-up, from the file as it is now and without filling the cache: one
    // section (see ProfileParser::ParseSection), or the key lines of several sections visited
    // without keeping them (see ProfileParser::VisitSections). A missing or unreadable file reads
    // as empty.
    static std::optional<ProfileSection> ReadSection(const QString& path, const QString& section);
    static void VisitSections(const QString& path, const QStringList& sections,
                              const ProfileParser::KeyVisitor& visit);
    // All edits in one replacement of the file, or none.
    static ProfileWriteResult Write(const QString& path, const QList<ProfileEdit>& edits);
};

} // namespace quillmark
