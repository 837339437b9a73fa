#include "params/DialogTestSupport.h"
#include "params/ParamListModel.h"
#include "params/ParamTypeCatalogue.h"
#include "params/ParameterList.h"
#include "params/frmParamAdd.h"
#include "settings/OptionsCommand.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"
#include "settings/frmOptions.h"
#include "support/IsolatedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool CustomRemarksShown(const frmOptions& dialog) {
    return dialog.txtBeginComments()->isVisible() && dialog.txtEndComments()->isVisible() &&
           dialog.lblCommentsHere()->isVisible();
}

bool CustomRemarksHidden(const frmOptions& dialog) {
    return !dialog.txtBeginComments()->isVisible() && !dialog.txtEndComments()->isVisible() &&
           !dialog.lblCommentsHere()->isVisible();
}

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
    void initTestCase() { environment_ = std::make_unique<test::IsolatedEnvironment>(); }
    void init() {
        test::EmptyConfigFolder(*environment_);
        messages_ = std::make_unique<test::MessageCatcher>();
    }
    void cleanup() {
        const QStringList unexpected = messages_->TakeTexts();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    void opensWithTheCurrentSettings() {
        GlobalSettings settings{"A. Developer", DevelopmentLanguage::Custom, "/*", "*/"};
        ParamListModel list;
        bool checked = false;
        QString name;
        QString begin;
        QString end;
        bool shown = false;
        bool focusMoved = true;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            checked = dialog.Option1(3)->isChecked();
            name = dialog.txtName()->text();
            begin = dialog.txtBeginComments()->text();
            end = dialog.txtEndComments()->text();
            shown = CustomRemarksShown(dialog);
            focusMoved = QApplication::focusWidget() == dialog.txtBeginComments();
            dialog.cmdCancel()->click();
        });
        QVERIFY(checked);
        QCOMPARE(name, QStringLiteral("A. Developer"));
        QCOMPARE(begin, QStringLiteral("/*"));
        QCOMPARE(end, QStringLiteral("*/"));
        QVERIFY(shown);
        QVERIFY(!focusMoved); // opening on Custom does not move the focus into the begin box

        // Another language opens with the boxes hidden but holding the stored strings.
        settings.Language = DevelopmentLanguage::Delphi;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            checked = dialog.Option1(2)->isChecked();
            shown = !CustomRemarksHidden(dialog);
            begin = dialog.txtBeginComments()->text();
            dialog.cmdCancel()->click();
        });
        QVERIFY(checked);
        QVERIFY(!shown);
        QCOMPARE(begin, QStringLiteral("/*"));
    }

    void otherLanguageEmptiesTheCustomBoxesAndCustomTakesTheFocus() {
        GlobalSettings settings{"", DevelopmentLanguage::Custom, "{", "}"};
        ParamListModel list;
        RunOptions(settings, list, [&](frmOptions& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::mouseClick(dialog.Option1(2), Qt::LeftButton);
            QVERIFY(CustomRemarksHidden(dialog));
            QCOMPARE(dialog.txtBeginComments()->text(), QString());
            QCOMPARE(dialog.txtEndComments()->text(), QString());

            QTest::mouseClick(dialog.Option1(3), Qt::LeftButton);
            QVERIFY(CustomRemarksShown(dialog));
            QCOMPARE(dialog.txtBeginComments()->text(), QString());
            QCOMPARE(QApplication::focusWidget(), dialog.txtBeginComments());

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

        auto choose = [](int index, bool ok) {
            return [index, ok](frmOptions& dialog) {
                dialog.Option1(index)->click();
                (ok ? dialog.cmdOK() : dialog.cmdCancel())->click();
            };
        };
        RunOptions(settings, list, choose(2, false));
        QCOMPARE(Headers(list), all);
        RunOptions(settings, list, choose(2, true));
        QCOMPARE(settings.Language, DevelopmentLanguage::Delphi);
        QCOMPARE(Headers(list), three);
        RunOptions(settings, list, choose(0, false));
        QCOMPARE(Headers(list), three);
        RunOptions(settings, list, choose(0, true));
        QCOMPARE(Headers(list), all);
        QCOMPARE(list.ColumnAt(2).Key, QStringLiteral("Optional"));
        QCOMPARE(list.ColumnAt(2).WidthTwips, 600);
        RunOptions(settings, list, choose(0, true));
        QCOMPARE(Headers(list), all);
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

        QStringList lines;
        for (const QByteArray& line : SettingsText().split('\n')) {
            if (!line.trimmed().isEmpty()) {
                lines << QString::fromLatin1(line).remove(QLatin1Char('\r'));
            }
        }
        const QStringList expected{"[General]",   "Comments Type=1", "Personal Name=A. Developer",
                                   "Begin Free=", "End Free=",       "[Param Types VC]",
                                   "Number=2",    "Param1=int",      "Param2=char*"};
        QCOMPARE(lines, expected);
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
        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.txtName()->setFocus();
            QTest::keyClicks(dialog.txtName(), QStringLiteral("Ann"));
            QTest::keyClick(dialog.txtName(), Qt::Key_Escape);
        });
        QCOMPARE(settings.PersonalName, QString());
        RunOptions(settings, list, [](frmOptions& dialog) {
            dialog.txtName()->setFocus();
            QTest::keyClicks(dialog.txtName(), QStringLiteral("Ann"));
            QTest::keyClick(dialog.txtName(), Qt::Key_Return);
        });
        QCOMPARE(settings.PersonalName, QStringLiteral("Ann"));
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
        const QStringList messages = messages_->TakeTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(SettingsPath()), qPrintable(messages.front()));
        QCOMPARE(settings.PersonalName, QStringLiteral("New"));
        QCOMPARE(settings.Language, DevelopmentLanguage::Delphi);
        QCOMPARE(list.ColumnCount(), 3);
        if (readOnlyFile) {
            QCOMPARE(SettingsText(), before);
        }
    }

private:
    std::unique_ptr<test::IsolatedEnvironment> environment_;
    std::unique_ptr<test::MessageCatcher> messages_;
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
