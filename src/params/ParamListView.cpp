#include "params/ParamListView.h"

#include "params/ParamListHeader.h"
#include "params/ParamListModel.h"
#include "shell/Twips.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace quillmark {

ParamListView::ParamListView(QWidget* parent) : QTreeView(parent) {
    setHeader(new ParamListHeader(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // Report lists align their captions left: centred, "Description" sits beyond the list's right
    // edge in its wide column, over descriptions that do show.
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ParamListView::SetParamModel(ParamListModel* model) {
    model_ = model;
    setModel(model);
    // A column put back by a change of language takes its own width; the others keep theirs,
    // also a width the user dragged.
    connect(model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int column = first; column <= last; ++column) {
                    ApplyColumnWidth(column);
                }
            });
    for (int column = 0; column < model_->ColumnCount(); ++column) {
        ApplyColumnWidth(column);
    }
}

int ParamListView::SelectedRow() const {
    if (selectionModel() == nullptr) {
        return -1;
    }
    // Any selected cell names the row: a column put back by a change of language joins no
    // selection, and selectedRows() counts only rows with every column selected.
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void ParamListView::ApplyColumnWidth(int column) {
    setColumnWidth(column, TwipsToPixelsX(this, model_->ColumnAt(column + 1).WidthTwips));
}

} // namespace quillmark
