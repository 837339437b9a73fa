#pragma once

class QWidget;

namespace quillmark {

// Window places and sizes are designed in twips (1/1440 inch); these convert them at the
// resolution of the screen the widget is on.
int TwipsToPixelsX(const QWidget* widget, double twips);
int TwipsToPixelsY(const QWidget* widget, double twips);

} // namespace quillmark
