// The drop-down lists of the forms.
#pragma once

#include <QComboBox>

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
