#include "params/DialogTestSupport.h"
#include "params/ParamTypeCatalogue.h"
#include "params/frmParamAdd.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"
#include "support/ClippedCaptions.h"
#include "support/IsolatedEnvironment.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace quillmark;
using quillmark::test::WhenModalOpens;

namespace {

RegIni SettingsFile() {
    RegIni ini;
    ini.FileName(QString::fromLatin1(SettingsFileName));
    return ini;
}

// The stored values of the given keys of one section, "<missing>" for an absent one.
QStringList Stored(const QString& section, const QStringList& keys) {
    QStringList values;
    for (const QString& key : keys) {
        values << SettingsFile().GetIniString(section, key, QStringLiteral("<missing>"));
    }
    return values;
}

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int index = 0; index < box.count(); ++index) {
        items << box.itemText(index);
    }
    return items;
}

// Answers the add-type prompt with OK and the given text, or with Cancel; `seen` receives the
// prompt's title, label and preset text.
void AnswerPrompt(const QString& answer, bool ok = true, QStringList* seen = nullptr) {
    WhenModalOpens<QInputDialog>([=](QInputDialog& prompt) {
        if (seen != nullptr) {
            *seen = {prompt.windowTitle(), prompt.labelText(), prompt.textValue()};
        }
        prompt.setTextValue(answer);
        ok ? prompt.accept() : prompt.reject();
    });
}

// A catalogue as a hand-edited file gives it: int, an empty entry, three blanks, long.
ParamTypeCatalogue MixedCatalogue() {
    ParamTypeCatalogue catalogue(4);
    catalogue.SetEntry(1, QStringLiteral("int"));
    catalogue.SetEntry(3, QStringLiteral("   "));
    catalogue.SetEntry(4, QStringLiteral("long"));
    return catalogue;
}

} // namespace

class ParamAddDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { session_.StartRun(); }
    void init() { session_.StartTest(); }
    void cleanup() { session_.CheckNoStrayMessages(); }

    void typeListFiltersByLanguage() {
        ParamTypeCatalogues catalogues;
        catalogues.ParamTypesVB = MixedCatalogue();
        catalogues.ParamTypesVC = MixedCatalogue();

        frmParamAdd visualBasic(DevelopmentLanguage::VB, catalogues);
        QCOMPARE(Items(*visualBasic.cmbParamType()), QStringList({"int", "   ", "long"}));
        QCOMPARE(visualBasic.cmbParamType()->currentIndex(), -1);
        QCOMPARE(visualBasic.cmbParamType()->currentText(), QString());
        QVERIFY(!visualBasic.OKPressed());

        frmParamAdd cpp(DevelopmentLanguage::VC, catalogues);
        QCOMPARE(Items(*cpp.cmbParamType()), QStringList({"int", "long"}));
        QCOMPARE(cpp.cmbParamType()->currentText(), QString());

        frmParamAdd delphi(DevelopmentLanguage::Delphi, catalogues);
        QCOMPARE(delphi.cmbParamType()->count(), 0);
    }

    void captionsFitTheirControls() {
        const test::DialogFontInUse font;
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        dialog.show();
        const QStringList clipped = test::ClippedCaptions(dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    }

    // The "+" is made of whole pixels on any screen: drawn at the screen's density, not the
    // design-size picture enlarged (this suite runs again on a screen of twice the density).
    void theAddTypePictureIsSharpOnThisScreen() {
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        QPushButton& button = *dialog.cmdAddType();
        const qreal ratio = button.devicePixelRatioF();
        const QImage picture = button.icon()
                                   .pixmap(button.iconSize(), ratio)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), button.iconSize() * ratio);
        int green = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    continue;
                }
                QCOMPARE(QColor::fromRgba(pixel), QColor(Qt::darkGreen));
                ++green;
            }
        }
        QVERIFY(green > 0);
    }

    void typeListShowsEveryEntryWhole() {
        // The list sizes all its entries like the first; none may come out clipped or overlap.
        ParamTypeCatalogues catalogues;
        const QStringList names = {
            "int",       "Grüße",       "東京", "   ",
            "Variant ✓", "ÀÉÎÕÜ_gjpqy", "x",    QString(200, QLatin1Char('W'))};
        for (const QString& name : names) {
            catalogues.ParamTypesVB.Append(name);
        }
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QComboBox& box = *dialog.cmbParamType();
        box.showPopup();
        QAbstractItemView& list = *box.view();
        QTRY_VERIFY(list.isVisible());

        QStyleOptionViewItem option;
        option.initFrom(&list);
        int previousBottom = -1;
        for (int row = 0; row < box.count(); ++row) {
            const QModelIndex index = box.model()->index(row, 0);
            const QRect shown = list.visualRect(index);
            const int needed = list.itemDelegateForIndex(index)->sizeHint(option, index).height();
            QVERIFY2(shown.height() >= needed, qPrintable(names.at(row)));
            QCOMPARE(shown.top(), previousBottom + 1);
            previousBottom = shown.bottom();
        }
        box.hidePopup();
    }

    void threeTypesInOneOpeningTakeTheNextNumbers() {
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VC, catalogues);
        dialog.show();
        dialog.cmbParamType()->setEditText(QStringLiteral("typed"));

        QStringList seen;
        AnswerPrompt(QStringLiteral("int"), true, &seen);
        dialog.cmdAddType()->click();
        AnswerPrompt(QStringLiteral("char*"));
        dialog.cmdAddType()->click();
        AnswerPrompt(QStringLiteral("int")); // a repeated name is stored again
        dialog.cmdAddType()->click();
        QCOMPARE(seen,
                 QStringList({"Add New Parameter - C/C++",
                              "Please specify the new parameter type to add to your list", ""}));

        QCOMPARE(Items(*dialog.cmbParamType()), QStringList({"int", "char*", "int"}));
        QCOMPARE(dialog.cmbParamType()->currentIndex(), -1);
        QCOMPARE(dialog.cmbParamType()->currentText(), QStringLiteral("typed"));

        QCOMPARE(Stored("Param Types VC", {"Number", "Param1", "Param2", "Param3"}),
                 QStringList({"3", "int", "char*", "int"}));
        QCOMPARE(catalogues.ParamTypesVC.Size(), 3);
        QCOMPARE(catalogues.ParamTypesVC.Entry(2), QStringLiteral("char*"));

        // Types added in one opening are offered by the next.
        frmParamAdd next(DevelopmentLanguage::VC, catalogues);
        QCOMPARE(Items(*next.cmbParamType()), QStringList({"int", "char*", "int"}));
    }

    void answersAndFieldsKeepToOneLine() {
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VC, catalogues);
        dialog.show();
        AnswerPrompt(QStringLiteral("unsigned\nint\r\n"));
        dialog.cmdAddType()->click();
        QCOMPARE(Stored("Param Types VC", {"Param1"}), QStringList({"unsigned int"}));
        QGuiApplication::clipboard()->setText(QStringLiteral("\r\nname\r\n"));
        for (QLineEdit* box : {dialog.txtParamName(), dialog.cmbParamType()->lineEdit(),
                               dialog.txtParamDescription()}) {
            box->paste();
            QCOMPARE(box->text(), QStringLiteral("name"));
        }
    }

    void cancelledPromptAddsNothingButAnEmptyAnswerCounts() {
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        dialog.show();

        AnswerPrompt(QStringLiteral("ignored"), false);
        dialog.cmdAddType()->click();
        QCOMPARE(dialog.cmbParamType()->count(), 0);
        QCOMPARE(catalogues.ParamTypesVB.Size(), 0);
        QCOMPARE(Stored("Param Types VB", {"Number"}), QStringList{"<missing>"});

        AnswerPrompt(QString());
        dialog.cmdAddType()->click();
        QCOMPARE(Items(*dialog.cmbParamType()), QStringList({QString()}));
        QCOMPARE(catalogues.ParamTypesVB.Size(), 1);
        QCOMPARE(Stored("Param Types VB", {"Number"}), QStringList{"1"});
    }

    void countIsTakenAfterThePromptCloses() {
        // Another running copy adds a type while this copy's prompt is open: both are kept.
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::Delphi, catalogues);
        dialog.show();
        WhenModalOpens<QInputDialog>([](QInputDialog& prompt) {
            ParamTypeCatalogueStore::Append(DevelopmentLanguage::Delphi, QStringLiteral("other"));
            prompt.setTextValue(QStringLiteral("mine"));
            prompt.accept();
        });
        dialog.cmdAddType()->click();

        QCOMPARE(Stored("Param Types Delphi", {"Number", "Param1", "Param2"}),
                 QStringList({"2", "other", "mine"}));
    }

    void failedWriteIsReportedAndTheTypeStillHolds() {
        // The settings folder cannot exist: a plain file stands where it should be.
        const QString folder = QFileInfo(SettingsFile().ProfilePath()).absolutePath();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::Custom, catalogues);
        dialog.show();
        AnswerPrompt(QStringLiteral("T*"));
        dialog.cmdAddType()->click();

        const QStringList messages = session_.TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().startsWith(u"Quillmark|"), qPrintable(messages.front()));
        QVERIFY2(messages.front().contains(SettingsFile().ProfilePath()),
                 qPrintable(messages.front()));
        QCOMPARE(Items(*dialog.cmbParamType()), QStringList({"T*"}));
        QCOMPARE(catalogues.ParamTypesCustom.Size(), 1);
    }

    void handEditedLanguageOffersNoCatalogueAndWritesNothing() {
        ParamTypeCatalogues catalogues;
        catalogues.ParamTypesVB = MixedCatalogue();
        frmParamAdd dialog(static_cast<DevelopmentLanguage>(7), catalogues);
        dialog.show();
        QCOMPARE(dialog.cmbParamType()->count(), 0);

        QStringList seen;
        AnswerPrompt(QStringLiteral("word"), true, &seen);
        dialog.cmdAddType()->click();
        QCOMPARE(seen.value(0), QStringLiteral("Add New Parameter - "));
        QCOMPARE(Items(*dialog.cmbParamType()), QStringList({"word"}));
        QVERIFY(!QFile::exists(SettingsFile().ProfilePath()));
        // Not kept, so the user is told, with the number to correct.
        const QStringList messages = session_.TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(u"language number 7"), qPrintable(messages.front()));
    }

    void altKeysMoveTheFocusAndTypeNothing() {
        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.txtParamName()->setFocus();

        QTest::keyClick(dialog.txtParamName(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.cmbParamType());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.txtParamDescription());
        // Ctrl held as well matches no access key, so the press reaches the text box, which
        // would type the letter unless the dialog swallowed it.
        QTest::keyClick(dialog.txtParamDescription(), Qt::Key_N,
                        Qt::AltModifier | Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.txtParamName());
        QCOMPARE(dialog.txtParamName()->text(), QString());
        QCOMPARE(dialog.txtParamDescription()->text(), QString());
        QCOMPARE(dialog.cmbParamType()->currentText(), QString());

        QTest::keyClick(dialog.txtParamName(), Qt::Key_T);
        QCOMPARE(dialog.txtParamName()->text(), QStringLiteral("t"));
        QCOMPARE(QApplication::focusWidget(), dialog.txtParamName());

        // Alt chords that are no access key here (the window's Alt+B, Alt+I) type nothing either,
        // in the dialog's boxes or in the add-type prompt.
        QTest::keyClick(dialog.txtParamName(), Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(dialog.txtParamDescription(), Qt::Key_I, Qt::AltModifier);
        QCOMPARE(dialog.txtParamName()->text(), QStringLiteral("t"));
        QCOMPARE(dialog.txtParamDescription()->text(), QString());
        QString answered;
        WhenModalOpens<QInputDialog>([&answered](QInputDialog& prompt) {
            auto* answer = prompt.findChild<QLineEdit*>();
            QTest::keyClicks(answer, QStringLiteral("int"));
            QTest::keyClick(answer, Qt::Key_C, Qt::AltModifier);
            answered = answer->text();
            prompt.reject();
        });
        dialog.cmdAddType()->click();
        QCOMPARE(answered, QStringLiteral("int"));
    }

    void typingWithTheListOpenGoesIntoTheField() {
        ParamTypeCatalogues catalogues;
        for (const char* name : {"Integer", "Long"}) {
            catalogues.ParamTypesVB.Append(QString::fromLatin1(name));
        }
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QComboBox& type = *dialog.cmbParamType();
        type.setFocus();
        type.showPopup();
        QTRY_VERIFY(type.view()->isVisible());

        // The list itself would look up "I", then take "Integer" on Enter.
        QTest::keyClicks(type.view(), QStringLiteral("I"));
        QTRY_VERIFY(!type.view()->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("nt32"));
        QCOMPARE(type.currentText(), QStringLiteral("Int32"));
        // A character composed with a dead key comes as an input method's commit, not a press.
        type.showPopup();
        QTRY_VERIFY(type.view()->isVisible());
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u00E9"));
        QCoreApplication::sendEvent(type.view(), &composed);
        QTRY_VERIFY(!type.view()->isVisible());
        QCOMPARE(type.currentText(), QStringLiteral("Int32\u00E9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dialog.OKPressed());
        QCOMPARE(type.currentText(), QStringLiteral("Int32\u00E9"));
    }

    void enterIsOkAndEscapeIsCancel_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Enter in name") << "txtParamName" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in type") << "cmbParamType" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in description")
            << "txtParamDescription" << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape in name") << "txtParamName" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape in type") << "cmbParamType" << int(Qt::Key_Escape) << false;
    }
    void enterIsOkAndEscapeIsCancel() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(bool, ok);
        ParamTypeCatalogues catalogues;
        catalogues.ParamTypesVB = MixedCatalogue();
        frmParamAdd dialog(DevelopmentLanguage::VB, catalogues);
        bool closed = false;
        WhenModalOpens<frmParamAdd>([&](frmParamAdd& shown) {
            auto* target = shown.findChild<QWidget*>(field);
            target->setFocus();
            QWidget* receiver = QApplication::focusWidget();
            QTest::keyClicks(receiver, QStringLiteral("lo"));
            QTest::keyClick(receiver, static_cast<Qt::Key>(key));
            closed = !shown.isVisible();
        });
        dialog.exec();
        QVERIFY(closed);
        QCOMPARE(dialog.OKPressed(), ok);
        // Enter in the type field takes the typed text as it stands, not a completion.
        QCOMPARE(dialog.cmbParamType()->count(), 3);
        if (field == QLatin1String("cmbParamType")) {
            QCOMPARE(dialog.cmbParamType()->currentText(), QStringLiteral("lo"));
        }
    }

private:
    test::DialogTestSession session_;
};

QTEST_MAIN(ParamAddDialogTest)
#include "ParamAddDialogTest.moc"
