#pragma once

#include "support/IsolatedEnvironment.h"
#include "support/ModalWindows.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillmark::test {

// Closes every message box as soon as it opens and keeps its title and text ("title|text"), so
// that a test can check the messages it expects and an unexpected one fails the test instead of
// hanging it.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                texts_ << box->windowTitle() + u'|' + box->text();
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

// What every dialog test shares: an isolated HOME for the run, no settings file at the start of
// each test function, and every message box caught, so an unexpected one fails the test.
class DialogTestSession {
public:
    void StartRun() { environment_ = std::make_unique<IsolatedEnvironment>(); }
    void StartTest() {
        EmptyConfigFolder(*environment_);
        messages_ = std::make_unique<MessageCatcher>();
    }
    QStringList TakeMessages() { return messages_->TakeTexts(); }
    void CheckNoStrayMessages() {
        const QStringList unexpected = TakeMessages();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

private:
    std::unique_ptr<IsolatedEnvironment> environment_;
    std::unique_ptr<MessageCatcher> messages_;
};

} // namespace quillmark::test
