#include "cli/SettingsFileReader.h"

#include "cli/InputError.h"
#include "settings/ProfileOpen.h"
#include "settings/RegIni.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

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

    RegIni ini;
    ini.FileName(info.absoluteFilePath());
    GlobalSettings settings;
    settings.PersonalName = ini.GetIniString(u"General"_s, u"Personal Name"_s);
    settings.Language = static_cast<DevelopmentLanguage>(SettingsLayout::ReadWholeNumber(
        ini.GetIniString(u"General"_s, u"Comments Type"_s, u"0"_s)));
    settings.BeginFree = ini.GetIniString(u"General"_s, u"Begin Free"_s);
    settings.EndFree = ini.GetIniString(u"General"_s, u"End Free"_s);
    return settings;
}

} // namespace quillmark::cli
