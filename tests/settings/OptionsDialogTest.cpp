#include "params/DialogTestSupport.h"
#include "params/ParamListModel.h"
#include "params/ParamTypeCatalogue.h"
#include "params/ParameterList.h"
#include "params/frmParamAdd.h"
#include "settings/OptionsCommand.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"
#include "settings/frmOptions.h"
#include "support/ClippedCaptions.h"
#include "support/IsolatedEnvironment.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace quillmark;
using quillmark::test::WhenModalOpens;

namespace {

QString SettingsPath() {
    RegIni ini;
    ini.FileName(QString::fromLatin1(SettingsFileName));
    return ini.ProfilePath();
}

QByteArray SettingsText() {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Headers(const ParamListModel& list) {
    QStringList headers;
    for (int position = 1; position <= list.ColumnCount(); ++position) {
        headers << list.ColumnAt(position).Text;
    }
    return headers;
}

// The begin box, the end box and their label, visible or not.
QList<bool> CustomRemarksVisible(const frmOptions& dialog) {
    return {dialog.txtBeginComments()->isVisible(), dialog.txtEndComments()->isVisible(),
            dialog.lblCommentsHere()->isVisible()};
}
const QList<bool> Shown{true, true, true};
const QList<bool> Hidden{false, false, false};

// Runs the Options command with the dialog driven by the given steps.
void RunOptions(GlobalSettings& settings, ParamListModel& list,
                std::function<void(frmOptions&)> steps) {
    WhenModalOpens<frmOptions>(std::move(steps));
    OptionsCommand::Run(nullptr, settings, list);
}

// Makes the settings folder impossible to create: a plain file stands where it should be.
bool BlockSettingsFolder() {
    const QString folder = QFileInfo(SettingsPath()).absolutePath();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    return blocker.open(QIODevice::WriteOnly);
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { session_.StartRun(); }
    void init() { session_.StartTest(); }
    void cleanup() { session_.CheckNoStrayMessages(); }

    void captionsFitTheirControls() {
        const test::DialogFontInUse font;
        GlobalSettings settings{"", DevelopmentLanguage::Custom, "", ""};
        ParamListModel list;
        QStringList clipped;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            clipped = test::ClippedCaptions(dialog);
            dialog.cmdCancel()->click();
        });
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    }

