// The dialog of Clean Up: what each rule would remove, chosen before anything changes.
#pragma once

#include "rescan/CleanUp.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

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
