// The dialog of Compare with File: the report of what differs.
#pragma once

#include <QDialog>

// The comparison report, read only, with a button that copies it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const QString& report, const QString& files, QWidget* parent = nullptr);

private:
    QString report_;
};
