#pragma once

#include <QProxyStyle>

namespace quillmark {

// The desktop's widget style, unchanged but for one thing: under Fusion, the two pictures that
// Fusion decodes from PNG files while the main window starts (the group box frame and the
// toolbar's overflow arrow) are drawn instead. The first PNG decoded makes the toolkit load every
// image format plugin installed: half a megabyte and a millisecond the window can do without.
class ApplicationStyle : public QProxyStyle {
public:
    // Over the desktop's default style, or over `base`, which it then owns.
    explicit ApplicationStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    bool IsFusion() const;
};

} // namespace quillmark
