// The dialog of Apply Order from File: what applying a reference file's order would do.
#pragma once

#include "rescan/ApplyOrder.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// How the programs paired with the reference, the names without a partner, and what to take.
class ApplyOrderDialog : public QDialog {
    Q_OBJECT

public:
    ApplyOrderDialog(const ApplyOrderPlan& plan, const QString& referenceName, QWidget* parent = nullptr);
    bool ChannelOrder() const;
    bool FavoriteGroups() const;

private:
    QCheckBox* order_ = nullptr;
    QCheckBox* groups_ = nullptr;
    QPushButton* ok_ = nullptr;
};
