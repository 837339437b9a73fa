#include "comments/CommentBlockBuilder.h"
#include "params/ParamListModel.h"
#include "params/ParamListView.h"
#include "shell/Navigator1.h"
#include "shell/ShellTestSupport.h"
#include "shell/frmMain.h"
#include "support/ClippedCaptions.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <atomic>

using namespace quillmark;
using quillmark::test::UrlCatcher;
using quillmark::test::WhenModalOpens;

namespace {

QString ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

void SetClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmMain> window_;
    int endings_ = 0;

    template <typename T> T* Child(const char* name) const {
        return test::FindChild<T>(*window_, name);
    }
    QLineEdit* Field(const char* name) const { return Child<QLineEdit>(name); }
    ParamListModel* Model() const { return window_->ParamList().ParamModel(); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    bool FrontPageIs(int index) const {
        // The page in front is the later of the two among the window's children.
        const QObjectList children = window_->children();
        const auto front = children.indexOf(Child<QFrame>(index == 0 ? "frames(0)" : "frames(1)"));
        const auto back = children.indexOf(Child<QFrame>(index == 0 ? "frames(1)" : "frames(0)"));
        return front > back && Child<QFrame>("frames(0)")->isVisible() &&
               Child<QFrame>("frames(1)")->isVisible();
    }
    void AltClick(QWidget* target, Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QTest::keyClick(target, key, Qt::AltModifier | more);
    }
    void FillDescription() {
        Field("txtSubName")->setText("GetTotal");
        Field("txtSubPurpose")->setText("Adds up");
        Field("txtSubReturns")->setText("Total");
        Model()->AppendRow({"OrderID", "No", "Long", "Order to add up"});
    }
    void VerifyResetState() {
        QVERIFY(Child<QRadioButton>("optSub")->isChecked());
        QVERIFY(Child<QRadioButton>("optPublic")->isChecked());
        QVERIFY(Field("txtSubName")->text().isEmpty());
        QVERIFY(Field("txtSubPurpose")->text().isEmpty());
        QVERIFY(Field("txtSubReturns")->text().isEmpty());
        QCOMPARE(Model()->RowCount(), 0);
        QCOMPARE(Child<QTabBar>("TabStrip1")->currentIndex(), 0);
        QVERIFY(FrontPageIs(0));
        QCOMPARE(window_->focusWidget(), Field("txtSubName"));
    }

private slots:
    void init() { test::OpenFreshMainWindow(window_, endings_); }

    void cleanup() { window_.reset(); }

    void startsEmptyOnTheGeneralPage() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Quillmark"));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window_->windowIcon().isNull());
        QCOMPARE(Model()->ColumnCount(), 4);
        QCOMPARE(Focus(), Field("txtSubName"));
        VerifyResetState();
        QCOMPARE(window_->Settings().Language, DevelopmentLanguage::VB);
    }

