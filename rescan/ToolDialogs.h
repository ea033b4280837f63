// The dialogs of the Tools menu: what applying a reference file's order would do, what the
// clean-up found, and the comparison with another file.
#pragma once

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
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

// One check box per rule with its count, and the records each rule removes. Toggling a rule finds
// anew, since the rules depend on each other.
class CleanUpDialog : public QDialog {
    Q_OBJECT

public:
    explicit CleanUpDialog(const NetworkDatabase& database, QWidget* parent = nullptr);
    const CleanUpPlan& Plan() const { return plan_; }

private:
    void Find();

    const NetworkDatabase& database_;
    CleanUpPlan plan_;
    QCheckBox* rules_[CLEAN_RULE_COUNT] = {};
    QPlainTextEdit* findings_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The comparison report, read only, with a button that copies it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const QString& report, const QString& files, QWidget* parent = nullptr);

private:
    QString report_;
};
