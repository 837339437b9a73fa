#include "comments/CopyOperation.h"

#include "comments/frmFreeComments.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace quillmark;

class CopyOperationTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheSelectedOptionOfEachGroup() {
        ProcedureDescription description;
        QCOMPARE(CopyOperation::ReadKind(description), ProcedureKind::None);
        QCOMPARE(CopyOperation::ReadAccess(description), AccessLevel::None);

        description.optProperty = true;
        description.optProtected = true;
        QCOMPARE(CopyOperation::ReadKind(description), ProcedureKind::Property);
        QCOMPARE(CopyOperation::ReadAccess(description), AccessLevel::Protected);

        // Read in the order Function, Sub, Property, General: the last one selected counts.
        description = {};
        description.optFunction = true;
        description.optSub = true;
        description.optPrivate = true;
        description.optPublic = true;
        QCOMPARE(CopyOperation::ReadKind(description), ProcedureKind::Sub);
        QCOMPARE(CopyOperation::ReadAccess(description), AccessLevel::Public);
    }

    void gathersFieldsSettingsAndClock() {
        ProcedureDescription description;
        description.optFunction = true;
        description.optPrivate = true;
        description.Name = QStringLiteral(" GetTotal ");
        description.Purpose = QStringLiteral("Adds up");
        description.Returns = QStringLiteral("Total");
        description.Parameters = {{QStringLiteral("id"), {}, QStringLiteral("Long"), {}}};
        const GlobalSettings settings{QStringLiteral("A. Developer"), DevelopmentLanguage::Custom,
                                      QStringLiteral("REM "), QStringLiteral("*/")};
        const QDateTime now(QDate(1998, 12, 5), QTime(10, 0));

        const CommentRequest request = CopyOperation::GatherRequest(description, settings, now);
        QCOMPARE(request.Kind, ProcedureKind::Function);
        QCOMPARE(request.Access, AccessLevel::Private);
        QCOMPARE(request.Name, QStringLiteral(" GetTotal "));
        QCOMPARE(request.Purpose, QStringLiteral("Adds up"));
        QCOMPARE(request.Returns, QStringLiteral("Total"));
        QCOMPARE(request.Parameters.size(), 1);
        QCOMPARE(request.Parameters.first().Type, QStringLiteral("Long"));
        QCOMPARE(request.Language, DevelopmentLanguage::Custom);
        QCOMPARE(request.BeginFree, QStringLiteral("REM "));
        QCOMPARE(request.EndFree, QStringLiteral("*/"));
        QCOMPARE(request.DeveloperName, QStringLiteral("A. Developer"));
        QCOMPARE(request.Today, now);
        QVERIFY(request.FreeTextLines.isEmpty());
    }

    void leavesOnlyThePlainTextOnTheClipboard() {
        auto* previous = new QMimeData;
        previous->setHtml(QStringLiteral("<b>old</b>"));
        previous->setText(QStringLiteral("old"));
        QGuiApplication::clipboard()->setMimeData(previous);

        const QString block = QString::fromUtf8("'  Grüße ✓\r\n");
        CopyOperation::Deliver(block);
        const QMimeData* now = QGuiApplication::clipboard()->mimeData();
        QVERIFY(now != nullptr);
        QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(now->text(), block);
    }

    void freeTextDialogOkKeepsTheTextReadable() {
        frmFreeComments dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Free Text Comments"));
        QVERIFY(!dialog.OKPressed);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
        QVERIFY(text != nullptr);
        QCOMPARE(QApplication::focusWidget(), text);

        QTest::keyClicks(text, QStringLiteral("one"));
        QTest::keyClick(text, Qt::Key_Return); // not the default button: a new line
        QVERIFY(dialog.isVisible());
        QTest::keyClick(text, Qt::Key_X, Qt::AltModifier); // an Alt chord types nothing
        QTest::keyClicks(text, QStringLiteral("two"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(dialog.OKPressed);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.CommentText(), QStringLiteral("one\r\ntwo"));
    }

    void freeTextDialogEscapeAndCloseCountAsCancel() {
        frmFreeComments dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Entering the text box selects its whole text.
        auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
        text->setPlainText(QStringLiteral("abc\ndef"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        ok->setFocus();
        QVERIFY(!text->hasFocus());
        text->setFocus();
        QCOMPARE(text->textCursor().selectedText().size(), 7);

        ok->click();
        QVERIFY(dialog.OKPressed);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.OKPressed);
        QVERIFY(!dialog.isVisible());
        dialog.OKPressed = true;
        dialog.show();
        dialog.close();
        QVERIFY(!dialog.OKPressed);
    }
};

QTEST_MAIN(CopyOperationTest)
#include "CopyOperationTest.moc"
