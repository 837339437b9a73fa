#include "shell/Twips.h"

#include <QWidget>

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

} // namespace quillmark
