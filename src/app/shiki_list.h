// The formula list lstShiki: a view of the drawing's graphs (GraphListModel), one row per graph
// with its sample stroke and equation, whose multi-selection is the drawing's selection, and a
// right press that the window handles itself. A finger has no Ctrl key and no right button: a
// tap on a row adds it to the selection or takes it out, as Ctrl+click does, a tap below the rows
// clears the selection, a long press is the right press and a drag scrolls.
#pragma once

#include <QFont>
#include <QHash>
#include <QListView>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <bitset>
#include <functional>
#include <vector>

#include "drawing.h"
#include "graph_list_model.h"

class FingerTracker;

// The row text: the equation padded with blanks to 38 half-width columns (a full-width character
// counts two); a text already that wide or wider is left as it is.
QString PaddedRowText(const QString& text);

class ShikiList : public QListView {
    Q_OBJECT
  public:
    static constexpr int ItemHeight = 19;
    static constexpr int SampleWidth = 45;  // the sample stroke's room at the left of a row

    ShikiList(Drawing& drawing, QWidget* parent = nullptr);

    // The row of the current item, -1 when there is none.
    int currentRow() const;

    // Whether rows show their equation (chkShiki).
    void setShowText(bool show);
    bool showText() const { return showText_; }
    const Drawing& drawing() const { return rows_->drawing(); }
    const GraphTable& table() const { return drawing().Table(); }
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

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void RightPressAt(QPoint pos);
    void Tapped(QPoint pos);

    GraphListModel* rows_;
    FingerTracker* finger_ = nullptr;
    QPoint dragFrom_;     // where the finger landed
    int scrolledAt_ = 0;  // and the scroll bar then
    bool showText_ = true;
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
