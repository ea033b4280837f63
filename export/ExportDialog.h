// The "Export Channel List" dialog: which channels the export lists (all, TV only, radio only, the
// channels of one satellite or of one favorite group) in the open database.
#pragma once

#include "export/ChannelExport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QRadioButton;

class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const NetworkDatabase& database, QWidget* parent = nullptr);

    // The scope chosen; all channels until the user picks another.
    ExportScope Scope() const;

    // The words of an exported list in the interface language.
    static ExportTexts Texts();

    // How long an export runs before it shows its progress (tests shorten it).
    static int ProgressDelay();
    static void SetProgressDelay(int milliseconds);

private:
    void UpdateCombos();
    size_t RowCount(const ExportScope& scope) const;

    QRadioButton* all_ = nullptr;
    QRadioButton* tv_ = nullptr;
    QRadioButton* radio_ = nullptr;
    QRadioButton* satellite_ = nullptr;
    QRadioButton* group_ = nullptr;
    QComboBox* satellites_ = nullptr;
    QComboBox* groups_ = nullptr;
    QLabel* printNote_ = nullptr;
    // Channels in all, TV and radio; on each network slot; in each favorite group.
    size_t tvCount_ = 0;
    size_t radioCount_ = 0;
    std::vector<size_t> satelliteCounts_;
    std::vector<size_t> groupCounts_;
};
