#include "settings/ProfileLocation.h"

#include "util/WritePermission.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmark {

QString ProfileLocation::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillmark");
}

QString ProfileLocation::Resolve(const QString& fileName) {
    if (fileName.isEmpty()) {
        return {};
    }
    if (fileName.contains(u'/')) {
        return fileName;
    }
    return DefaultFolder() + u'/' + fileName;
}

void ProfileLocation::PrepareFolderFor(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir::cleanPath(folder) == QDir::cleanPath(DefaultFolder())) {
        QDir().mkpath(folder);
    }
}

QString ProfileLocation::WriteObstacle(const QString& path) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("The folder %1 does not exist").arg(folder.filePath());
    }
    if (!IsMarkedWritable(folder)) {
        return QStringLiteral("The folder %1 is not writable").arg(folder.filePath());
    }
    if (info.exists()) {
        if (!info.isFile()) {
            return QStringLiteral("%1 is not a file").arg(path);
        }
        if (!IsMarkedWritable(info)) {
            return QStringLiteral("The file %1 is read-only").arg(path);
        }
    }
    return {};
}

} // namespace quillmark
