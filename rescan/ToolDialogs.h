// The dialog of Apply Order from File: what applying a reference file's order would do.
#pragma once

#include "rescan/ApplyOrder.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// Before Apply Order from File changes anything: how the satellites and channels paired with the
// reference, the channels of the reference not found here and those here without a partner, and
// which parts to take. A satellite of the reference with channels and no partner here must be
// confirmed before the dialog is accepted.
class ApplyOrderDialog : public QDialog {
    Q_OBJECT

public:
    ApplyOrderDialog(const ApplyOrderPlan& plan, const NetworkDatabase& reference, const NetworkDatabase& here,
                     const QString& referenceName, QWidget* parent = nullptr);
    ApplyOrderOptions Options() const;

    void accept() override;

private:
    const ApplyOrderPlan& plan_;
    QString unpaired_; // the satellites of the reference with channels and no partner, one per line
    QCheckBox* order_ = nullptr;
    QCheckBox* groups_ = nullptr;
    QCheckBox* marks_ = nullptr;
    QCheckBox* names_ = nullptr;
    QPushButton* ok_ = nullptr;
};
