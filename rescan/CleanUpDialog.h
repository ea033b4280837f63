// The dialog of Clean Up: what each rule would remove, one check box per finding, chosen before
// anything changes.
#pragma once

#include "rescan/CleanUp.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The findings grouped by rule: a group's box (tristate) checks or clears its findings, each
// finding has a box of its own. Every change finds anew, since the findings depend on each other
// (a transponder kept keeps its channels apart from the earlier one's).
class CleanUpDialog : public QDialog {
    Q_OBJECT

public:
    explicit CleanUpDialog(const NetworkDatabase& database, QWidget* parent = nullptr);
    const CleanUpPlan& Plan() const { return plan_; }

    // A finding in the user's language.
    static QString FindingText(const CleanUpFinding& finding);
    // "Duplicate programs: 3" for a group's row.
    static QString RuleText(int rule, size_t count);
    // What applying the plan removed, for the message after it.
    static QString RemovedText(const CleanUpPlan& plan);

private:
    void Find();
    void ItemChanged(QTreeWidgetItem* item);

    const NetworkDatabase& database_;
    CleanUpOptions options_;
    CleanUpPlan plan_;
    QTreeWidget* findings_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool filling_ = false;
    bool findPending_ = false;
};
