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

    void otherLanguagesHideOptionalAndKeepTwoCells() {
        ParamListModel list;
        ParamTypeCatalogues catalogues;
        bool optionalShown = true;
        // Checked but hidden: the flag is not kept for the other languages.
        AddThroughDialog(list, DevelopmentLanguage::Delphi, catalogues,
                         {"Sender", "TObject", "who clicked", true}, true, &optionalShown);
        QVERIFY(!optionalShown);
        QCOMPARE(list.RowCount(), 1);
        QCOMPARE(QStringList(
                     {list.RowText(0), list.SubItem(0, 1), list.SubItem(0, 2), list.SubItem(0, 3)}),
                 QStringList({"Sender", "TObject", "who clicked", ""}));
    }

    void rowsAddedUnderVisualBasicReadSwappedAfterASwitch() {
        ParamListModel list;
        ParamTypeCatalogues catalogues;
        AddThroughDialog(list, DevelopmentLanguage::VB, catalogues, {"a", "Long", "first", true});
        ParameterList::ApplyColumnRuleAfterOptions(list, DevelopmentLanguage::VC);
        AddThroughDialog(list, DevelopmentLanguage::VC, catalogues, {"b", "int", "second"});
        QCOMPARE(Read(list, DevelopmentLanguage::VC),
                 QList<QStringList>({{"a", "", "Yes", "Long"}, {"b", "", "int", "second"}}));
        // And the other way: a C/C++ row read as Visual Basic gives its type as the Optional cell,
        // which is not "Yes", so the parameter is not optional.
        QCOMPARE(Read(list, DevelopmentLanguage::VB),
                 QList<QStringList>({{"a", "Yes", "Long", "first"}, {"b", "int", "second", ""}}));
    }

    void removeTakesTheSelectedRowOnly() {
        ParamListModel list;
        ParamListView view;
        view.SetParamModel(&list);
        list.AppendRow("a", {"int", ""});
        list.AppendRow("b", {"int", ""});
        list.AppendRow("c", {"int", ""});

        ParameterList::RemoveSelected(view); // nothing selected: nothing happens
        QCOMPARE(list.RowCount(), 3);

        view.setCurrentIndex(list.index(1, 0));
        ParameterList::RemoveSelected(view);
        QCOMPARE(list.RowCount(), 2);
        QCOMPARE(list.RowText(0), QStringLiteral("a"));
        QCOMPARE(list.RowText(1), QStringLiteral("c"));

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
