#include "channellist/ChannelListView.h"

#include "channellist/ChannelListModel.h"
#include "forms/NameField.h"
#include "ui/LeftToRightItemDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace {

// "No." holds five digits; "Lock" and "Skip" a check box and their headings.
constexpr int kColumnWidths[VIEW_COLUMN_COUNT] = {44, 130, 90, 170, 120, 52, 52};

// A channel's name typed in place (F2): the name box of the forms, with its byte limit and its
// ISO-8859-1 check. Enter ends the typing, not the dialog's default button.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        QLineEdit* edit = CreateNameEdit(parent, "nameEditor");
        edit->installEventFilter(const_cast<NameDelegate*>(this));
        return edit;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* edit = static_cast<QLineEdit*>(editor);
        edit->setText(index.data(Qt::EditRole).toString());
        edit->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const bool handled = QStyledItemDelegate::eventFilter(object, event);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true; // committed by the filter above; the dialog must not see it
        }
        return handled;
    }
};

} // namespace

ChannelListView::ChannelListView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new LeftToRightItemDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegateForColumn(ViewColumn(COLUMN_NAME), new NameDelegate(this));
    QPalette colors = palette();
    // The selection stays visible while another control has the focus.
    colors.setColor(QPalette::Inactive, QPalette::Highlight, colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& viewportPos) {
        if (!IsDragging())
            emit contextMenuRequested(RowAt(viewportPos), viewport()->mapToGlobal(viewportPos));
    });
}

ChannelListView::~ChannelListView() {
    delete dragImage_;
}

int ChannelListView::ColumnWidth(int column) const {
    // The widths suit an 8-point font with digits 6 pixels wide; a larger desktop font widens the
    // columns in proportion, so that "Network" still holds a name, a frequency and a polarity.
    const double scale = std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) / 6.0);
    return static_cast<int>(kColumnWidths[column] * scale + 0.5);
}

std::vector<int> ChannelListView::ActedRows() const {
    std::vector<int> rows;
    if (!selectionModel())
        return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    return rows;
}

QString ChannelListView::ToolTipAt(const QPoint& viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid())
        return QString();
    const QString text = index.data(Qt::ToolTipRole).toString();
    // The item delegate elides a text wider than the cell less a margin on each side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = visualRect(index).width() - 2 * margin;
    return fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

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

// ---- the drag ----

void ChannelListView::BeginDrag(int row, const QPoint& pressPos) {
    if (IsDragging() || !model() || row < 0 || row >= model()->rowCount())
        return;
    dragSource_ = row;
    dropRow_ = -1;
    draggedRows_.assign(1, row);
    if (selectionModel() && selectionModel()->isRowSelected(row, QModelIndex())) {
        draggedRows_ = ActedRows();
    }

    // The image is the row's name (or the number of rows) in a small box that rides beside the
    // pointer, so that it hides little of the drop line. It belongs to the window, so that it can
    // leave the list.
    QWidget* host = window();
    const int nameColumn = ViewColumn(COLUMN_NAME);
    const QString name = draggedRows_.size() == 1 ? model()->index(row, nameColumn).data().toString()
                                                  : tr("%1 channels").arg(draggedRows_.size());
    const QFontMetrics metrics = fontMetrics();
    const QSize size(std::min(metrics.horizontalAdvance(name) + 4, ColumnWidth(nameColumn)) + 12, metrics.height() + 6);
    const QPalette& colors = palette();
    QPixmap image(size * host->devicePixelRatioF());
    image.setDevicePixelRatio(host->devicePixelRatioF());
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(0.85);
        painter.fillRect(QRect(QPoint(0, 0), size), colors.color(QPalette::Active, QPalette::Highlight));
        painter.setOpacity(1.0);
        painter.setPen(colors.color(QPalette::Active, QPalette::Dark));
        painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
        painter.setPen(colors.color(QPalette::Active, QPalette::HighlightedText));
        painter.setFont(font());
        painter.drawText(QRect(QPoint(6, 0), size - QSize(12, 0)), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, size.width() - 8));
    }

    auto* label = new QLabel(host);
    label->setObjectName(QStringLiteral("dragImage"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setPixmap(image);
    label->resize(size);
    dragImage_ = label;
    dragHotSpot_ = QPoint(-16, size.height() / 2);
    const QPoint start = pressPos.x() >= 0 ? pressPos : visualRect(model()->index(row, 0)).center();
    label->move(viewport()->mapTo(host, start) - dragHotSpot_);
    label->raise();
    label->show();
}

void ChannelListView::DragMoveTo(const QPoint& viewportPos) {
    if (!IsDragging())
        return;
    dragImage_->move(viewport()->mapTo(window(), viewportPos) - dragHotSpot_);

    // One row per pointer move when the pointer is beyond the top or bottom edge of the list.
    const int count = model()->rowCount();
    const int top = TopRow();
    if (top >= 0) {
        if (viewportPos.y() < 0) {
            if (top > 0)
                scrollTo(model()->index(top - 1, 0), QAbstractItemView::EnsureVisible);
        } else if (viewportPos.y() >= viewport()->height()) {
            const int perPage = RowsPerPage();
            if (top + perPage - 1 < count - 1)
                scrollTo(model()->index(top + perPage, 0), QAbstractItemView::EnsureVisible);
        }
    }

    // The drop line shows where the row would land: after the target row when it is dragged
    // downwards, before it when dragged upwards.
    const int target = RowAt(viewportPos);
    if (target < 0 || std::binary_search(draggedRows_.begin(), draggedRows_.end(), target))
        SetDropIndicator(-1, false);
    else
        SetDropIndicator(target, target > dragSource_);
}

void ChannelListView::DropAt(const QPoint& viewportPos) {
    if (!EndDrag())
        return;
    dropRow_ = RowAt(viewportPos);
    if (dropRow_ != -1)
        emit rowDropped(dragSource_, dropRow_);
    else
        emit dragCancelled();
}

void ChannelListView::CancelDrag() {
    if (EndDrag())
        emit dragCancelled();
}

bool ChannelListView::EndDrag() {
    if (!dragImage_)
        return false;
    dragImage_->hide();
    dragImage_->deleteLater();
    dragImage_ = nullptr;
    dropRow_ = -1;
    SetDropIndicator(-1, false);
    return true;
}

void ChannelListView::SetDropIndicator(int row, bool after) {
    if (row == indicatorRow_ && after == indicatorAfter_)
        return;
    indicatorRow_ = row;
    indicatorAfter_ = after;
    viewport()->update();
}

// ---- input ----

// ---- picking rows ----

void ChannelListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!extending_)
        anchor_ = current;
    QTreeView::currentChanged(current, previous);
}

