#include "params/ParameterList.h"

#include "params/ParamListModel.h"
#include "params/ParamListView.h"
#include "params/ParamTypeCatalogue.h"
#include "params/frmParamAdd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace quillmark {

namespace {

constexpr int OptionalPosition = 2;
constexpr int OptionalWidthTwips = 600;
constexpr int ColumnsWithOptional = 4;
constexpr int ColumnsWithoutOptional = 3;

} // namespace

void ParameterList::ApplyStartupColumnRule(ParamListModel& list, DevelopmentLanguage language) {
    if (language != DevelopmentLanguage::VB && list.ColumnCount() == ColumnsWithOptional) {
        list.RemoveColumn(OptionalPosition);
    }
}

void ParameterList::ApplyColumnRuleAfterOptions(ParamListModel& list,
                                                DevelopmentLanguage language) {
    if (language == DevelopmentLanguage::VB) {
        if (list.ColumnCount() == ColumnsWithoutOptional) {
            list.InsertColumn(OptionalPosition, {QStringLiteral("Optional"),
                                                 QStringLiteral("Optional"), OptionalWidthTwips});
        }
        return;
    }
    // Only the three other named languages drop the column; a hand-edited value leaves it alone.
    if (IsKnownLanguage(language) && list.ColumnCount() == ColumnsWithOptional) {
        list.RemoveColumn(OptionalPosition);
    }
}

void ParameterList::AddParameter(QWidget* parent, ParamListModel& list,
                                 DevelopmentLanguage language, ParamTypeCatalogues& catalogues) {
    frmParamAdd dialog(language, catalogues, parent);
    if (language != DevelopmentLanguage::VB) {
        dialog.chkOptional()->hide();
    }
    dialog.exec();
    if (!dialog.OKPressed()) {
        return;
    }
    CommentParameter row;
    row.Name = dialog.txtParamName()->text();
    if (language == DevelopmentLanguage::VB) {
        const bool optional = dialog.chkOptional()->checkState() == Qt::Checked;
        row.Optional = optional ? QStringLiteral("Yes") : QStringLiteral("No");
    }
    row.Type = dialog.cmbParamType()->currentText();
    row.Description = dialog.txtParamDescription()->text();
    list.AppendRow(row);
}

void ParameterList::RemoveSelected(ParamListView& view) {
    const int row = view.SelectedRow();
    if (row < 0 || view.ParamModel() == nullptr || row >= view.ParamModel()->RowCount()) {
        return;
    }
    view.ParamModel()->RemoveRow(row);
}

QList<CommentParameter> ParameterList::ReadParameters(const ParamListModel& list,
                                                      DevelopmentLanguage language) {
    // Only Visual Basic has optional parameters: under any other language the flag a row may have
    // been given earlier is left out, and comes back with a switch back to Visual Basic.
    const bool visualBasic = language == DevelopmentLanguage::VB;
    QList<CommentParameter> parameters;
    const int rows = list.RowCount();
    parameters.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        CommentParameter parameter = list.Row(row);
        if (!visualBasic) {
            parameter.Optional.clear();
        }
        parameters.append(parameter);
    }
    return parameters;
}

} // namespace quillmark
