#pragma once

#include "shell/DialogFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace quillmark::test {

// Draws the windows made while it lives in the font the application sets.
class DialogFontInUse {
public:
    DialogFontInUse() { QApplication::setFont(DialogFont(saved_)); }
    ~DialogFontInUse() { QApplication::setFont(saved_); }
    DialogFontInUse(const DialogFontInUse&) = delete;
    DialogFontInUse& operator=(const DialogFontInUse&) = delete;

private:
    QFont saved_ = QApplication::font();
};

// The one-line captions of a window's labels, option buttons and check boxes whose letters reach
// past the space their control draws them in, each as "name: caption".
inline QStringList ClippedCaptions(const QWidget& window) {
    QStringList clipped;
    const auto check = [&clipped](const QWidget& control, QString text, const QRect& room) {
        text.remove(u'&');
        const QRect ink = control.fontMetrics().tightBoundingRect(text);
        if (room.left() + ink.right() > room.right()) {
            clipped << control.objectName() + QStringLiteral(": ") + text;
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->wordWrap() && !label->text().isEmpty() && !label->text().contains(u'\n')) {
            check(*label, label->text(), label->contentsRect());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        if (!radio && qobject_cast<const QCheckBox*>(button) == nullptr) {
            continue;
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        check(*button, button->text(),
              button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_CheckBoxContents,
                                              &option, button));
    }
    return clipped;
}

} // namespace quillmark::test
