// The drop-down lists of the forms.
#pragma once

#include <QComboBox>

// Lists whose item index is the field's value for the first `known` values. A stored value past
// them gets an item of its own after them, "%1 (unknown)", while that record is shown, so that
// showing the record and reading it back keeps the value. A negative value selects nothing.
void ShowListValue(QComboBox* box, int known, int value);
// The value of the selected item; -1 when none is selected.
int ListValue(const QComboBox* box, int known);

// A drop-down list that the mouse wheel changes only while it has the focus, so that scrolling a
// form past it changes nothing. The wheel does not give it the focus either.
class FormComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FormComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// An editable drop-down of numbers listed in ascending order, where any number may be typed (the
// LNB frequencies). The open list highlights, and the arrow keys and the wheel step from, the number
// shown, not the item picked last.
class NumberComboBox : public FormComboBox {
    Q_OBJECT
public:
    explicit NumberComboBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Shows the next larger (direction > 0) or next smaller item than the number shown; false when
    // the text holds no number.
    bool Step(int direction);
    // The item nearest to the number shown; -1 when the text holds no number.
    int NearestItem() const;
};
