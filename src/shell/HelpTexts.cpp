#include "shell/HelpTexts.h"

#include <QStringList>

namespace quillmark::HelpTexts {

QString GeneralInformation() {
    return QStringLiteral(
        "Quillmark is designed by a developer for developers.  By filling in a few easy-to-use "
        "fields, Quillmrk will create professionally formatted comments and place them on the "
        "clipboard for insertion into your project.  There are many HotKeys available to "
        "increase your productivity.  The Hookwell Edition adds itself to your list of available "
        "Add-Ins for easy and automatic use.");
}

QString HotKeysIntroduction() {
    return QStringLiteral("HotKeys increase the ease of use of Quillmark.  Here is the list of "
                          "HotKeys available by pressing the <alt> key and the key for the "
                          "operation desired.");
}

QString CopyHotKeyNote() {
    return QStringLiteral("NOTE - <ALT>-C is the app HotKey for Copy to Clipboard");
}

QString HotKeyList() {
    const QStringList lines = {
        QStringLiteral("USAGE: ALT + Key"),
        QString(),
        QStringLiteral("Key - Tab / Function"),
        QStringLiteral("A   - Parameters / Add Parameter"),
        QStringLiteral("B   - General / Sub/Function Name"),
        QStringLiteral("C   - ** APP HotKey for \"Copy to Clipboard\" **"),
        QStringLiteral("E   - General / Sub/Function Purpose"),
        QStringLiteral("F   - General / Type Function"),
        QStringLiteral("G   - General Tab"),
        QStringLiteral("I   - General / Sub/Function Returns"),
        QStringLiteral("N   - General / Type General"),
        QStringLiteral("O   - General / Type Property"),
        QStringLiteral("P   - Parameters Tab"),
        QStringLiteral("R   - Parameters / Remove Parameter"),
        QStringLiteral("S   - General / Type Sub"),
        QStringLiteral("T   - General / Access Protected"),
        QStringLiteral("U   - General / Access Public"),
        QStringLiteral("V   - General / Access Private"),
    };
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace quillmark::HelpTexts
