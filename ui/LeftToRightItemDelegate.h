// Item views whose texts come from the NDF file, read right in a right-to-left window.
#pragma once

#include <QStyledItemDelegate>

// The file's names and frequencies are Latin text that reads left to right. In a right-to-left layout the
// paragraph runs right to left, which moves a frequency's polarity ("11.778 (V)") before the number and a name's
// closing bracket to its other end; a left-to-right mark at each end of the shown text keeps them in place.
// The item stays aligned as the layout wants, and the model's data is left as it is (type-ahead still matches it).
class LeftToRightItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
