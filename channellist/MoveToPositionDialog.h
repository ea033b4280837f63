// The small "Move to Position" dialog: asks for the number the first row of a block is to get.
#pragma once

#include <QDialog>

class QSpinBox;

class MoveToPositionDialog : public QDialog {
    Q_OBJECT
public:
    // Offers 1 to rowCount, starting at `number`.
    MoveToPositionDialog(int rowCount, int number, QWidget* parent = nullptr);

    // The number chosen, 1-based.
    int Number() const;

private:
    QSpinBox* spin_ = nullptr;
};
