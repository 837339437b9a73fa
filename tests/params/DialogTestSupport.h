#pragma once

#include "support/IsolatedEnvironment.h"
#include "support/ModalWindows.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillmark::test {

// Closes every message box as soon as it opens and keeps its text, so that a test can check the
// messages it expects and an unexpected one fails the test instead of hanging it.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                texts_ << box->text();
                box->accept();
            }
        });
        timer_.start(10);
    }

    QStringList TakeTexts() { return std::exchange(texts_, {}); }

private:
    QTimer timer_;
    QStringList texts_;
};

// Every test function starts without a settings file: the isolated config folder is emptied.
inline void EmptyConfigFolder(const IsolatedEnvironment& environment) {
    QDir(environment.ConfigHome()).removeRecursively();
    QDir().mkpath(environment.ConfigHome());
}

} // namespace quillmark::test
