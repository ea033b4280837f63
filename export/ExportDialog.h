// The "Export Channel List" dialog: which channels the export lists (all, TV only, radio only, the
// channels of one satellite or of one favorite group) in the open database.
#pragma once

#include "export/ChannelExport.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const NetworkDatabase& database, QWidget* parent = nullptr);

    // The scope chosen; all channels until the user picks another.
    ExportScope Scope() const;

private:
    void UpdateCombos();

    QRadioButton* all_ = nullptr;
    QRadioButton* tv_ = nullptr;
    QRadioButton* radio_ = nullptr;
    QRadioButton* satellite_ = nullptr;
    QRadioButton* group_ = nullptr;
    QComboBox* satellites_ = nullptr;
    QComboBox* groups_ = nullptr;
};
