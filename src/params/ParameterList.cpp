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
    const QString type = dialog.cmbParamType()->currentText();
    const QString description = dialog.txtParamDescription()->text();
    if (language == DevelopmentLanguage::VB) {
        const bool optional = dialog.chkOptional()->checkState() == Qt::Checked;
        list.AppendRow(
            dialog.txtParamName()->text(),
            {optional ? QStringLiteral("Yes") : QStringLiteral("No"), type, description});
    } else {
        list.AppendRow(dialog.txtParamName()->text(), {type, description});
    }
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
    // Rows keep the cells of the language they were added under; they are read by today's.
    const bool visualBasic = language == DevelopmentLanguage::VB;
    QList<CommentParameter> parameters;
    const int rows = list.RowCount();
    parameters.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        CommentParameter parameter;
        parameter.Name = list.RowText(row);
        if (visualBasic) {
            parameter.Optional = list.SubItem(row, 1);
            parameter.Type = list.SubItem(row, 2);
            parameter.Description = list.SubItem(row, 3);
        } else {
            parameter.Type = list.SubItem(row, 1);
            parameter.Description = list.SubItem(row, 2);
        }
        parameters.append(parameter);
    }
    return parameters;
}

} // namespace quillmark
