// The dialog of Compare with File: the report of what differs, in the user's language.
#pragma once

#include "rescan/Compare.h"

#include <QDialog>

// The comparison report, read only, with a button that copies it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const DatabaseDiff& diff, const QString& files, QWidget* parent = nullptr);

    // The report as the dialog shows it.
    static QString ReportText(const DatabaseDiff& diff);

private:
    QString report_;
};
