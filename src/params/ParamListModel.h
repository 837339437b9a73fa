#pragma once

#include "comments/CommentParameter.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace quillmark {

// The rows of the parameter list. Each row keeps its fields by name, and each column shows the
// field its key names, so a row entered under one language still reads right after the "Optional"
// column comes or goes with a change of language.
class ParamListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        QString Key;
        QString Text;
        int WidthTwips = 0;
    };

    // Starts with the design columns "Name", "Optional", "Type", "Description".
    explicit ParamListModel(QObject* parent = nullptr);

    // Columns, 1-based positions as the list's headers count them.
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    Column ColumnAt(int position) const { return columns_.at(position - 1); }
    void InsertColumn(int position, const Column& column);
    void RemoveColumn(int position);

    // Rows, 0-based. Optional is "Yes" or "No" for a row entered under Visual Basic, empty for
    // one entered under another language.
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void AppendRow(const CommentParameter& row);
    const CommentParameter& Row(int row) const { return rows_.at(row); }
    void RemoveRow(int row);
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Column> columns_;
    QList<CommentParameter> rows_;
};

} // namespace quillmark
