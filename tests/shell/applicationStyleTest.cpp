#include "shell/ApplicationStyle.h"

#include "shell/ShellTestSupport.h"
#include "support/VisiblePixels.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>

using namespace quillmark;
using quillmark::test::HasVisiblePixels;

namespace {

// The image format plugins this process has loaded so far.
QStringList LoadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("/proc/self/maps unreadable")};
    }
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/")) {
            plugins.append(QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1)));
        }
    }
    plugins.removeDuplicates();
    return plugins;
}

// The threads of this process that belong to a Qt thread pool.
int PooledThreads() {
    int pooled = 0;
    for (const QString& thread : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs)) {
        QFile name(QStringLiteral("/proc/self/task/%1/comm").arg(thread));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)")) {
            ++pooled;
        }
    }
    return pooled;
}

QImage GrabGroupBox(QStyle& style, const QString& title, bool checkable, int height = 65) {
    QGroupBox box(title);
    box.setCheckable(checkable);
    box.setStyle(&style);
    box.resize(161, height);
    return box.grab().toImage();
}

// The largest difference in any channel between two pictures of the same size.
int LargestDifference(const QImage& first, const QImage& second) {
    if (first.size() != second.size()) {
        return 256;
    }
    const QImage one = first.convertToFormat(QImage::Format_ARGB32);
    const QImage other = second.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return largest;
}

} // namespace

class ApplicationStyleTest : public QObject {
    Q_OBJECT

private slots:
    // First: every later test draws Fusion's own pictures, which load the plugins.
    void theMainWindowStartsWithoutDecodingAPicture() {
        QApplication::setStyle(new ApplicationStyle(QStyleFactory::create("fusion")));
        std::unique_ptr<frmMain> window;
        int endings = 0;
        test::OpenFreshMainWindow(window, endings);
        QVERIFY(!window->grab().isNull()); // painted, group boxes and toolbar included
        QCOMPARE(LoadedImagePlugins(), QStringList());
        // Nor does the first paint wake the painter's thread pool to draw one-pixel frames.
        QCOMPARE(PooledThreads(), 0);
    }

    void groupBoxFramesLookAsFusionDrawsThem_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<int>("height");
        QTest::newRow("titled") << QStringLiteral("Comments Type:") << false << 65;
        QTest::newRow("untitled") << QString() << false << 65;
        QTest::newRow("checkable") << QString() << true << 65;
        // Sides drawn in several runs must join without a gap or a doubled pixel.
        QTest::newRow("tall") << QStringLiteral("Parameters:") << false << 300;
    }

    void groupBoxFramesLookAsFusionDrawsThem() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(int, height);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
        ApplicationStyle style(QStyleFactory::create("fusion"));
        // Fusion's picture is blended by scaling; a drawn one differs by rounding only.
        QCOMPARE_LE(LargestDifference(GrabGroupBox(style, title, checkable, height),
                                      GrabGroupBox(*fusion, title, checkable, height)),
                    3);
    }

    // On a screen of twice the density the frame is the same picture in pixels twice the size:
    // its corners must not come loose from its sides.
    void groupBoxFramesKeepTheirShapeAtTwiceTheDensity() {
        ApplicationStyle style(QStyleFactory::create("fusion"));
        QGroupBox box;
        box.setStyle(&style);
        box.resize(161, 65);
        QImage fine(box.size() * 2, QImage::Format_ARGB32_Premultiplied);
        fine.setDevicePixelRatio(2);
        fine.fill(Qt::transparent);
        box.render(&fine, QPoint(), QRegion(), QWidget::DrawChildren);
        QImage coarse(box.size(), QImage::Format_ARGB32_Premultiplied);
        coarse.fill(Qt::transparent);
        box.render(&coarse, QPoint(), QRegion(), QWidget::DrawChildren);
        QVERIFY(HasVisiblePixels(coarse));
        fine.setDevicePixelRatio(1);
        QCOMPARE(LargestDifference(fine, coarse.scaled(fine.size())), 0);
    }

    void otherStylesAreLeftAsTheyAre() {
        std::unique_ptr<QStyle> windows(QStyleFactory::create("windows"));
        ApplicationStyle style(QStyleFactory::create("windows"));
        const QString title = QStringLiteral("Access:");
        QCOMPARE(GrabGroupBox(style, title, false), GrabGroupBox(*windows, title, false));
        const auto overflow = QStyle::SP_ToolBarHorizontalExtensionButton;
        QCOMPARE(style.standardIcon(overflow).pixmap(16).toImage(),
                 windows->standardIcon(overflow).pixmap(16).toImage());
    }

    void theOverflowArrowIsDrawnEachWay() {
        ApplicationStyle style(QStyleFactory::create("fusion"));
        const QImage across =
            style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
        const QImage down =
            style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16).toImage();
        QVERIFY(HasVisiblePixels(across));
        QVERIFY(HasVisiblePixels(down));
        QVERIFY(across != down);
        // The same chevrons turned a quarter, but for the rounding of their soft edges.
        QCOMPARE_LE(LargestDifference(down, across.transformed(QTransform().rotate(90))), 8);
    }
};

QUILLMARK_WINDOW_TEST_MAIN(ApplicationStyleTest)
#include "applicationStyleTest.moc"
