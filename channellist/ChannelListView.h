// The list of channels: a tree view without branches that turns a left-button drag of a row into the
// channel list's own drag and drop (no platform drag loop, so every step can be driven directly) and
// paints the drop position while a drag runs.
#pragma once

#include <QPoint>
#include <QTreeView>

class ChannelListDialog;

class ChannelListView : public QTreeView {
    Q_OBJECT
public:
    explicit ChannelListView(ChannelListDialog& dialog, QWidget* parent = nullptr);

    // The row at a viewport position, or -1 when the position is outside every row.
    int RowAt(const QPoint& viewportPos) const;
    int TopRow() const;
    // Rows that fit completely in the viewport.
    int RowsPerPage() const;

    // Draws the drop line at the top (before) or bottom (after) edge of row; -1 removes it.
    void SetDropIndicator(int row, bool after);
    int dropIndicatorRow() const { return indicatorRow_; }
    bool dropIndicatorAfter() const { return indicatorAfter_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ChannelListDialog& dialog_;
    int pressRow_ = -1;
    QPoint pressPos_;
    int indicatorRow_ = -1;
    bool indicatorAfter_ = false;
};
