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
