#include "cli/SettingsFileReader.h"

#include "cli/InputError.h"
#include "settings/ProfileOpen.h"

#include <QFile>
#include <QFileInfo>

namespace quillmark::cli {

GlobalSettings SettingsFileReader::Load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw InputError(QStringLiteral("settings file not found: %1").arg(path));
    }
    QFile file(info.absoluteFilePath());
    // A FIFO that no program writes to is no reason to wait: it reads as empty, as at start-up.
    if (info.isDir() || !OpenProfileToRead(file)) {
        throw InputError(QStringLiteral("cannot read settings file %1").arg(path));
    }
    file.close();
    return SettingsLayout::LoadGlobalSettingsFrom(info.absoluteFilePath());
}

} // namespace quillmark::cli
