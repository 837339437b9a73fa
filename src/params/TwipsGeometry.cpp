#include "params/TwipsGeometry.h"

#include "shell/Twips.h"

#include <QWidget>

namespace quillmark {

void PlaceInTwips(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(TwipsToPixelsX(&control, left), TwipsToPixelsY(&control, top),
                        TwipsToPixelsX(&control, width), TwipsToPixelsY(&control, height));
}

QSize SizeFromTwips(const QWidget& widget, int width, int height) {
    return {TwipsToPixelsX(&widget, width), TwipsToPixelsY(&widget, height)};
}

} // namespace quillmark
