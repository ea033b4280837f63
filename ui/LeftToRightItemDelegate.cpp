#include "ui/LeftToRightItemDelegate.h"

void LeftToRightItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->direction == Qt::RightToLeft && !option->text.isEmpty()) {
        constexpr QChar kLeftToRightMark(0x200E);
        option->text = kLeftToRightMark + option->text + kLeftToRightMark;
    }
}
