#include "shell/ToolbarPictures.h"

#include "shell/PicturePixels.h"

#include <QPixmap>

namespace quillmark {

namespace {

QString ThemeName(const QString& imageKey) {
    if (imageKey == QLatin1String("Exit")) {
        return QStringLiteral("application-exit");
    }
    if (imageKey == QLatin1String("Copy")) {
        return QStringLiteral("edit-copy");
    }
    if (imageKey == QLatin1String("Options")) {
        return QStringLiteral("preferences-system");
    }
    if (imageKey == QLatin1String("WebSite")) {
        return QStringLiteral("internet-web-browser");
    }
    if (imageKey == QLatin1String("About")) {
        return QStringLiteral("help-about");
    }
    if (imageKey == QLatin1String("Help")) {
        return QStringLiteral("help-contents");
    }
    return {};
}

// The program's own picture for `imageKey`, carried as pixels.
QPixmap CarriedPicture(const QString& imageKey) {
    for (const PicturePixels& picture : ToolbarPicturePixels()) {
        if (imageKey == QLatin1String(picture.Name)) {
            return QPixmap::fromImage(picture.Image());
        }
    }
    QPixmap blank(ToolbarPictureSize);
    blank.fill(Qt::transparent); // the default leaves the background undefined
    return blank;
}

} // namespace

QIcon ToolbarPicture(const QString& imageKey) {
    const QString themeName = ThemeName(imageKey);
    const QIcon fallback(CarriedPicture(imageKey));
    // "hicolor" is only the fallback theme of application icons; searching it for action icons
    // costs start-up time and finds nothing.
    const QString desktopTheme = QIcon::themeName();
    if (themeName.isEmpty() || desktopTheme.isEmpty() || desktopTheme == QLatin1String("hicolor")) {
        return fallback;
    }
    return QIcon::fromTheme(themeName, fallback);
}

} // namespace quillmark
