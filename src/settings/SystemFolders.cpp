#include "settings/SystemFolders.h"

#include "settings/ProfileLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace quillmark {

QString SystemFolders::WindowsFolder() {
    return ProfileLocation::DefaultFolder();
}

QString SystemFolders::SystemFolder() {
    return QStringLiteral("/usr/lib");
}

QString SystemFolders::TempFolder() {
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        return {};
    }
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

QString SystemFolders::CreateTempFile(const QString& prefix, std::int32_t unique) {
    const QString folder = TempFolder();
    // A prefix must not lead out of the folder or be cut short by a NUL.
    if (folder.isEmpty() || prefix.contains(u'/') || prefix.contains(QChar(0))) {
        return {};
    }
    if (unique == 0) {
        // The "-" keeps a prefix that ends in "X" out of the run of X's that is replaced.
        QTemporaryFile file(folder + prefix + QStringLiteral("-XXXXXX.tmp"));
        file.setAutoRemove(false);
        if (!file.open()) { // O_EXCL, mode 0600
            return {};
        }
        return file.fileName();
    }
    // With a number given, the name is the prefix and the number's low 16 bits in hexadecimal, as
    // on Windows; unlike Windows the file is also created, exclusively, so the caller never writes
    // through a name someone else prepared. A name already taken gives the empty text.
    const QString name = folder + prefix +
                         QString::number(static_cast<std::uint16_t>(unique), 16).toUpper() +
                         QStringLiteral(".tmp");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return {};
    }
    return name;
}

} // namespace quillmark
