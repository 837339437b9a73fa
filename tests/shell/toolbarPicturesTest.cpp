// The toolbar's pictures: the program's own, carried as pixels, must be the drawings exactly, and
// a desktop theme's icon takes their place where the theme has one.
#include "shell/ToolbarPictures.h"

#include "shell/ToolbarDrawings.h"
#include "support/VisiblePixels.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmark;
using quillmark::test::HasVisiblePixels;

namespace {

QImage PictureOf(const QIcon& icon) {
    return icon.pixmap(ToolbarPictureSize)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// An icon theme with one picture, `name`, filled with `colour`.
bool WriteTheme(const QString& root, const QString& name, const QColor& colour) {
    const QString folder = root + QStringLiteral("/quillmark-test/36x36/actions");
    QFile index(root + QStringLiteral("/quillmark-test/index.theme"));
    if (!QDir().mkpath(folder) || !index.open(QIODevice::WriteOnly)) {
        return false;
    }
    index.write("[Icon Theme]\nName=Quillmark test\nDirectories=36x36/actions\n\n"
                "[36x36/actions]\nSize=36\nType=Fixed\n");
    QImage picture(36, 36, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "png");
}

} // namespace

class ToolbarPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // "hicolor" holds no action icons: the toolbar takes its own pictures.
        QIcon::setThemeName(QStringLiteral("hicolor"));
    }

    void ownPicturesAreTheDrawingsPixelForPixel() {
        const QStringList keys = ToolbarDrawingKeys();
        QCOMPARE(keys, (QStringList{"Exit", "Copy", "Options", "WebSite", "About", "Help"}));
        QList<QImage> seen;
        for (const QString& key : keys) {
            const QImage carried = PictureOf(ToolbarPicture(key));
            const QImage drawn = DrawToolbarPicture(key);
            QCOMPARE(carried.size(), ToolbarPictureSize);
            QVERIFY2(carried == drawn, qPrintable(key));
            QVERIFY2(HasVisiblePixels(carried), qPrintable(key));
            QVERIFY2(!seen.contains(carried), qPrintable(key + " repeats another picture"));
            seen << carried;
        }
    }

    // On a screen of twice the density the toolbar shows the drawings at twice the pixels, not
    // the design-size pictures enlarged; a screen of the design density still gets those exactly.
    void denserScreensGetTheFinerDrawings() {
        for (const QString& key : ToolbarDrawingKeys()) {
            const QIcon icon = ToolbarPicture(key, 2.0);
            const QImage fine = icon.pixmap(ToolbarPictureSize, 2.0)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage drawn = DrawToolbarPicture(key, 2);
            QCOMPARE(fine.size(), ToolbarPictureSize * 2);
            QVERIFY2(fine == drawn, qPrintable(key));
            QVERIFY2(PictureOf(icon) == DrawToolbarPicture(key), qPrintable(key));

            const QImage enlarged = ToolbarPicture(key, 1.0)
                                        .pixmap(ToolbarPictureSize, 2.0)
                                        .toImage()
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(enlarged != drawn, qPrintable(key + " is the same enlarged"));
        }
    }

    void anUnknownKeyGivesABlankPicture() {
        for (const QString& key : {QStringLiteral("Nothing"), QString(), QStringLiteral("exit")}) {
            const QImage picture = PictureOf(ToolbarPicture(key));
            QCOMPARE(picture.size(), ToolbarPictureSize);
            QVERIFY2(!HasVisiblePixels(picture), qPrintable(key));
            QVERIFY(!HasVisiblePixels(DrawToolbarPicture(key)));
        }
    }

    void aDesktopThemeIconIsTakenWhereTheThemeHasOne() {
        QTemporaryDir themes;
        QVERIFY(themes.isValid());
        QVERIFY(WriteTheme(themes.path(), QStringLiteral("edit-copy"), Qt::red));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("quillmark-test"));

        const QImage copy = PictureOf(ToolbarPicture(QStringLiteral("Copy")));
        QCOMPARE(copy.pixelColor(18, 17), QColor(Qt::red));
        // The theme has no "help-contents": the program's own picture stands in.
        QCOMPARE(PictureOf(ToolbarPicture(QStringLiteral("Help"))),
                 DrawToolbarPicture(QStringLiteral("Help")));

        QIcon::setThemeSearchPaths(searchPaths);
    }
};

QTEST_MAIN(ToolbarPicturesTest)
#include "toolbarPicturesTest.moc"
