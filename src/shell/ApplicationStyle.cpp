#include "shell/ApplicationStyle.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace quillmark {

namespace {

// Fusion's gap between a group box's title and the top of its frame.
constexpr int GroupBoxTopMargin = 3;

// The raster engine hands a translucent fill of 96 rows or more to a pool of threads and waits for
// them, and its line stroker hands over each pixel of a translucent line as a separate span. For
// a frame one pixel wide, waking the pool costs far more than the pixels, and the first time it
// starts the pool's threads (about half a millisecond of the main window's first paint). So the
// frame is filled as rectangles, in runs short enough to stay on this thread.
constexpr int RowsPerFill = 64;

void FillInRuns(QPainter& painter, const QRect& area, const QColor& color) {
    for (int top = area.top(); top <= area.bottom(); top += RowsPerFill) {
        painter.fillRect(
            QRect(area.left(), top, area.width(), qMin(RowsPerFill, area.bottom() - top + 1)),
            color);
    }
}

// Fusion's group box picture, drawn: a one-pixel grey border with softened corners round a faint
// shadow, on a transparent first row and column.
void DrawGroupBoxFrame(QPainter& painter, const QRect& frame) {
    const QRect box(frame.topLeft() + QPoint(1, 1), frame.bottomRight());
    if (box.width() < 6 || box.height() < 6) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect inside = box.adjusted(1, 1, -1, -1);
    FillInRuns(painter, inside, QColor(0, 0, 0, 3));
    // The four sides of a rectangle, short of its corners by `skip` pixels.
    const auto drawSides = [&painter](const QRect& rect, int skip, const QColor& color) {
        const int left = rect.left() + skip;
        const int right = rect.right() - skip;
        const int top = rect.top() + skip;
        const int bottom = rect.bottom() - skip;
        FillInRuns(painter, QRect(QPoint(left, rect.top()), QPoint(right, rect.top())), color);
        FillInRuns(painter, QRect(QPoint(left, rect.bottom()), QPoint(right, rect.bottom())),
                   color);
        FillInRuns(painter, QRect(QPoint(rect.left(), top), QPoint(rect.left(), bottom)), color);
        FillInRuns(painter, QRect(QPoint(rect.right(), top), QPoint(rect.right(), bottom)), color);
    };
    drawSides(inside, 1, QColor(0, 0, 0, 5));
    drawSides(box, 2, QColor(0x70, 0x70, 0x70, 0x33));
    // The corners: faint outside, darker where the border turns, a shadow inside. Filled as the
    // sides are: a pen's point sits half a pixel off a filled pixel once the screen's pixels are
    // finer than the frame's.
    const auto fillPixel = [&painter](const QPoint& pixel, const QColor& color) {
        painter.fillRect(QRect(pixel, QSize(1, 1)), color);
    };
    const QPoint corners[] = {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
    for (const QPoint& corner : corners) {
        const QPoint inward(corner.x() == box.left() ? 1 : -1, corner.y() == box.top() ? 1 : -1);
        fillPixel(corner, QColor(0x20, 0x20, 0x20, 0x0d));
        fillPixel(corner + QPoint(inward.x(), 0), QColor(0x5f, 0x5f, 0x5f, 0x37));
        fillPixel(corner + QPoint(0, inward.y()), QColor(0x5f, 0x5f, 0x5f, 0x37));
        fillPixel(corner + inward, QColor(0x5c, 0x5c, 0x5c, 0x1c));
    }
    painter.restore();
}

// The toolbar's overflow arrow (two chevrons), drawn when first shown: a toolbar that fits its
// window never shows it.
class OverflowArrowEngine : public QIconEngine {
public:
    explicit OverflowArrowEngine(bool horizontal) : horizontal_(horizontal) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Normal;
        painter->setPen(QPen(QGuiApplication::palette().color(group, QPalette::ButtonText),
                             qMax(1.0, rect.height() / 10.0)));
        painter->translate(QRectF(rect).center());
        if (!horizontal_) {
            painter->rotate(90);
        }
        const qreal size = qMin(rect.width(), rect.height()) / 4.0;
        for (const qreal offset : {-size, 0.0}) {
            painter->drawLine(QPointF(offset, -size), QPointF(offset + size, 0));
            painter->drawLine(QPointF(offset + size, 0), QPointF(offset, size));
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent); // the default leaves the background undefined
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new OverflowArrowEngine(horizontal_); }

private:
    bool horizontal_;
};

} // namespace

bool ApplicationStyle::IsFusion() const {
    return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

void ApplicationStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !IsFusion()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion leaves room above the frame for the title and the check box, where there are any.
    const auto* groupBox = qobject_cast<const QGroupBox*>(widget);
    const bool bare =
        groupBox != nullptr && !groupBox->isCheckable() && groupBox->title().isEmpty();
    const int titleHeight = bare ? 0
                                 : qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                        option->fontMetrics.height());
    DrawGroupBoxFrame(*painter, option->rect.adjusted(0, titleHeight + GroupBoxTopMargin, 0, 0));
}

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (IsFusion() && (standardIcon == SP_ToolBarHorizontalExtensionButton ||
                       standardIcon == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new OverflowArrowEngine(standardIcon == SP_ToolBarHorizontalExtensionButton));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace quillmark