void ChannelListView::SelectFromAnchorTo(int row) {
    QAbstractItemModel* rows = model();
    if (!rows || row < 0 || row >= rows->rowCount())
        return;
    const int anchor = anchor_.isValid() ? anchor_.row() : row;
    const QItemSelection range(rows->index(std::min(anchor, row), 0),
                               rows->index(std::max(anchor, row), rows->columnCount() - 1));
    const QModelIndex target = rows->index(row, 0);
    extending_ = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    extending_ = false;
    scrollTo(target);
}

bool ChannelListView::PickRowsByKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        if (currentIndex().isValid())
            selectionModel()->select(currentIndex(), QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        return true;
    }
    if (modifiers != Qt::ShiftModifier && modifiers != Qt::AltModifier)
        return false;
    CursorAction action;
    switch (event->key()) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default:
        return false;
    }
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (!next.isValid())
        return true;
    if (modifiers == Qt::ShiftModifier) {
        SelectFromAnchorTo(next.row());
    } else {
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
        scrollTo(next);
    }
    return true;
}

bool ChannelListView::event(QEvent* event) {
    // The window lost the activation: the release of the button goes elsewhere.
    if (event->type() == QEvent::WindowDeactivate)
        CancelDrag();
    return QTreeView::event(event);
}

bool ChannelListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = IsDragging() ? QString() : ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
        return true;
    }
    return QTreeView::viewportEvent(event);
}

void ChannelListView::mousePressEvent(QMouseEvent* event) {
    if (IsDragging()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        const QModelIndex cell = indexAt(event->position().toPoint());
        if (cell.isValid() && (cell.column() == ViewColumn(COLUMN_LOCK) || cell.column() == ViewColumn(COLUMN_SKIP))) {
            markPress_ = cell;
            event->accept();
            return;
        }
    }
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressRow_ = RowAt(pressPos_);
        if (pressRow_ >= 0 && event->modifiers() == Qt::ShiftModifier) {
            SelectFromAnchorTo(pressRow_);
            event->accept();
            return;
        }
    }
    QTreeView::mousePressEvent(event);
}

void ChannelListView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (IsDragging()) {
        // A move without the left button means its release went elsewhere: the capture was lost.
        if (!(event->buttons() & Qt::LeftButton))
            CancelDrag();
        else
            DragMoveTo(pos);
        event->accept();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if (pressRow_ >= 0 && (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        BeginDrag(pressRow_, pressPos_);
        pressRow_ = -1;
        DragMoveTo(pos);
    }
    event->accept();
}

void ChannelListView::mouseReleaseEvent(QMouseEvent* event) {
    if (IsDragging()) {
        if (event->button() == Qt::LeftButton)
            DropAt(event->position().toPoint());
        event->accept();
        return;
    }
    pressRow_ = -1;
    if (markPress_.isValid()) {
        const QModelIndex cell = indexAt(event->position().toPoint());
        const QModelIndex pressed = markPress_;
        markPress_ = QModelIndex();
        if (event->button() == Qt::LeftButton && cell == pressed)
            emit markClicked(cell.row(), cell.column());
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void ChannelListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (IsDragging()) {
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void ChannelListView::keyPressEvent(QKeyEvent* event) {
    if (IsDragging()) {
        if (event->key() == Qt::Key_Escape)
            CancelDrag();
        event->accept();
        return;
    }
    if (PickRowsByKey(event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ChannelListView::focusOutEvent(QFocusEvent* event) {
    CancelDrag();
    QTreeView::focusOutEvent(event);
}

void ChannelListView::hideEvent(QHideEvent* event) {
    CancelDrag();
    QTreeView::hideEvent(event);
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
