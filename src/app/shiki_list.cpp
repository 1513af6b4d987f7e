// The formula list and how its rows are drawn.
#include "shiki_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "graph_model.h"
#include "sjis_codec.h"
#include "tool_sample.h"

QString PaddedRowText(const QString& text) {
    constexpr int RowColumns = 38;
    const int columns = SjisByteLength(text);
    return columns >= RowColumns ? text : text + QString(RowColumns - columns, u' ');
}

ShikiList::ShikiList(const GraphTable& table, QWidget* parent)
    : QListWidget(parent), table_(table) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setItemDelegate(new ShikiRowDelegate(this));
}

void ShikiList::setShowText(bool show) {
    showText_ = show;
    viewport()->update();
}

void ShikiList::setMaruRad(int radius) {
    maruRad_ = radius;
    viewport()->update();
}

void ShikiList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The window decides how a right press changes the selection before the popup opens.
        const QPoint pos = event->position().toPoint();
        const QModelIndex index = indexAt(pos);
        emit rightPressed(index.isValid() ? index.row() : count(), pos);
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ShikiList::keyPressEvent(QKeyEvent* event) {
    if (keyHandler && keyHandler(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
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
        const QString text = PaddedRowText(index.data(Qt::DisplayRole).toString());
        QRect textRect(row.left() + ShikiList::SampleWidth, row.top(),
                       option.fontMetrics.horizontalAdvance(text), row.height());
        painter->fillRect(textRect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setFont(option.font);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    const GraphTable& table = list_->table();
    if (index.row() < table.LineCount) {
        paintRowSample(*painter, row, table.LineTable[index.row()]);
    }
    painter->restore();
}

QSize ShikiRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), ShikiList::ItemHeight);
}

void ShikiRowDelegate::paintRowSample(QPainter& painter, const QRect& row,
                                      const TLineSpec& graph) const {
    CanvasImage sample = MakeCanvasImage(ShikiList::SampleWidth, row.height());
    {
        ClassicCanvas canvas(sample);
        DrawSampleStroke(canvas, graph, 0, list_->maruRad());
    }
    painter.drawImage(row.topLeft(), sample.image);
}
