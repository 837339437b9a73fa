#include "shell/ToolbarDrawings.h"

#include "shell/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace quillmark {

namespace {

void DrawExit(QPainter& painter) {
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    painter.setBrush(QColor(0xd8, 0xc8, 0xa8));
    painter.drawRect(7, 4, 16, 27); // the door
    painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(17, 17, 32, 17);
    painter.drawLine(27, 12, 32, 17);
    painter.drawLine(27, 22, 32, 17);
}

void DrawPage(QPainter& painter, const QRect& page) {
    painter.setPen(QPen(QColor(0x40, 0x40, 0x60), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(QColor(0x60, 0x80, 0xb0), 1.5));
    for (int y = page.top() + 5; y < page.bottom() - 2; y += 4) {
        painter.drawLine(page.left() + 3, y, page.right() - 3, y);
    }
}

void DrawCopy(QPainter& painter) {
    DrawPage(painter, QRect(5, 3, 17, 22));
    DrawPage(painter, QRect(14, 10, 17, 22));
}

void DrawOptions(QPainter& painter) {
    const QPointF centre(18, 17.5);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x60), 5, Qt::SolidLine, Qt::FlatCap));
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.save();
        painter.translate(centre);
        painter.rotate(45.0 * tooth);
        painter.drawLine(QPointF(0, 9), QPointF(0, 14));
        painter.restore();
    }
    painter.setPen(QPen(QColor(0x50, 0x50, 0x60), 2));
    painter.setBrush(QColor(0xa0, 0xa8, 0xb8));
    painter.drawEllipse(centre, 10, 10);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 4, 4);
}

void DrawWebSite(QPainter& painter) {
    const QRectF globe(4, 3.5, 28, 28);
    painter.setPen(QPen(QColor(0x20, 0x50, 0x90), 1.8));
    painter.setBrush(QColor(0xb8, 0xd8, 0xf0));
    painter.drawEllipse(globe);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(11, 3.5, 14, 28));
    painter.drawLine(QPointF(18, 3.5), QPointF(18, 31.5));
    painter.drawLine(QPointF(4, 17.5), QPointF(32, 17.5));
}

// White marks on a coloured disc, drawn as shapes: a letter would depend on the fonts of the
// machine the program is built on.
void DrawDisc(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(4, 3.5, 28, 28));
    painter.setBrush(Qt::white);
}

void DrawAbout(QPainter& painter) {
    DrawDisc(painter, QColor(0x20, 0x60, 0xb0));
    painter.drawEllipse(QPointF(18, 10.5), 2.4, 2.4);
    painter.drawRoundedRect(QRectF(15.8, 14.5, 4.4, 12.5), 1, 1);
}

void DrawHelp(QPainter& painter) {
    DrawDisc(painter, QColor(0x20, 0x90, 0x40));
    painter.drawEllipse(QPointF(18, 25.5), 2.3, 2.3);
    QPainterPath hook; // over the top from the left, round to below the centre, then down
    hook.arcMoveTo(QRectF(13, 7.5, 10, 10), 180);
    hook.arcTo(QRectF(13, 7.5, 10, 10), 180, -270);
    hook.lineTo(18, 21);
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
}

// The pictures in toolbar order, by image key.
struct Drawing {
    const char* Key;
    void (*Draw)(QPainter&);
};
constexpr Drawing Drawings[] = {{"Exit", DrawExit},       {"Copy", DrawCopy},
                                {"Options", DrawOptions}, {"WebSite", DrawWebSite},
                                {"About", DrawAbout},     {"Help", DrawHelp}};

} // namespace

QStringList ToolbarDrawingKeys() {
    QStringList keys;
    for (const Drawing& drawing : Drawings) {
        keys << QString::fromLatin1(drawing.Key);
    }
    return keys;
}

QImage DrawToolbarPicture(const QString& imageKey, int scale) {
    QImage picture(ToolbarPictureSize * scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (const Drawing& drawing : Drawings) {
        if (imageKey == QLatin1String(drawing.Key)) {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale); // the same shapes, drawn in finer pixels
            drawing.Draw(painter);
        }
    }
    return picture;
}

} // namespace quillmark
