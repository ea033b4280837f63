// The list of channels: a tree view without branches that runs the channel list's own drag and
// drop of a row or of the selected rows (no platform drag loop, so every step can be driven
// directly). While a drag runs it shows an image of the rows beside the pointer and the drop line,
// and scrolls by a row when the pointer goes past the top or bottom edge. A drop is reported by
// rowDropped; the view itself moves nothing. A cell whose text does not fit shows it as a tooltip.
//
// Picking rows: Shift with a click or a cursor key selects from the anchor, the row that became
// current last without Shift (a click, a plain cursor key, or a search that selects a row), so that
// no row hidden before a search joins the selection. Alt with a cursor key moves the current row
// without selecting; Space then adds it to the selection or takes it out, for picking scattered
// rows from the keyboard (Ctrl with Up and Down moves rows).
//
// The name column is edited in place only when the dialog asks (F2), in the forms' name box.
#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QString>
#include <QTreeView>

#include <vector>

class QLabel;

class ChannelListView : public QTreeView {
    Q_OBJECT
public:
    explicit ChannelListView(QWidget* parent = nullptr);
    ~ChannelListView() override;

    // The width a column of the model starts with, widened in proportion to a desktop font larger
    // than 8 points.
    int ColumnWidth(int column) const;
    // The selected rows in order; the current row alone when none is selected.
    std::vector<int> ActedRows() const;
    // The whole text of the cell at a viewport position when the column is too narrow for it.
    QString ToolTipAt(const QPoint& viewportPos) const;

    // The row at a viewport position, or -1 when the position is outside every row.
    int RowAt(const QPoint& viewportPos) const;
    int TopRow() const;
    // Rows that fit completely in the viewport.
    int RowsPerPage() const;

    // ---- the drag, as the mouse handling runs it; positions are in the viewport ----
    // Drags the selected rows when row is one of them, else row alone. pressPos (-1, -1) starts the
    // image at the middle of the row.
    void BeginDrag(int row, const QPoint& pressPos = QPoint(-1, -1));
    void DragMoveTo(const QPoint& viewportPos);
    // Ends the drag and reports a drop on a row (also on the dragged row itself).
    void DropAt(const QPoint& viewportPos);
    // Ends a drag without a drop (Escape, lost mouse capture, the window deactivated or hidden).
    void CancelDrag();
    bool IsDragging() const { return dragImage_ != nullptr; }
    const QLabel* dragImage() const { return dragImage_; }
    int dragSource() const { return dragSource_; }
    // The rows of the last drag, in order.
    const std::vector<int>& draggedRows() const { return draggedRows_; }
    int dropRow() const { return dropRow_; }

    // Draws the drop line at the top (before) or bottom (after) edge of row; -1 removes it.
    void SetDropIndicator(int row, bool after);
    int dropIndicatorRow() const { return indicatorRow_; }
    bool dropIndicatorAfter() const { return indicatorAfter_; }

signals:
    void rowDropped(int source, int target);
    void dragCancelled();
    // A right click, not during a drag: the row under the pointer (-1 for none) and the pointer's
    // screen position.
    void contextMenuRequested(int row, const QPoint& globalPos);
    // A plain click on a cell of the "Lock" or "Skip" column (a view column): it toggles the mark
    // without first changing the selection, so that it can act on the selected rows.
    void markClicked(int row, int viewColumn);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Takes the image away; true when a drag was running.
    bool EndDrag();
    // Selects the rows from the anchor to `row` alone and makes `row` current, keeping the anchor.
    void SelectFromAnchorTo(int row);
    // Shift, Alt and Space with the cursor keys; false for any other key.
    bool PickRowsByKey(QKeyEvent* event);

    QPersistentModelIndex anchor_;    // follows its row when rows move
    QPersistentModelIndex markPress_; // the "Lock" or "Skip" cell a plain click began on
    bool extending_ = false;
    int pressRow_ = -1;
    QPoint pressPos_;
    QLabel* dragImage_ = nullptr;
    QPoint dragHotSpot_;
    int dragSource_ = -1;
    std::vector<int> draggedRows_;
    int dropRow_ = -1;
    int indicatorRow_ = -1;
    bool indicatorAfter_ = false;
};