    void captionsFitTheirControls() {
        const test::DialogFontInUse font;
        frmMain window; // made in the font, as the application makes it
        window.show();
        const QStringList clipped = test::ClippedCaptions(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    }

    void windowIconIsTheApplicationsOwnPictures() {
        const QIcon icon = window_->windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        for (const int size : {16, 32, 48, 64}) {
            const QImage expected(
                QStringLiteral(QUILLMARK_ICON_DIR "/%1x%1/apps/quillmark.png").arg(size));
            QVERIFY(!expected.isNull());
            QCOMPARE(icon.pixmap(size, size)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    void toolbarHoldsItsButtonsInOrder() {
        auto* toolbar = Child<QToolBar>("Toolbar1");
        QStringList keys;
        for (QAction* action : toolbar->actions()) {
            keys << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        }
        QCOMPARE(keys, (QStringList{"Exit", "|", "Copy", "Options", "|", "|", "|", "Navigate", "",
                                    "About", "Help"}));
        QCOMPARE(toolbar->actions().at(8), toolbar->actionAt(Child<QWidget>("Spacer")->pos()));
        const QStringList tips{"Exit Application",    "Copy Comments to Clipboard",
                               "Application Options", "Visit Our WebSite",
                               "About Quillmark",     "Quillmrk Help"};
        const QStringList buttons{"Exit", "Copy", "Options", "Navigate", "About", "Help"};
        for (qsizetype index = 0; index < buttons.size(); ++index) {
            auto* button = Child<QToolButton>(buttons.at(index).toLatin1().constData());
            QCOMPARE(button->toolTip(), tips.at(index));
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->width(), Child<QToolButton>("Exit")->width());
        }
        // "About" and "Help" stand at the right end, the gap before them.
        const int rightEnd = toolbar->contentsRect().right();
        QVERIFY(rightEnd - Child<QToolButton>("Help")->geometry().right() <= 8);
        const int gap = Child<QToolButton>("Help")->geometry().left() -
                        Child<QToolButton>("About")->geometry().right();
        QVERIFY(gap >= 1 && gap <= 8);
        QVERIFY(Child<QWidget>("Spacer")->width() > 0);
        for (const QString& button : buttons) {
            QVERIFY2(Child<QToolButton>(button.toLatin1().constData())->isVisible(),
                     qPrintable(button)); // nothing pushed into an overflow menu
        }
    }

    void languageFromTheSettingsFileSetsTheColumns() {
        window_.reset();
        test::WriteSettingsFile("[General]\r\nComments Type=2\r\nPersonal Name=Ann\r\n");
        window_ = std::make_unique<frmMain>();
        window_->Form_Load();
        QCOMPARE(window_->Settings().Language, DevelopmentLanguage::Delphi);
        QCOMPARE(window_->Settings().PersonalName, QStringLiteral("Ann"));
        QCOMPARE(Model()->ColumnCount(), 3);
    }

    void cataloguesAreReadBesideTheWindowOnceItIsUp() {
        window_.reset();
        QThread* const windowThread = QThread::currentThread();
        std::atomic<int> reads{0};
        std::atomic<bool> readByTheWindowThread{false};
        auto read = [&] {
            readByTheWindowThread = QThread::currentThread() == windowThread;
            ++reads;
            ParamTypeCatalogues catalogues;
            catalogues.ParamTypesVB.Append(QStringLiteral("Widget"));
            return catalogues;
        };
        window_ = std::make_unique<frmMain>();
        window_->Form_Load({GlobalSettings{}, PendingCatalogues(read)});
        QCOMPARE(reads.load(), 0); // nothing read before the window is on the screen
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTRY_COMPARE(reads.load(), 1);
        QVERIFY(!readByTheWindowThread);
        QCOMPARE(window_->Catalogues().ParamTypesVB.Entry(1), QStringLiteral("Widget"));
        window_->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(reads.load(), 1);

        // A window never shown reads them when first asked, once.
        window_ = std::make_unique<frmMain>();
        window_->Form_Load({GlobalSettings{}, PendingCatalogues(read)});
        QCOMPARE(window_->Catalogues().ParamTypesVB.Size(), 1);
        QCOMPARE(window_->Catalogues().ParamTypesVB.Size(), 1);
        QCOMPARE(reads.load(), 2);
        QVERIFY(readByTheWindowThread);
    }

    void parameterListIsBuiltOnceTheWindowIsUp() {
        window_ = std::make_unique<frmMain>();
        window_->Form_Load();
        QVERIFY(window_->findChild<ParamListView*>("lstParams") == nullptr);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTRY_VERIFY(window_->findChild<ParamListView*>("lstParams") != nullptr);
        auto* list = Child<ParamListView>("lstParams");
        QCOMPARE(list, &window_->ParamList());
        QCOMPARE(list->parentWidget(), Child<QFrame>("frames(1)"));
        QVERIFY(list->isVisible());
        // The columns the start-up rule left in the model.
        QCOMPARE(list->header()->count(), list->ParamModel()->ColumnCount());
        // In the tab order between the last option and Add.
        QCOMPARE(list->previousInFocusChain(), Child<QRadioButton>("optPrivate"));
        QWidget* next = list->nextInFocusChain();
        while (list->isAncestorOf(next)) {
            next = next->nextInFocusChain();
        }
        QCOMPARE(next, Child<QPushButton>("cmdParamAdd"));
        Child<QTabBar>("TabStrip1")->setCurrentIndex(1);
        QTRY_COMPARE(Focus(), Child<QPushButton>("cmdParamAdd"));
        QVERIFY(FrontPageIs(1));
    }

    void parameterPageWorksBeforeTheListIsBuilt() {
        // A window not yet painted: Remove and the Parameters tab build the list they act on.
        window_ = std::make_unique<frmMain>();
        window_->Form_Load();
        Child<QPushButton>("cmdParamRemove")->click(); // nothing selected: nothing removed
        QVERIFY(window_->findChild<ParamListView*>("lstParams") != nullptr);

        window_ = std::make_unique<frmMain>();
        window_->Form_Load();
        Child<QTabBar>("TabStrip1")->setCurrentIndex(1);
        QVERIFY(window_->findChild<ParamListView*>("lstParams") != nullptr);
    }

    void hotKeysMoveTheFocusAndSelectTheField() {
        Field("txtSubPurpose")->setText("purpose");
        Field("txtSubReturns")->setText("returns");
        AltClick(Focus(), Qt::Key_E);
        QCOMPARE(Focus(), Field("txtSubPurpose"));
        QCOMPARE(Field("txtSubPurpose")->selectedText(), QStringLiteral("purpose"));
        AltClick(Focus(), Qt::Key_I, Qt::ShiftModifier); // Shift as well still counts
        QCOMPARE(Focus(), Field("txtSubReturns"));
        QCOMPARE(Field("txtSubReturns")->selectedText(), QStringLiteral("returns"));
        QTest::keyClick(Focus(), Qt::Key_B, Qt::AltModifier | Qt::ControlModifier);
        QCOMPARE(Focus(), Field("txtSubName"));
        QVERIFY(Field("txtSubName")->selectedText().isEmpty()); // an empty field: caret at 0
        QCOMPARE(Field("txtSubName")->cursorPosition(), 0);

        // Already there: the focus stays and the selection is left alone.
        Field("txtSubName")->setText("abcdef");
        Field("txtSubName")->setSelection(2, 2);
        AltClick(Focus(), Qt::Key_B);
        QCOMPARE(Field("txtSubName")->selectedText(), QStringLiteral("cd"));
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("abcdef"));
    }

    void hotKeysReachTheCoveredPage() {
        AltClick(Focus(), Qt::Key_P);
        QTRY_COMPARE(Child<QTabBar>("TabStrip1")->currentIndex(), 1);
        QVERIFY(FrontPageIs(1));
        QCOMPARE(Focus(), Child<QPushButton>("cmdParamAdd"));

        Field("txtSubPurpose")->setText("covered");
        AltClick(Focus(), Qt::Key_E);
        QCOMPARE(Focus(), Field("txtSubPurpose"));
        QCOMPARE(Field("txtSubPurpose")->selectedText(), QStringLiteral("covered"));
        QVERIFY(FrontPageIs(1)); // the page stays covered

        Field("txtSubName")->setText("name");
        AltClick(Focus(), Qt::Key_G);
        QTRY_COMPARE(Child<QTabBar>("TabStrip1")->currentIndex(), 0);
        QVERIFY(FrontPageIs(0));
        QCOMPARE(Focus(), Field("txtSubName"));
        QCOMPARE(Field("txtSubName")->selectedText(), QStringLiteral("name"));

        // The tab already in front, by its access key or the mouse, still takes the focus there.
        AltClick(Focus(), Qt::Key_E);
        AltClick(Focus(), Qt::Key_G);
        QCOMPARE(Focus(), Field("txtSubName"));
        QCOMPARE(Field("txtSubName")->selectedText(), QStringLiteral("name"));
        AltClick(Focus(), Qt::Key_E);
        auto* tabs = Child<QTabBar>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(Focus(), Field("txtSubName"));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void addAccessKeyWorksFromTheGeneralPage() {
        QString opened;
        WhenModalOpens([&](QWidget& dialog) {
            opened = dialog.objectName();
            dialog.close();
        });
        AltClick(Focus(), Qt::Key_A);
        QTRY_COMPARE(opened, QStringLiteral("frmParamAdd"));
        QCOMPARE(Model()->RowCount(), 0);
        QVERIFY(FrontPageIs(0));
    }

    void optionsSendTheFocusBackToTheName() {
        Field("txtSubName")->setText("Main");
        const char* options[] = {"optFunction", "optProperty", "optProtected",
                                 "optPrivate",  "optPublic",   "optSub"};
        for (const char* name : options) {
            Field("txtSubPurpose")->setFocus();
            QTest::mouseClick(Child<QRadioButton>(name), Qt::LeftButton);
            QVERIFY2(Child<QRadioButton>(name)->isChecked(), name);
            QCOMPARE(Focus(), Field("txtSubName"));
            QCOMPARE(Field("txtSubName")->selectedText(), QStringLiteral("Main"));
        }
        // By access key: Alt+F picks Function and ends in the name field.
        Field("txtSubReturns")->setFocus();
        AltClick(Focus(), Qt::Key_F);
        QTRY_VERIFY(Child<QRadioButton>("optFunction")->isChecked());
        QTRY_COMPARE(Focus(), Field("txtSubName"));
        AltClick(Focus(), Qt::Key_V);
        QTRY_VERIFY(Child<QRadioButton>("optPrivate")->isChecked());
        QVERIFY(!Field("txtSubName")->text().contains('v'));

        // By arrow key within a group: the group gives the next option the focus after its click.
        QTest::mouseClick(Child<QRadioButton>("optSub"), Qt::LeftButton);
        Child<QRadioButton>("optSub")->setFocus();
        QTest::keyClick(Focus(), Qt::Key_Down);
        QVERIFY(Child<QRadioButton>("optProperty")->isChecked());
        QTRY_COMPARE(Focus(), Field("txtSubName"));
        Child<QRadioButton>("optPrivate")->setFocus();
        QTest::keyClick(Focus(), Qt::Key_Up);
        QVERIFY(Child<QRadioButton>("optPublic")->isChecked());
        QTRY_COMPARE(Focus(), Field("txtSubName"));
    }

    void copyPutsTheBlockOnTheClipboardAndResets() {
        FillDescription();
        QTest::mouseClick(Child<QRadioButton>("optFunction"), Qt::LeftButton);
        QTest::mouseClick(Child<QRadioButton>("optPrivate"), Qt::LeftButton);
        Child<QTabBar>("TabStrip1")->setCurrentIndex(1);
        QTest::mouseClick(Child<QToolButton>("Copy"), Qt::LeftButton);

        const QString block = ClipboardText();
        QVERIFY(block.startsWith("'==="));
        QVERIFY(block.contains("'  Private Function GetTotal\r\n"));
        QVERIFY(block.contains("'      Adds up\r\n"));
        QVERIFY(
            block.contains("'      Long                 OrderID           Order to add up\r\n"));
        QVERIFY(block.contains("'      Total\r\n"));
        QVERIFY(block.contains(FormatCommentDate(QDate::currentDate())));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(),
                 QStringList{QStringLiteral("text/plain")});
        VerifyResetState();
        QVERIFY(window_->isMinimized());
    }

    // A line copied from an editor often ends in a line break; pasted into a one-line box it must
    // not put a bare line end inside the block.
    void pastedLineBreaksStayOutOfTheBlock() {
        SetClipboard("Get\r\nTotal\n");
        Field("txtSubName")->paste();
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("Get Total"));
        QCOMPARE(Field("txtSubName")->cursorPosition(), 9);
        SetClipboard("\nAdds up\r");
        Field("txtSubPurpose")->paste();
        QCOMPARE(Field("txtSubPurpose")->text(), QStringLiteral("Adds up"));
        AltClick(Focus(), Qt::Key_C);
        const QString block = ClipboardText();
        QVERIFY(block.contains("'  Public Sub Get Total\r\n"));
        QVERIFY(block.contains("'      Adds up\r\n"));
        QCOMPARE(block.count(u'\r'), block.count(u"\r\n"));
        QCOMPARE(block.count(u'\n'), block.count(u"\r\n"));
    }

    // Coming back to the window (from a dialog or another application) is no move of the focus:
    // the caret stays where it was, so the next key does not replace the text.
    void returningToTheWindowKeepsTheCaret() {
        QTest::keyClicks(Field("txtSubName"), "abcdef");
        QTest::keyClick(Field("txtSubName"), Qt::Key_Home);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(window_.get());
        QCOMPARE(Focus(), Field("txtSubName"));
        QVERIFY(Field("txtSubName")->selectedText().isEmpty());
        QTest::keyClicks(Field("txtSubName"), "X");
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("Xabcdef"));
    }

