#include "shell/HelpTexts.h"
#include "shell/ShellTestSupport.h"
#include "shell/frmHelp.h"
#include "support/ClippedCaptions.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

using namespace quillmark;

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    static bool FrontPageIs(const frmHelp& help, int index) {
        const QObjectList children = help.children();
        const auto front =
            children.indexOf(help.findChild<QFrame*>(QStringLiteral("Frames(%1)").arg(index)));
        const auto back =
            children.indexOf(help.findChild<QFrame*>(QStringLiteral("Frames(%1)").arg(1 - index)));
        return front > back;
    }

private slots:
    void hotKeyListIsExact() {
        const QString list = HelpTexts::HotKeyList();
        QCOMPARE(list.size(), 528);
        QVERIFY(list.endsWith("V   - General / Access Private\r\n"));
        const QStringList lines = list.split("\r\n");
        QCOMPARE(lines.size(), 19); // 18 lines, each ended
        QCOMPARE(lines.at(0), QStringLiteral("USAGE: ALT + Key"));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(5), QStringLiteral("C   - ** APP HotKey for \"Copy to Clipboard\" **"));
        QString letters;
        for (qsizetype index = 3; index < 18; ++index) {
            QCOMPARE(lines.at(index).mid(1, 5), QStringLiteral("   - "));
            letters += lines.at(index).at(0);
        }
        QCOMPARE(letters, QStringLiteral("ABCEFGINOPRSTUV"));
        QVERIFY(!list.contains("\n\n") && list.count('\n') == list.count("\r\n"));
    }

    void captionsFitTheirControls() {
        const test::DialogFontInUse font;
        frmHelp help;
        help.show();
        const QStringList clipped = test::ClippedCaptions(help);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    }

    void opensOnTheFirstPageWithTheExactTexts() {
        frmHelp help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.windowTitle(), QStringLiteral("Quillmark - Quick Help"));
        auto* tabs = help.findChild<QTabBar*>("TabStrip1");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("General Information"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Application HotKeys"));
        QCOMPARE(tabs->tabData(1).toString(), QStringLiteral("HotKeys"));
        QVERIFY(FrontPageIs(help, 0));
        QCOMPARE(QApplication::focusWidget(), help.findChild<QPushButton*>("cmdOK"));
        QCOMPARE(help.findChild<QLabel*>("Label2")->text(),
                 QStringLiteral("NOTE - <ALT>-C is the app HotKey for Copy to Clipboard"));
        QVERIFY(help.findChild<QLabel*>("Label3")->text().startsWith(
            "Quillmark is designed by a developer for developers.  By filling"));
        QCOMPARE(help.findChild<QPlainTextEdit*>("Text1")->toPlainText(),
                 HelpTexts::HotKeyList().replace("\r\n", "\n"));

        tabs->setCurrentIndex(1);
        QVERIFY(FrontPageIs(help, 1));
        QCOMPARE(QApplication::focusWidget(), help.findChild<QPushButton*>("cmdOK"));
    }

    void enterClosesAndEscapeDoesNot() {
        frmHelp help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(help.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!help.isVisible());
    }
};

QUILLMARK_WINDOW_TEST_MAIN(HelpWindowTest)
#include "helpWindowTest.moc"
