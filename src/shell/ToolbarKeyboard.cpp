#include "shell/ToolbarKeyboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>

namespace quillmark {

ToolbarKeyboard::ToolbarKeyboard(QToolBar* toolbar) : QObject(toolbar), toolbar_(toolbar) {
    toolbar_->setFocusPolicy(Qt::TabFocus);
    toolbar_->installEventFilter(this);
    // Every button is watched, also those not laid out yet: which of them are stops is decided
    // at each key.
    for (QAction* action : toolbar_->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action))) {
            button->installEventFilter(this);
        }
    }
}

QList<QToolButton*> ToolbarKeyboard::CommandButtons() const {
    QList<QToolButton*> buttons;
    for (QAction* action : toolbar_->actions()) {
        // Separators and placeholders are no buttons; a button pushed out of sight is no stop.
        auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action));
        if (!action->isSeparator() && button != nullptr && button->isEnabled() &&
            button->isVisibleTo(toolbar_)) {
            buttons.append(button);
        }
    }
    return buttons;
}

bool ToolbarKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolbar_) {
        if (event->type() == QEvent::FocusIn && !leaving_) {
            const QList<QToolButton*> buttons = CommandButtons();
            if (!buttons.isEmpty()) {
                buttons.first()->setFocus(static_cast<QFocusEvent*>(event)->reason());
            }
        }
        return false;
    }
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button != nullptr && event->type() == QEvent::KeyPress) {
        return ButtonKeyPress(*button, *static_cast<QKeyEvent*>(event));
    }
    return false;
}

bool ToolbarKeyboard::ButtonKeyPress(QToolButton& button, const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false; // chords belong to the window
    }
    const QList<QToolButton*> buttons = CommandButtons();
    const qsizetype index = buttons.indexOf(&button);
    if (index < 0) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Left:
        MoveTo(buttons.value(index - 1));
        return true;
    case Qt::Key_Right:
        MoveTo(buttons.value(index + 1));
        return true;
    case Qt::Key_Home:
        MoveTo(buttons.first());
        return true;
    case Qt::Key_End:
        MoveTo(buttons.last());
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key runs the command once, not once per repeat.
        if (!key.isAutoRepeat()) {
            button.click();
        }
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        Leave(key);
        return true;
    default:
        return false;
    }
}

void ToolbarKeyboard::MoveTo(QToolButton* button) {
    // Past either end the focus stays where it is.
    if (button != nullptr) {
        button->setFocus(Qt::TabFocusReason);
    }
}

void ToolbarKeyboard::Leave(const QKeyEvent& key) {
    // The buttons lie elsewhere in the window's focus chain than the toolbar; stepping on from
    // the toolbar itself reaches its neighbours in the tab order.
    leaving_ = true;
    toolbar_->setFocus(Qt::OtherFocusReason);
    QKeyEvent step(QEvent::KeyPress, key.key(), key.modifiers());
    QCoreApplication::sendEvent(toolbar_, &step);
    leaving_ = false;
    if (toolbar_->hasFocus()) {
        MoveTo(CommandButtons().value(0)); // nowhere else to go
    }
}

} // namespace quillmark
