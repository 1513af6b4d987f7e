// The formula list's model and selection, kept in step with the drawing.
#include "graph_list_model.h"

GraphListModel::GraphListModel(Drawing& drawing, QObject* parent)
    : QAbstractListModel(parent), drawing_(drawing) {
    drawing_.Listen([this](DrawingChanges changes) { Follow(changes); });
    connect(&selection_, &QItemSelectionModel::selectionChanged, this,
            [this] { TakeUsersSelection(); });
    ShowRows();
}

int GraphListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant GraphListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) {
        return {};
    }
    return drawing_.Table().LineTable[index.row()].Text;
}

void GraphListModel::Follow(DrawingChanges changes) {
    following_ = true;
    if ((changes & ChangedGraphs) != 0) {
        ShowRows();
    } else if ((changes & ChangedEndCircles) != 0 && rows_ > 0) {
        emit dataChanged(index(0), index(rows_ - 1));  // the rows' sample strokes
    }
    if ((changes & (ChangedGraphs | ChangedSelection)) != 0) {
        ShowSelection();
    }
    following_ = false;
}

void GraphListModel::ShowRows() {
    // Rows are added or taken at the end and the rest told of as changed, so the views keep
    // their place: an undo of one graph does not rebuild 100 rows.
    const int count = drawing_.Table().LineCount;
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    } else if (count < rows_) {
        beginRemoveRows({}, count, rows_ - 1);
        rows_ = count;
        endRemoveRows();
    }
    if (rows_ > 0) {
        // A colour or a width may have changed under an unchanged text.
        emit dataChanged(index(0), index(rows_ - 1));
    }
}

void GraphListModel::ShowSelection() {
    const GraphTable& table = drawing_.Table();
    QItemSelection chosen;
    for (int i = 0; i < rows_; ++i) {
        if (table.Selected.test(i)) {
            chosen.select(index(i), index(i));
        }
    }
    selection_.select(chosen, QItemSelectionModel::ClearAndSelect);
    if (table.Selected.count() == 1) {
        // The keys go on from a graph just drawn or chosen on the plane.
        selection_.setCurrentIndex(index(CurrentIndex(table)), QItemSelectionModel::NoUpdate);
    }
}

void GraphListModel::TakeUsersSelection() {
    if (following_) {
        return;
    }
    std::bitset<MaxGraphs> chosen;
    for (const QModelIndex& row : selection_.selectedRows()) {
        if (row.row() < MaxGraphs) {
            chosen.set(row.row());
        }
    }
    drawing_.SetSelection(chosen);
}