    void opensWithTheCurrentSettings() {
        GlobalSettings settings{"A. Developer", DevelopmentLanguage::Custom, "/*", "*/"};
        ParamListModel list;
        QVariantList seen;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(CustomRemarksVisible(dialog), Shown);
            seen = {dialog.Option1(3)->isChecked(), dialog.txtName()->text(),
                    dialog.txtBeginComments()->text(), dialog.txtEndComments()->text(),
                    // opening on Custom does not move the focus into the begin box
                    QApplication::focusWidget() == dialog.txtBeginComments()};
            dialog.cmdCancel()->click();
        });
        QCOMPARE(seen, QVariantList({true, "A. Developer", "/*", "*/", false}));

        // Another language opens with the boxes hidden but holding the stored strings.
        settings.Language = DevelopmentLanguage::Delphi;
        seen.clear();
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QCOMPARE(CustomRemarksVisible(dialog), Hidden);
            seen = {dialog.Option1(2)->isChecked(), dialog.txtBeginComments()->text()};
            dialog.cmdCancel()->click();
        });
        QCOMPARE(seen, QVariantList({true, "/*"}));

        // It opens on the chosen option, where the arrow keys change the choice.
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            seen = {QApplication::focusWidget() == dialog.Option1(2)};
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            seen << dialog.Option1(1)->isChecked();
            dialog.cmdCancel()->click();
        });
        QCOMPARE(seen, QVariantList({true, true}));
    }

    void otherLanguageEmptiesTheCustomBoxesAndCustomTakesTheFocus() {
        GlobalSettings settings{"", DevelopmentLanguage::Custom, "{", "}"};
        ParamListModel list;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::mouseClick(dialog.Option1(2), Qt::LeftButton);
            QCOMPARE(CustomRemarksVisible(dialog), Hidden);
            QCOMPARE(dialog.txtBeginComments()->text(), QString());
            QCOMPARE(dialog.txtEndComments()->text(), QString());

            QTest::mouseClick(dialog.Option1(3), Qt::LeftButton);
            QCOMPARE(CustomRemarksVisible(dialog), Shown);
            QCOMPARE(dialog.txtBeginComments()->text(), QString());
            QCOMPARE(QApplication::focusWidget(), dialog.txtBeginComments());

            // By arrow key too: the option group gives the option the focus after its click.
            QTest::mouseClick(dialog.Option1(2), Qt::LeftButton);
            dialog.Option1(2)->setFocus();
            QTest::keyClick(dialog.Option1(2), Qt::Key_Down);
            QVERIFY(dialog.Option1(3)->isChecked());
            QTRY_COMPARE(QApplication::focusWidget(), dialog.txtBeginComments());

            // Entering a box selects its whole text.
            dialog.txtBeginComments()->setText(QStringLiteral("<!--"));
            dialog.txtName()->setFocus();
            dialog.txtBeginComments()->setFocus(Qt::MouseFocusReason);
            QCOMPARE(dialog.txtBeginComments()->selectedText(), QStringLiteral("<!--"));
            dialog.cmdCancel()->click();
        });
        // Cancel left everything as it was.
        QCOMPARE(settings.BeginFree, QStringLiteral("{"));
        QCOMPARE(settings.Language, DevelopmentLanguage::Custom);
        QVERIFY(!QFile::exists(SettingsPath()));
    }

    void columnsFollowOkAndCancel() {
        GlobalSettings settings;
        ParamListModel list;
        ParameterList::ApplyStartupColumnRule(list, settings.Language);
        const QStringList all{"Name", "Optional", "Type", "Description"};
        const QStringList three{"Name", "Type", "Description"};
        QCOMPARE(Headers(list), all);
        // Language chosen, OK or Cancel, the columns after; choosing VB twice adds no column.
        const std::tuple<int, bool, QStringList> steps[] = {
            {2, false, all}, {2, true, three}, {0, false, three}, {0, true, all}, {0, true, all}};
        for (const auto& [index, ok, expected] : steps) {
            RunOptions(settings, list, [index = index, ok = ok](frmOptions& dialog) {
                dialog.Option1(index)->click();
                (ok ? dialog.cmdOK() : dialog.cmdCancel())->click();
            });
            QCOMPARE(Headers(list), expected);
        }
        QCOMPARE(list.ColumnAt(2).Key, QStringLiteral("Optional"));
        QCOMPARE(list.ColumnAt(2).WidthTwips, 600);
    }

    void okAndTwoTypesGiveTheDocumentedFile() {
        GlobalSettings settings;
        ParamListModel list;
        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.Option1(1)->click();
            dialog.txtName()->setText(QStringLiteral("A. Developer"));
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.Language, DevelopmentLanguage::VC);
        QCOMPARE(settings.PersonalName, QStringLiteral("A. Developer"));

        ParamTypeCatalogues catalogues;
        frmParamAdd dialog(settings.Language, catalogues);
        dialog.show();
        for (const char* type : {"int", "char*"}) {
            WhenModalOpens<QInputDialog>([type](QInputDialog& prompt) {
                prompt.setTextValue(QString::fromLatin1(type));
                prompt.accept();
            });
            dialog.cmdAddType()->click();
        }
        QCOMPARE(SettingsText(), QByteArray("[General]\r\nComments Type=1\r\n"
                                            "Personal Name=A. Developer\r\nBegin Free=\r\n"
                                            "End Free=\r\n\r\n[Param Types VC]\r\nNumber=2\r\n"
                                            "Param1=int\r\nParam2=char*\r\n"));
    }

    // A name pasted with its line break is saved, rather than refused by the file with the rest.
    void pastedLineBreaksDoNotStopTheSave() {
        GlobalSettings settings;
        ParamListModel list;
        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.Option1(3)->click();
            QGuiApplication::clipboard()->setText(QStringLiteral("A. Developer\n"));
            for (QLineEdit* box :
                 {dialog.txtName(), dialog.txtBeginComments(), dialog.txtEndComments()}) {
                box->paste();
            }
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.PersonalName, QStringLiteral("A. Developer"));
        QCOMPARE(SettingsText(), QByteArray("[General]\r\nComments Type=3\r\n"
                                            "Personal Name=A. Developer\r\n"
                                            "Begin Free=A. Developer\r\n"
                                            "End Free=A. Developer\r\n"));
    }

    // A NUL a hand edit brought into the name cannot be stored: it must not stop every later OK.
    void handEditedNulDoesNotStopTheSave() {
        GlobalSettings settings{QStringLiteral("Ab") + QChar(0) + QStringLiteral("cd"),
                                DevelopmentLanguage::VB,
                                {},
                                {}};
        ParamListModel list;
        RunOptions(settings, list, [](frmOptions& dialog) {
            QCOMPARE(dialog.txtName()->text(), QStringLiteral("Abcd"));
            dialog.Option1(1)->click();
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.PersonalName, QStringLiteral("Abcd"));
        QVERIFY(SettingsText().contains("Personal Name=Abcd\r\n"));
    }

    // Text boxes hold 32,767 characters; a longer hand-edited value must not be cut by an OK that
    // did not touch it, while an edited box saves what it shows.
    void longHandEditedValuesSurviveOk() {
        const QString name(40000, u'n');
        const QString begin(40000, u'b');
        GlobalSettings settings{name, DevelopmentLanguage::Custom, begin, "*/"};
        ParamListModel list;
        RunOptions(settings, list, [](frmOptions& dialog) {
            QCOMPARE(dialog.txtName()->text().size(), dialog.txtName()->maxLength());
            dialog.txtBeginComments()->setText(QStringLiteral("/*"));
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.PersonalName, name);
        QCOMPARE(settings.BeginFree, QStringLiteral("/*"));
        QVERIFY(SettingsText().contains("Personal Name=" + name.toLatin1() + "\r\n"));
    }

    void handEditedLanguageOpensWithNoOption() {
        GlobalSettings settings{"", static_cast<DevelopmentLanguage>(7), "", ""};
        ParamListModel list;
        ParameterList::ApplyStartupColumnRule(list, settings.Language);
        int checkedCount = -1;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            checkedCount = 0;
            for (int index = 0; index < frmOptions::LanguageCount; ++index) {
                checkedCount += dialog.Option1(index)->isChecked() ? 1 : 0;
            }
            dialog.cmdOK()->click();
        });
        QCOMPARE(checkedCount, 0);
        QCOMPARE(settings.Language, static_cast<DevelopmentLanguage>(7)); // kept when none chosen
        QVERIFY(SettingsText().contains("Comments Type=7"));

        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.Option1(0)->click();
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.Language, DevelopmentLanguage::VB);
        QCOMPARE(list.ColumnCount(), 4);
    }

    void enterIsOkAndEscapeIsCancel() {
        GlobalSettings settings;
        ParamListModel list;
        for (const auto& [key, kept] : {std::pair{Qt::Key_Escape, QString()},
                                        std::pair{Qt::Key_Return, QStringLiteral("Ann")}}) {
            RunOptions(settings, list, [key = key](frmOptions& dialog) {
                dialog.txtName()->setFocus();
                QTest::keyClicks(dialog.txtName(), QStringLiteral("Ann"));
                QTest::keyClick(dialog.txtName(), key);
            });
            QCOMPARE(settings.PersonalName, kept);
        }
        // An Alt chord that is no access key here (the window's Alt+B) types nothing.
        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.Option1(3)->click();
            for (QLineEdit* box : {dialog.txtName(), dialog.txtBeginComments()}) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_B, Qt::AltModifier);
            }
            dialog.cmdOK()->click();
        });
        QCOMPARE(settings.PersonalName, QStringLiteral("Ann"));
        QCOMPARE(settings.BeginFree, QString());
    }

    void failedWriteIsReportedAndTheSettingsStillHold_data() {
        QTest::addColumn<bool>("readOnlyFile");
        QTest::newRow("read-only file") << true;
        QTest::newRow("unusable folder") << false;
    }
    void failedWriteIsReportedAndTheSettingsStillHold() {
        QFETCH(bool, readOnlyFile);
        QByteArray before;
        if (readOnlyFile) {
            QDir().mkpath(QFileInfo(SettingsPath()).absolutePath());
            QFile file(SettingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\nPersonal Name=Old\n");
            file.close();
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
            before = SettingsText();
        } else {
            QVERIFY(BlockSettingsFolder());
        }

        GlobalSettings settings;
        ParamListModel list;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            dialog.Option1(2)->click();
            dialog.txtName()->setText(QStringLiteral("New"));
            dialog.cmdOK()->click();
        });
        const QStringList messages = session_.TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().startsWith(u"Quillmark|"), qPrintable(messages.front()));
        QVERIFY2(messages.front().contains(SettingsPath()), qPrintable(messages.front()));
        QCOMPARE(settings.PersonalName, QStringLiteral("New"));
        QCOMPARE(settings.Language, DevelopmentLanguage::Delphi);
        QCOMPARE(list.ColumnCount(), 3);
        if (readOnlyFile) {
            QCOMPARE(SettingsText(), before);
        }
    }

private:
    test::DialogTestSession session_;
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
