// The formula list's rows as a view of the drawing: one row per graph with its equation, and the
// drawing's selection as the list's one selection model. Both follow the drawing's announcements;
// a selection the user makes in the list goes into the drawing, the one place it is kept.
#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include "drawing.h"

class GraphListModel : public QAbstractListModel {
  public:
    explicit GraphListModel(Drawing& drawing, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    QItemSelectionModel* selection() { return &selection_; }
    const Drawing& drawing() const { return drawing_; }

  private:
    void Follow(DrawingChanges changes);
    void ShowRows();
    void ShowSelection();
    void TakeUsersSelection();

    Drawing& drawing_;
    QItemSelectionModel selection_{this};
    int rows_ = 0;            // the rows the views know of
    bool following_ = false;  // the list is being set from the drawing
};
