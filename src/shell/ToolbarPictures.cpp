#include "shell/ToolbarPictures.h"

#include "shell/PicturePixels.h"
#include "shell/Twips.h"

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

// The program's own picture for `imageKey`, carried as pixels: the finer one as well where a
// screen has the density for it, so the toolbar is not drawn by enlarging the coarse one.
QIcon CarriedPicture(const QString& imageKey, qreal highestPixelRatio) {
    QIcon icon;
    for (const PicturePixels& picture : ToolbarPicturePixels()) {
        if (imageKey == QLatin1String(picture.Name) &&
            (picture.Scale == 1 || highestPixelRatio > 1.0)) {
            icon.addPixmap(QPixmap::fromImage(picture.Image()));
        }
    }
    if (icon.isNull()) {
        QPixmap blank(ToolbarPictureSize);
        blank.fill(Qt::transparent); // the default leaves the background undefined
        icon.addPixmap(blank);
    }
    return icon;
}

} // namespace

QIcon ToolbarPicture(const QString& imageKey) {
    return ToolbarPicture(imageKey, FinestPictureScale());
}

QIcon ToolbarPicture(const QString& imageKey, qreal highestPixelRatio) {
    const QString themeName = ThemeName(imageKey);
    const QIcon fallback = CarriedPicture(imageKey, highestPixelRatio);
    // "hicolor" is only the fallback theme of application icons; searching it for action icons
    // costs start-up time and finds nothing.
    const QString desktopTheme = QIcon::themeName();
    if (themeName.isEmpty() || desktopTheme.isEmpty() || desktopTheme == QLatin1String("hicolor")) {
        return fallback;
    }
    return QIcon::fromTheme(themeName, fallback);
}

} // namespace quillmark
