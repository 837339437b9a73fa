#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillmark {

// The rows of the parameter list: each holds its own text and sub-item cells, independent of the
// column headers. Column c shows cell c (the row text, then sub-item 1, 2, 3) whatever header
// stands above it, so removing the "Optional" header shifts the cells shown, not the cells kept.
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

    // Rows, 0-based; sub-items 1-based, empty when the row has none at that index.
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void AppendRow(const QString& text, const QStringList& subItems);
    QString RowText(int row) const { return rows_.at(row).value(0); }
    QString SubItem(int row, int index) const { return rows_.at(row).value(index); }
    void RemoveRow(int row);
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Column> columns_;
    QList<QStringList> rows_; // cell 0 is the row text
};

} // namespace quillmark
