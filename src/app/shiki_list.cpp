// The formula list and how its rows are drawn.
#include "shiki_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "device_pixels.h"
#include "finger_tracker.h"
#include "graph_model.h"
#include "sjis_codec.h"
#include "tool_sample.h"

QString PaddedRowText(const QString& text) {
    constexpr int RowColumns = 38;
    const int columns = SjisByteLength(text);
    return columns >= RowColumns ? text : text + QString(RowColumns - columns, u' ');
}

ShikiList::ShikiList(Drawing& drawing, QWidget* parent)
    : QListView(parent), rows_(new GraphListModel(drawing, this)) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setItemDelegate(new ShikiRowDelegate(this));
    setModel(rows_);
    QItemSelectionModel* own = selectionModel();
    setSelectionModel(rows_->selection());
    delete own;
    finger_ = new FingerTracker(viewport());
    connect(finger_, &FingerTracker::tapped, this, &ShikiList::Tapped);
    connect(finger_, &FingerTracker::held, this, &ShikiList::RightPressAt);
    connect(finger_, &FingerTracker::landed, this, [this](QPoint at) {
        dragFrom_ = at;
        scrolledAt_ = verticalScrollBar()->value();
    });
    connect(finger_, &FingerTracker::dragged, this, [this](QPoint at) {
        const int step = verticalScrollMode() == ScrollPerItem ? ItemHeight : 1;
        verticalScrollBar()->setValue(scrolledAt_ - (at.y() - dragFrom_.y()) / step);
    });
}

int ShikiList::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void ShikiList::setShowText(bool show) {
    showText_ = show;
    viewport()->update();
}

void ShikiList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        RightPressAt(event->position().toPoint());
        return;
    }
    QListView::mousePressEvent(event);
}

void ShikiList::RightPressAt(QPoint pos) {
    // The window decides how a right press changes the selection before the popup opens.
    const QModelIndex index = indexAt(pos);
    emit rightPressed(index.isValid() ? index.row() : model()->rowCount(), pos);
}

void ShikiList::Tapped(QPoint pos) {
    const QModelIndex index = indexAt(pos);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::Toggle);
        emit leftClicked(true, Qt::ControlModifier);
    } else {
        selectionModel()->clearSelection();
        emit leftClicked(false, Qt::NoModifier);
    }
}

bool ShikiList::viewportEvent(QEvent* event) {
    return (finger_ && finger_->Read(event)) || QListView::viewportEvent(event);
}

void ShikiList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit leftClicked(indexAt(event->position().toPoint()).isValid(), event->modifiers());
    }
}

void ShikiList::keyPressEvent(QKeyEvent* event) {
    if (keyHandler && keyHandler(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
    emit keyHandled();
}

ShikiRowDelegate::ShikiRowDelegate(ShikiList* list) : QStyledItemDelegate(list), list_(list) {}

void ShikiRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(row, palette.base());
    if (list_->showText()) {
        // The text is written with an opaque background, so a selected row shows its highlight
        // behind the text and the padding only.
        const QStaticText& text = RowText(index.data(Qt::DisplayRole).toString(), option.font);
        const QSize textSize = text.size().toSize();
        const QRect textRect(row.left() + ShikiList::SampleWidth, row.top(), textSize.width(),
                             row.height());
        painter->fillRect(textRect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setFont(option.font);
        painter->drawStaticText(textRect.left(),
                                textRect.top() + (row.height() - textSize.height()) / 2, text);
    }
    const GraphTable& table = list_->table();
    if (index.row() < table.LineCount) {
        paintRowSample(*painter, row, table.LineTable[index.row()]);
    }
    painter->restore();
}

const QStaticText& ShikiRowDelegate::RowText(const QString& equation, const QFont& font) const {
    // Laying out Japanese text is the dearest part of a row; a redisplay after each edit repaints
    // every visible row, mostly with texts it has laid out before.
    if (font != textFont_ || textCache_.size() > 4 * MaxGraphs) {
        textCache_.clear();
        textFont_ = font;
    }
    auto found = textCache_.find(equation);
    if (found == textCache_.end()) {
        QStaticText text(PaddedRowText(equation));
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font);
        found = textCache_.insert(equation, text);
    }
    return *found;
}

QSize ShikiRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), ShikiList::ItemHeight);
}

void ShikiRowDelegate::paintRowSample(QPainter& painter, const QRect& row,
                                      const TLineSpec& graph) const {
    CanvasImage sample =
        MakeCanvasImage(ShikiList::SampleWidth, row.height(), painter.device()->devicePixelRatio());
    {
        ClassicCanvas canvas(sample);
        DrawSampleStroke(canvas, graph, 0, list_->drawing().EndCircleRadius());
    }
    ShowCanvas(painter, row.topLeft(), sample, QRect(row.topLeft(), sample.image.size()));
}
