// The formula list lstShiki: one row per graph with its sample stroke and equation, a
// multi-selection that is the graph selection, and a right press that the window handles itself.
#pragma once

#include <QFont>
#include <QHash>
#include <QListWidget>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <bitset>
#include <functional>
#include <vector>

#include "graph_model.h"

// The row text: the equation padded with blanks to 38 half-width columns (a full-width character
// counts two); a text already that wide or wider is left as it is.
QString PaddedRowText(const QString& text);

class ShikiList : public QListWidget {
    Q_OBJECT
  public:
    static constexpr int ItemHeight = 19;
    static constexpr int SampleWidth = 45;  // the sample stroke's room at the left of a row

    ShikiList(const GraphTable& table, QWidget* parent = nullptr);

    // One row for each graph of the table, with the table's selection. Rows are kept and only
    // their texts set, so an undo of one graph does not rebuild 100 rows.
    void ShowRows();
    // The row the keys go on from, without touching the selection.
    void ShowCurrentRow(int row);
    // The table's selection, in one selection change for the whole list.
    void ShowSelection();
    // The rows the user has selected.
    std::bitset<MaxGraphs> ChosenRows() const;

    // Whether rows show their equation (chkShiki).
    void setShowText(bool show);
    bool showText() const { return showText_; }
    const GraphTable& table() const { return table_; }
    // Radius of the end circles in the rows' sample strokes.
    int maruRad() const { return maruRad_; }
    void setMaruRad(int radius);
    // Keys the window handles itself (Delete, Ctrl+arrows); returns false for the others, which
    // move and extend the selection as in any list.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> keyHandler;

  signals:
    // A right press; row is the row under the press, or a row past the last line.
    void rightPressed(int row, QPoint pos);
    // A left click anywhere in the list, after the list changed its selection; onRow is false
    // below the last row, where the click has just cleared the selection.
    void leftClicked(bool onRow, Qt::KeyboardModifiers modifiers);
    // A key of the list itself has been handled; the selection may have changed.
    void keyHandled();
    // The user changed the selection (ChosenRows); changes the list makes itself are not told.
    void rowsChosen();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const GraphTable& table_;
    bool showingTable_ = false;  // the list is being set from the table
    bool showText_ = true;
    int maruRad_ = 5;
};

class ShikiRowDelegate : public QStyledItemDelegate {
  public:
    explicit ShikiRowDelegate(ShikiList* list);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    // The short stroke of the graph in its colour and width, in the first 45 pixels of the row.
    void paintRowSample(QPainter& painter, const QRect& row, const TLineSpec& graph) const;
    // A row's text laid out once for the list's font.
    const QStaticText& RowText(const QString& equation, const QFont& font) const;

    ShikiList* list_;
    mutable QHash<QString, QStaticText> textCache_;
    mutable QFont textFont_;
};
