#include "shell/Navigator1.h"
#include "shell/ShellTestSupport.h"
#include "shell/frmMain.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

using namespace quillmark;
using quillmark::test::UrlCatcher;
using quillmark::test::WhenModalOpens;

// The toolbar worked from the keyboard: one tab stop, arrows across its command buttons, Space
// and Enter as a click.
class ToolbarKeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmMain> window_;
    int endings_ = 0;

    template <typename T> T* Child(const char* name) const {
        return test::FindChild<T>(*window_, name);
    }
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
    }
    // A key as the user presses it: delivered to whatever has the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The stop before the toolbar.
    void FocusRemoveButton() {
        Child<QWidget>("cmdParamRemove")->setFocus(Qt::TabFocusReason);
        QCOMPARE(FocusName(), QStringLiteral("cmdParamRemove"));
    }
    // A closed modal dialog gives the activation back through the window system.
    void WaitUntilActiveAgain() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void FocusToolbarButton(const char* key) {
        FocusRemoveButton();
        Press(Qt::Key_Tab);
        for (int step = 0; step < 6 && FocusName() != QLatin1String(key); ++step) {
            Press(Qt::Key_Right);
        }
        QCOMPARE(FocusName(), QString::fromLatin1(key));
    }

private slots:
    void init() {
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        test::OpenFreshMainWindow(window_, endings_);
    }

    void cleanup() { window_.reset(); }

    void toolbarIsOneStopBetweenRemoveAndTheTabStrip() {
        FocusRemoveButton();
        Press(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("Exit"));
        Press(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("TabStrip1"));
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), QStringLiteral("Exit")); // arriving backwards: the first button too
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), QStringLiteral("cmdParamRemove"));

        // Leaving from a button further along takes the toolbar's place in the order as well.
        FocusToolbarButton("Options");
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), QStringLiteral("cmdParamRemove"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_End);
        Press(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("TabStrip1"));

        // The window's hot keys still work from the toolbar.
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        Press(Qt::Key_B, Qt::AltModifier);
        QCOMPARE(FocusName(), QStringLiteral("txtSubName"));
        QCOMPARE(endings_, 0);
    }

    void arrowsVisitOnlyTheCommandButtons() {
        FocusRemoveButton();
        Press(Qt::Key_Tab);
        QStringList visited{FocusName()};
        for (int step = 0; step < 6; ++step) { // one more than needed: the end holds
            Press(Qt::Key_Right);
            visited << FocusName();
        }
        QCOMPARE(visited,
                 (QStringList{"Exit", "Copy", "Options", "Navigate", "About", "Help", "Help"}));
        visited = QStringList{};
        for (int step = 0; step < 6; ++step) {
            Press(Qt::Key_Left);
            visited << FocusName();
        }
        QCOMPARE(visited, (QStringList{"About", "Navigate", "Options", "Copy", "Exit", "Exit"}));
        Press(Qt::Key_End);
        QCOMPARE(FocusName(), QStringLiteral("Help"));
        Press(Qt::Key_Home);
        QCOMPARE(FocusName(), QStringLiteral("Exit"));

        // Moving runs nothing.
        QCOMPARE(endings_, 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void enterOnOptionsOpensTheOptionsDialog() {
        FocusToolbarButton("Options");
        QString opened;
        WhenModalOpens([&](QWidget& dialog) {
            opened = dialog.objectName();
            QTimer::singleShot(0, dialog.findChild<QPushButton*>("cmdCancel"), &QPushButton::click);
        });
        Press(Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("frmOptions"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(window_->Settings().Language, DevelopmentLanguage::VB);
        QVERIFY(!QFile::exists(test::SettingsFilePath())); // Cancel wrote nothing
        WaitUntilActiveAgain();
        QCOMPARE(FocusName(), QStringLiteral("Options")); // back where the user left off
    }

    void spaceAndEnterRunEachCommandOnce() {
        FocusToolbarButton("Help");
        QStringList opened;
        WhenModalOpens([&](QWidget& dialog) {
            opened << dialog.objectName();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        Press(Qt::Key_Space);
        QCOMPARE(opened, QStringList{"frmHelp"});
        WaitUntilActiveAgain();

        Press(Qt::Key_Left);
        Press(Qt::Key_Left);
        QCOMPARE(FocusName(), QStringLiteral("Navigate"));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        Press(Qt::Key_Enter, Qt::KeypadModifier);
        // A held key repeats its press: the command still runs once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.Urls, QList<QUrl>{QUrl(QString::fromLatin1(ProductWebPage))});

        Press(Qt::Key_Home);
        Press(Qt::Key_Right);
        QCOMPARE(FocusName(), QStringLiteral("Copy"));
        Press(Qt::Key_Return);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("'==="));
        QCOMPARE(FocusName(), QStringLiteral("txtSubName"));
        QCOMPARE(endings_, 0);
    }

    void mouseClicksLeaveTheFocusAlone() {
        Child<QWidget>("txtSubPurpose")->setFocus();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        QTest::mouseClick(Child<QToolButton>("Navigate"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.Urls.size(), 1);
        QCOMPARE(FocusName(), QStringLiteral("txtSubPurpose"));
        QCOMPARE(Child<QToolButton>("Navigate")->toolTip(), QStringLiteral("Visit Our WebSite"));

        FocusToolbarButton("Exit");
        Press(Qt::Key_Space);
        QCOMPARE(endings_, 1);
    }
};

QUILLMARK_WINDOW_TEST_MAIN(ToolbarKeyboardTest)
#include "toolbarKeyboardTest.moc"
