#include "params/ParameterList.h"

#include "params/DialogTestSupport.h"
#include "params/ParamListModel.h"
#include "params/ParamListView.h"
#include "params/ParamTypeCatalogue.h"
#include "params/frmParamAdd.h"
#include "support/IsolatedEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace quillmark;
using quillmark::test::WhenModalOpens;

namespace {

QStringList Headers(const ParamListModel& list) {
    QStringList headers;
    for (int position = 1; position <= list.ColumnCount(); ++position) {
        headers << list.ColumnAt(position).Text;
    }
    return headers;
}

// Each parameter read back from the list as its Name, Optional, Type and Description.
QList<QStringList> Read(const ParamListModel& list, DevelopmentLanguage language) {
    QList<QStringList> rows;
    for (const CommentParameter& p : ParameterList::ReadParameters(list, language)) {
        rows << QStringList{p.Name, p.Optional, p.Type, p.Description};
    }
    return rows;
}

// Each row as the list shows it, column by column.
QList<QStringList> Shown(const ParamListModel& list) {
    QList<QStringList> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column) {
            cells << list.data(list.index(row, column), Qt::DisplayRole).toString();
        }
        rows << cells;
    }
    return rows;
}

const QStringList AllColumns{"Name", "Optional", "Type", "Description"};
const QStringList WithoutOptional{"Name", "Type", "Description"};

struct Entry {
    QString Name;
    QString Type;
    QString Description;
    bool Optional = false;
};

// Opens the entry dialog as the Add button does and fills it; OK unless told otherwise.
void AddThroughDialog(ParamListModel& list, DevelopmentLanguage language,
                      ParamTypeCatalogues& catalogues, const Entry& entry, bool ok = true,
                      bool* optionalShown = nullptr) {
    WhenModalOpens<frmParamAdd>([&](frmParamAdd& dialog) {
        if (optionalShown != nullptr) {
            *optionalShown = dialog.chkOptional()->isVisible();
        }
        dialog.txtParamName()->setText(entry.Name);
        dialog.cmbParamType()->setEditText(entry.Type);
        dialog.txtParamDescription()->setText(entry.Description);
        dialog.chkOptional()->setChecked(entry.Optional);
        (ok ? dialog.cmdOK() : dialog.cmdCancel())->click();
    });
    ParameterList::AddParameter(nullptr, list, language, catalogues);
}

} // namespace

class ParameterListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { session_.StartRun(); }
    void init() { session_.StartTest(); }
    void cleanup() { session_.CheckNoStrayMessages(); }

    void startupColumnsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("Visual Basic") << 0 << AllColumns;
        QTest::newRow("C/C++") << 1 << WithoutOptional;
        QTest::newRow("Delphi") << 2 << WithoutOptional;
        QTest::newRow("Custom") << 3 << WithoutOptional;
        QTest::newRow("hand-edited 7") << 7 << WithoutOptional;
    }
    void startupColumnsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, headers);
        ParamListModel list;
        ParameterList::ApplyStartupColumnRule(list, static_cast<DevelopmentLanguage>(language));
        QCOMPARE(Headers(list), headers);
    }

    void visualBasicRowsCarryTheOptionalCell() {
        ParamListModel list;
        ParamTypeCatalogues catalogues;
        bool optionalShown = false;
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues,
                         {"nCount", "Integer", "how many", true}, true, &optionalShown);
        QVERIFY(optionalShown);
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {"sName", "String", "", false});
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {});
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {"x", "y", "z"}, false);
        // Every field left empty still gives a row: empty cells, and "No"; Cancel adds nothing.
        QCOMPARE(Read(list, DevelopmentLanguage::VB),
                 QList<QStringList>({{"nCount", "Yes", "Integer", "how many"},
                                     {"sName", "No", "String", ""},
                                     {"", "No", "", ""}}));
    }

    void otherLanguagesHideOptionalAndKeepNoFlag() {
        ParamListModel list;
        ParamTypeCatalogues catalogues;
        ParameterList::ApplyStartupColumnRule(list, DevelopmentLanguage::Delphi);
        bool optionalShown = true;
        // Checked but hidden: the flag is not kept for the other languages.
        AddThroughDialog(list, DevelopmentLanguage::Delphi, catalogues,
                         {"Sender", "TObject", "who clicked", true}, true, &optionalShown);
        QVERIFY(!optionalShown);
        QCOMPARE(Read(list, DevelopmentLanguage::Delphi),
                 QList<QStringList>({{"Sender", "", "TObject", "who clicked"}}));
        QCOMPARE(Shown(list), QList<QStringList>({{"Sender", "TObject", "who clicked"}}));
    }

    void columnWidthsOutliveAChangeOfLanguage() {
        ParamListModel list;
        ParameterList::ApplyStartupColumnRule(list, DevelopmentLanguage::VB);
        ParamListView view;
        view.SetParamModel(&list);
        const int optionalWidth = view.columnWidth(1);
        view.setColumnWidth(2, 333); // Type, widened by the user

        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VC);
        QCOMPARE(view.columnWidth(1), 333);
        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VB);
        QCOMPARE(view.columnWidth(1), optionalWidth);
        QCOMPARE(view.columnWidth(2), 333);
    }

    void rowsKeepTheirFieldsWhenTheLanguageChanges() {
        ParamListModel list;
        ParamTypeCatalogues catalogues;
        ParameterList::ApplyStartupColumnRule(list, DevelopmentLanguage::VB);
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {"a", "Long", "first", true});
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {"b", "Integer", "second"});

        // Visual Basic to C/C++: the block and the list both lose only the Optional flag.
        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VC);
        AddThroughDialog(list, DevelopmentLanguage::VC, catalogues, {"c", "int", "third"});
        QCOMPARE(Read(list, DevelopmentLanguage::VC),
                 QList<QStringList>({{"a", "", "Long", "first"},
                                     {"b", "", "Integer", "second"},
                                     {"c", "", "int", "third"}}));
        QCOMPARE(Shown(list),
                 QList<QStringList>(
                     {{"a", "Long", "first"}, {"b", "Integer", "second"}, {"c", "int", "third"}}));

        // And back: the flags given under Visual Basic return; the C/C++ row has none.
        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VB);
        QCOMPARE(Read(list, DevelopmentLanguage::VB),
                 QList<QStringList>({{"a", "Yes", "Long", "first"},
                                     {"b", "No", "Integer", "second"},
                                     {"c", "", "int", "third"}}));
        QCOMPARE(Shown(list), QList<QStringList>({{"a", "Yes", "Long", "first"},
                                                  {"b", "No", "Integer", "second"},
                                                  {"c", "", "int", "third"}}));
    }

    void removeTakesTheSelectedRowOnly() {
        ParamListModel list;
        ParamListView view;
        view.SetParamModel(&list);
        list.AppendRow({"a", "", "int", ""});
        list.AppendRow({"b", "", "int", ""});
        list.AppendRow({"c", "", "int", ""});

        ParameterList::RemoveSelected(view); // nothing selected: nothing happens
        QCOMPARE(list.RowCount(), 3);

        view.setCurrentIndex(list.index(1, 0));
        ParameterList::RemoveSelected(view);
        QCOMPARE(list.RowCount(), 2);
        QCOMPARE(list.Row(0).Name, QStringLiteral("a"));
        QCOMPARE(list.Row(1).Name, QStringLiteral("c"));

        // The "Optional" column put back by a change of language joins no selection.
        ParameterList::ApplyStartupColumnRule(list, DevelopmentLanguage::VC);
        view.setCurrentIndex(list.index(0, 0));
        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VB);
        ParameterList::RemoveSelected(view);
        QCOMPARE(list.RowCount(), 1);
        QCOMPARE(list.Row(0).Name, QStringLiteral("c"));

        ParamListModel empty;
        ParamListView emptyView;
        emptyView.SetParamModel(&empty);
        ParameterList::RemoveSelected(emptyView);
        QCOMPARE(empty.RowCount(), 0);
    }

private:
    test::DialogTestSession session_;
};

QTEST_MAIN(ParameterListTest)
#include "ParameterListTest.moc"
