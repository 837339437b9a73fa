#pragma once

#include <QTreeView>

namespace quillmark {

class ParamListModel;

// The report-style view of the parameter list (`lstParams`): one row per parameter, column headers
// sized from the model's widths in twips.
class ParamListView : public QTreeView {
    Q_OBJECT

public:
    explicit ParamListView(QWidget* parent = nullptr);

    void SetParamModel(ParamListModel* model);
    ParamListModel* ParamModel() const { return model_; }
    // The selected row, or -1.
    int SelectedRow() const;

private:
    void ApplyColumnWidth(int column);

    ParamListModel* model_ = nullptr;
};

} // namespace quillmark
