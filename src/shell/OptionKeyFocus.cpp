#include "shell/OptionKeyFocus.h"

#include "shell/SelectAllText.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace quillmark {

void GiveTheFocusFromAnOption(QLineEdit& textBox) {
    textBox.setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, &textBox, [&textBox] {
        if (qobject_cast<const QRadioButton*>(textBox.window()->focusWidget()) != nullptr) {
            textBox.setFocus(Qt::OtherFocusReason);
            SelectAllText(textBox);
        }
    });
}

} // namespace quillmark
