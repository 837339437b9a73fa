#include "shell/Twips.h"

#include <QGuiApplication>
#include <QSize>
#include <QWidget>
#include <QtMath>
#include <cmath>

namespace quillmark {

namespace {
constexpr double TwipsPerInch = 1440.0;
}

int TwipsToPixelsX(const QWidget* widget, double twips) {
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / TwipsPerInch));
}

int TwipsToPixelsY(const QWidget* widget, double twips) {
    return static_cast<int>(std::lround(twips * widget->logicalDpiY() / TwipsPerInch));
}

void PlaceInTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsToPixelsX(control, left), TwipsToPixelsY(control, top),
                         TwipsToPixelsX(control, width), TwipsToPixelsY(control, height));
}

QSize SizeFromTwips(const QWidget* widget, int width, int height) {
    return {TwipsToPixelsX(widget, width), TwipsToPixelsY(widget, height)};
}

int FinestPictureScale() {
    return qGuiApp != nullptr ? qCeil(qGuiApp->devicePixelRatio()) : 1;
}

QSize SizeFromDesignPixels(const QWidget* widget, QSize pixels) {
    constexpr int TwipsPerDesignPixel = 1440 / 96;
    return SizeFromTwips(widget, pixels.width() * TwipsPerDesignPixel,
                         pixels.height() * TwipsPerDesignPixel);
}

} // namespace quillmark
