#pragma once

class QSize;
class QWidget;

namespace quillmark {

// Window places and sizes are designed in twips (1/1440 inch); these convert them at the
// resolution of the screen the widget is on.
int TwipsToPixelsX(const QWidget* widget, double twips);
int TwipsToPixelsY(const QWidget* widget, double twips);

// Places a control at its design position in twips (left, top, width, height), relative to its
// parent.
void PlaceInTwips(QWidget* control, int left, int top, int width, int height);
// A design size in twips, as pixels for the given widget.
QSize SizeFromTwips(const QWidget* widget, int width, int height);
// A size in pixels at the design resolution (96 dpi), as pixels for the given widget: pictures
// keep their share of the controls that hold them at any resolution.
QSize SizeFromDesignPixels(const QWidget* widget, QSize pixels);
// Device pixels per picture pixel on the densest screen: 1 where no screen is denser than the
// design, so that pictures drawn at this scale too are sharp on every screen.
int FinestPictureScale();

} // namespace quillmark
