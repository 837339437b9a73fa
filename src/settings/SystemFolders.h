#pragma once

#include <QString>
#include <cstdint>

namespace quillmark {

// The folders RegIni reports in place of the Windows, system and temporary folders, and fresh
// temporary files.
class SystemFolders {
public:
    // The per-user profile folder (where a settings file named without a folder lives).
    static QString WindowsFolder();
    static QString SystemFolder();
    // The temporary folder ($TMPDIR, else /tmp), ending in "/"; empty when it does not exist.
    static QString TempFolder();
    // A new empty file in the temporary folder whose name starts with the prefix, created
    // exclusively and readable by its owner only; empty text on failure.
    static QString CreateTempFile(const QString& prefix, std::int32_t unique);
};

} // namespace quillmark
