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
    painter.fillRect(inside, QColor(0, 0, 0, 3));
    // Lines along the four sides of a rectangle, short of its corners by `skip` pixels.
    const auto drawSides = [&painter](const QRect& rect, int skip) {
        painter.drawLine(rect.left() + skip, rect.top(), rect.right() - skip, rect.top());
        painter.drawLine(rect.left() + skip, rect.bottom(), rect.right() - skip, rect.bottom());
        painter.drawLine(rect.left(), rect.top() + skip, rect.left(), rect.bottom() - skip);
        painter.drawLine(rect.right(), rect.top() + skip, rect.right(), rect.bottom() - skip);
    };
    painter.setPen(QColor(0, 0, 0, 5));
    drawSides(inside, 1);
    painter.setPen(QColor(0x70, 0x70, 0x70, 0x33));
    drawSides(box, 2);
    // The corners: faint outside, darker where the border turns, a shadow inside.
    const QPoint corners[] = {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
    for (const QPoint& corner : corners) {
        const QPoint inward(corner.x() == box.left() ? 1 : -1, corner.y() == box.top() ? 1 : -1);
        painter.setPen(QColor(0x20, 0x20, 0x20, 0x0d));
        painter.drawPoint(corner);
        painter.setPen(QColor(0x5f, 0x5f, 0x5f, 0x37));
        painter.drawPoint(corner + QPoint(inward.x(), 0));
        painter.drawPoint(corner + QPoint(0, inward.y()));
        painter.setPen(QColor(0x5c, 0x5c, 0x5c, 0x1c));
        painter.drawPoint(corner + inward);
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
