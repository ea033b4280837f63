#include "forms/FormWidgets.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <cstdlib>
#include <optional>

namespace {

std::optional<int> NumberIn(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

void ShowListValue(QComboBox* box, int known, int value) {
    while (box->count() > known)
        box->removeItem(box->count() - 1);
    if (value >= known) {
        box->addItem(QCoreApplication::translate("FormWidgets", "%1 (unknown)").arg(value), value);
        box->setCurrentIndex(known);
    } else {
        box->setCurrentIndex(value < 0 ? -1 : value);
    }
}

int ListValue(const QComboBox* box, int known) {
    const int index = box->currentIndex();
    if (index < known)
        return index;
    return box->itemData(index).toInt();
}

FormComboBox::FormComboBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void FormComboBox::wheelEvent(QWheelEvent* event) {
    // Left to the scrolling parent.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

NumberComboBox::NumberComboBox(QWidget* parent) : FormComboBox(parent) {}

int NumberComboBox::NearestItem() const {
    const std::optional<int> shown = NumberIn(currentText());
    if (!shown)
        return -1;
    int nearest = -1;
    long long best = 0;
    for (int i = 0; i < count(); ++i) {
        const std::optional<int> value = NumberIn(itemText(i));
        if (!value)
            continue;
        const long long distance = std::llabs(static_cast<long long>(*value) - *shown);
        if (nearest < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

bool NumberComboBox::Step(int direction) {
    const std::optional<int> shown = NumberIn(currentText());
    if (!shown)
        return false;
    int target = -1;
    for (int i = 0; i < count(); ++i) {
        const std::optional<int> value = NumberIn(itemText(i));
        if (!value)
            continue;
        if (direction > 0 && *value > *shown) {
            target = i;
            break;
        }
        if (direction < 0 && *value < *shown)
            target = i;
    }
    if (target >= 0) {
        setCurrentIndex(target);
        // The index may not have moved while the text had.
        setEditText(itemText(target));
    }
    return true;
}

void NumberComboBox::showPopup() {
    QComboBox::showPopup();
    const int nearest = NearestItem();
    if (nearest >= 0) {
        const QModelIndex index = model()->index(nearest, modelColumn(), rootModelIndex());
        view()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        view()->scrollTo(index);
    }
}

void NumberComboBox::keyPressEvent(QKeyEvent* event) {
    const bool up = event->key() == Qt::Key_Up;
    const bool down = event->key() == Qt::Key_Down;
    // Alt with an arrow opens or closes the list.
    if ((up || down) && !(event->modifiers() & Qt::AltModifier) && Step(down ? 1 : -1)) {
        event->accept();
        return;
    }
    FormComboBox::keyPressEvent(event);
}

void NumberComboBox::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    // Turning the wheel away from the user goes up the list, as in every drop-down.
    if (hasFocus() && delta != 0 && Step(delta > 0 ? -1 : 1)) {
        event->accept();
        return;
    }
    FormComboBox::wheelEvent(event);
}