    void altCCopiesTheNameWithoutTypingTheLetter() {
        QTest::keyClicks(Field("txtSubName"), "Main");
        AltClick(Field("txtSubName"), Qt::Key_C);
        QVERIFY(ClipboardText().contains("'  Public Sub Main\r\n"));
        VerifyResetState();
    }

    // Alt+C is also Cancel in the dialogs: it closes one on its press, and its release then
    // arrives at the window. That release must not copy and clear what the dialog was opened on.
    void altCThatCancelledADialogDoesNotCopy() {
        FillDescription();
        SetClipboard("untouched");
        QString opened;
        WhenModalOpens([&opened](QWidget& dialog) {
            opened = dialog.objectName();
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        });
        AltClick(Focus(), Qt::Key_A);
        QTRY_COMPARE(opened, QStringLiteral("frmParamAdd"));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr); // Alt+C pressed Cancel
        QTest::keyRelease(window_->focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("GetTotal"));
        QCOMPARE(Model()->RowCount(), 1);
        // A press and release in the window itself still copies.
        AltClick(window_->focusWidget(), Qt::Key_C);
        QVERIFY(ClipboardText().contains("GetTotal"));
    }

    void keyReleasesWithoutAltDoNothing() {
        SetClipboard("untouched");
        Field("txtSubName")->setText("Main");
        QTest::keyClick(Field("txtSubName"), Qt::Key_C, Qt::ControlModifier);
        window_->Form_KeyUp(Qt::Key_C, 2); // Ctrl alone
        window_->Form_KeyUp(Qt::Key_X, 4); // Alt with a letter of no meaning
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("Main"));
        window_->Form_KeyUp(Qt::Key_C, 2 | 4); // Ctrl+Alt+C copies
        QVERIFY(ClipboardText().contains("'  Public Sub Main\r\n"));
    }

    void generalOkCopiesTheFreeText() {
        FillDescription();
        WhenModalOpens([](QWidget& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmFreeComments"));
            auto* text = dialog.findChild<QPlainTextEdit*>("txtComments");
            QVERIFY(text->toPlainText().isEmpty());
            // A leading zero-width no-break space and a no-break space stay as typed; a line
            // separator (Shift+Enter) breaks the line as it shows.
            text->setPlainText(QChar(0xFEFF) +
                               QString::fromUtf8("Grüße,\u00A0東京, ✓\nsecond\u2028third"));
            dialog.findChild<QPushButton*>("cmdOK")->click();
        });
        QTest::mouseClick(Child<QRadioButton>("optGeneral"), Qt::LeftButton);
        QCOMPARE(ClipboardText(), QString::fromUtf8("'========================================"
                                                    "================================\r\n"
                                                    "' \uFEFFGrüße,\u00A0東京, ✓\r\n"
                                                    "' second\r\n"
                                                    "' third\r\n"
                                                    "'----------------------------------------"
                                                    "--------------------------------\r\n"));
        VerifyResetState();
        QVERIFY(QDir(QDir::tempPath()).entryList({"~qm*"}, QDir::Files).isEmpty());

        // The next use starts with an empty dialog.
        window_->showNormal();
        bool empty = false;
        WhenModalOpens([&](QWidget& dialog) {
            empty = dialog.findChild<QPlainTextEdit*>("txtComments")->toPlainText().isEmpty();
            dialog.findChild<QPushButton*>("cmdCancel")->click();
        });
        QTest::mouseClick(Child<QRadioButton>("optGeneral"), Qt::LeftButton);
        QVERIFY(empty);
    }

    void generalCancelChangesOnlyTheKind() {
        FillDescription();
        SetClipboard("untouched");
        WhenModalOpens([](QWidget& dialog) {
            dialog.findChild<QPlainTextEdit*>("txtComments")->setPlainText("dropped");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(Child<QRadioButton>("optGeneral"), Qt::LeftButton);
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QVERIFY(Child<QRadioButton>("optSub")->isChecked());
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("GetTotal"));
        QCOMPARE(Field("txtSubPurpose")->text(), QStringLiteral("Adds up"));
        QCOMPARE(Field("txtSubReturns")->text(), QStringLiteral("Total"));
        QCOMPARE(Model()->RowCount(), 1);
        QCOMPARE(window_->focusWidget(), Field("txtSubName"));
        QVERIFY(!window_->isMinimized());
    }

    void generalByArrowKeyGivesTheNameTheFocusBack() {
        // The arrow key gives the General option the focus only after its dialog has closed.
        FillDescription();
        WhenModalOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QTest::mouseClick(Child<QRadioButton>("optProperty"), Qt::LeftButton);
        Child<QRadioButton>("optProperty")->setFocus();
        QTest::keyClick(Focus(), Qt::Key_Right);
        QVERIFY(Child<QRadioButton>("optSub")->isChecked());
        QTRY_COMPARE(window_->focusWidget(), Field("txtSubName"));
        QCOMPARE(Field("txtSubName")->selectedText(), QStringLiteral("GetTotal"));

        WhenModalOpens([](QWidget& dialog) {
            dialog.findChild<QPlainTextEdit*>("txtComments")->setPlainText("free");
            dialog.findChild<QPushButton*>("cmdOK")->click();
        });
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        Child<QRadioButton>("optProperty")->click();
        Child<QRadioButton>("optProperty")->setFocus();
        QTest::keyClick(Focus(), Qt::Key_Right);
        QVERIFY(ClipboardText().contains("' free\r\n"));
        QTRY_COMPARE(window_->focusWidget(), Field("txtSubName"));
    }

    void exitEndsTheRunWithoutSaving() {
        test::WriteSettingsFile("[General]\r\nPersonal Name=Ann\r\n");
        window_.reset();
        window_ = std::make_unique<frmMain>();
        window_->SetEndApplication([this] { ++endings_; });
        window_->Form_Load();
        window_->show();
        Field("txtSubName")->setText("half done");
        QTest::mouseClick(Child<QToolButton>("Exit"), Qt::LeftButton);
        QCOMPARE(endings_, 1);
        QVERIFY(!window_->isVisible());
        QFile file(test::SettingsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[General]\r\nPersonal Name=Ann\r\n"));
    }

    void toolbarKeysDispatchExactly() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        window_->Toolbar1_ButtonClick("Navigate");
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.Urls, QList<QUrl>{QUrl(QString::fromLatin1(ProductWebPage))});

        SetClipboard("untouched");
        Field("txtSubName")->setText("kept");
        for (const char* key : {"", "Spacer", "copy", "COPY", "exit", "Unknown"}) {
            window_->Toolbar1_ButtonClick(QString::fromLatin1(key));
        }
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QCOMPARE(Field("txtSubName")->text(), QStringLiteral("kept"));
        QCOMPARE(endings_, 0);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QStringList opened;
        const auto record = [&](QWidget& dialog) {
            opened << dialog.objectName();
            QTest::keyClick(&dialog, Qt::Key_Return);
        };
        WhenModalOpens(record);
        window_->Toolbar1_ButtonClick("About");
        WhenModalOpens(record);
        window_->Toolbar1_ButtonClick("Help");
        QCOMPARE(opened, (QStringList{"frmAbout", "frmHelp"}));
    }
};

QUILLMARK_WINDOW_TEST_MAIN(MainWindowTest)
#include "mainWindowTest.moc"
