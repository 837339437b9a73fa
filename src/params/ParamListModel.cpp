#include "params/ParamListModel.h"

namespace quillmark {

ParamListModel::ParamListModel(QObject* parent) : QAbstractTableModel(parent) {
    columns_ = {
        {QStringLiteral("Name"), QStringLiteral("Name"), 1440},
        {QStringLiteral("Optional"), QStringLiteral("Optional"), 600},
        {QStringLiteral("Type"), QStringLiteral("Type"), 1000},
        {QStringLiteral("Description"), QStringLiteral("Description"), 4000},
    };
}

void ParamListModel::InsertColumn(int position, const Column& column) {
    const int at = position - 1;
    beginInsertColumns({}, at, at);
    columns_.insert(at, column);
    endInsertColumns();
}

void ParamListModel::RemoveColumn(int position) {
    const int at = position - 1;
    beginRemoveColumns({}, at, at);
    columns_.removeAt(at);
    endRemoveColumns();
}

void ParamListModel::AppendRow(const CommentParameter& row) {
    const int at = RowCount();
    beginInsertRows({}, at, at);
    rows_.append(row);
    endInsertRows();
}

void ParamListModel::RemoveRow(int row) {
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

void ParamListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int ParamListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int ParamListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant ParamListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const CommentParameter& row = rows_.at(index.row());
    const QString& key = columns_.at(index.column()).Key;
    if (key == QLatin1String("Name")) {
        return row.Name;
    }
    if (key == QLatin1String("Optional")) {
        return row.Optional;
    }
    if (key == QLatin1String("Type")) {
        return row.Type;
    }
    if (key == QLatin1String("Description")) {
        return row.Description;
    }
    return {};
}

QVariant ParamListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount()) {
        return {};
    }
    return columns_.at(section).Text;
}

} // namespace quillmark
