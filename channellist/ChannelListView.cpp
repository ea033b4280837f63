#include "channellist/ChannelListView.h"

#include "channellist/ChannelListDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ChannelListView::ChannelListView(ChannelListDialog& dialog, QWidget* parent) : QTreeView(parent), dialog_(dialog) {}

int ChannelListView::RowAt(const QPoint& viewportPos) const {
    if (!viewport()->rect().contains(viewportPos))
        return -1;
    // Any point of a row's line counts, also beside its cells.
    const QModelIndex index = indexAt(QPoint(1, viewportPos.y()));
    return index.isValid() ? index.row() : -1;
}

int ChannelListView::TopRow() const {
    const QModelIndex index = indexAt(QPoint(1, 1));
    return index.isValid() ? index.row() : -1;
}

int ChannelListView::RowsPerPage() const {
    const int top = TopRow();
    if (top < 0)
        return 0;
    const int rowHeight = visualRect(model()->index(top, 0)).height();
    return rowHeight > 0 ? std::max(1, viewport()->height() / rowHeight) : 1;
}

void ChannelListView::SetDropIndicator(int row, bool after) {
    if (row == indicatorRow_ && after == indicatorAfter_)
        return;
    indicatorRow_ = row;
    indicatorAfter_ = after;
    viewport()->update();
}

void ChannelListView::mousePressEvent(QMouseEvent* event) {
    if (dialog_.IsDragging()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressRow_ = RowAt(pressPos_);
    }
    QTreeView::mousePressEvent(event);
}

void ChannelListView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (dialog_.IsDragging()) {
        // A move without the left button means its release went elsewhere: the capture was lost.
        if (!(event->buttons() & Qt::LeftButton))
            dialog_.CancelDrag();
        else
            dialog_.DragMoveTo(pos);
        event->accept();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if (pressRow_ >= 0 && (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        dialog_.BeginDrag(pressRow_, pressPos_);
        pressRow_ = -1;
        dialog_.DragMoveTo(pos);
    }
    event->accept();
}

void ChannelListView::mouseReleaseEvent(QMouseEvent* event) {
    if (dialog_.IsDragging()) {
        if (event->button() == Qt::LeftButton)
            dialog_.DropAt(event->position().toPoint());
        event->accept();
        return;
    }
    pressRow_ = -1;
    QTreeView::mouseReleaseEvent(event);
}

void ChannelListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (dialog_.IsDragging()) {
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void ChannelListView::keyPressEvent(QKeyEvent* event) {
    if (dialog_.IsDragging()) {
        if (event->key() == Qt::Key_Escape)
            dialog_.CancelDrag();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ChannelListView::focusOutEvent(QFocusEvent* event) {
    if (dialog_.IsDragging())
        dialog_.CancelDrag();
    QTreeView::focusOutEvent(event);
}

void ChannelListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (indicatorRow_ < 0 || !model() || indicatorRow_ >= model()->rowCount())
        return;
    const QRect rowRect = visualRect(model()->index(indicatorRow_, 0));
    if (!rowRect.isValid())
        return;
    // Kept off the very edge, where half of the line would be cut away.
    const int y = std::clamp(indicatorAfter_ ? rowRect.bottom() : rowRect.top(), 1, viewport()->height() - 2);
    const int right = viewport()->width() - 1;
    QPainter painter(viewport());
    const QColor color = palette().color(QPalette::Active, QPalette::Highlight);
    painter.fillRect(QRect(0, y - 1, right + 1, 3), color);
    // Small end marks make the line easy to find on a selected row of the same color.
    painter.fillRect(QRect(0, y - 4, 3, 9), color);
    painter.fillRect(QRect(right - 2, y - 4, 3, 9), color);
}
