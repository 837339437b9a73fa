#pragma once

#include <QRect>

class QWidget;

namespace quillmark {

// Places a control at a design position given in twips (left, top, width, height), relative to
// its parent, at the resolution of the screen the control is on.
void PlaceInTwips(QWidget& control, int left, int top, int width, int height);

// A design size in twips, as pixels for the given widget.
QSize SizeFromTwips(const QWidget& widget, int width, int height);

} // namespace quillmark
