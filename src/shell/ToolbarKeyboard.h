#pragma once

#include <QList>
#include <QObject>

class QKeyEvent;
class QToolBar;
class QToolButton;

namespace quillmark {

// Makes a toolbar one stop in its window's tab order, worked as on a desktop: arriving there
// puts the focus on its first command button, Left/Right/Home/End move between the command
// buttons (separators and placeholders are passed over), Space or Enter presses the focused
// one as a click would, and Tab or Shift+Tab leaves the toolbar from its own place in the
// order. The buttons still take no focus from the mouse.
class ToolbarKeyboard : public QObject {
    Q_OBJECT

public:
    // Call once the toolbar holds its buttons; the object is owned by the toolbar.
    explicit ToolbarKeyboard(QToolBar* toolbar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QToolButton*> CommandButtons() const;
    bool ButtonKeyPress(QToolButton& button, const QKeyEvent& key);
    void MoveTo(QToolButton* button);
    void Leave(const QKeyEvent& key);

    QToolBar* toolbar_;
    bool leaving_ = false; // the toolbar holds the focus only while Tab passes on from it
};

} // namespace quillmark
