#pragma once

class QKeyEvent;

namespace quillmark {

// On X11 a text box receives an Alt+letter press as the letter's text (Qt's input control only
// refuses Ctrl chords), so a window that uses Alt chords must take such presses before its text
// boxes do. True for a press with Alt (without Ctrl) that carries printable text.
bool IsAltTextChord(const QKeyEvent& event);

} // namespace quillmark
