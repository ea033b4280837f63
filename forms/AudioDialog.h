// The "Audio" dialog: edits all audio tracks of a program (PID, language, AC3 flag) on its own copy
// of the list; the caller takes the list back only after OK. Object names: "audioDialog" with
// trackList, pid, language, ac3, add, modify, delete, ok and cancel.
#pragma once

#include "database/Records.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class AudioDialog : public QDialog {
    Q_OBJECT
public:
    explicit AudioDialog(const PidList& tracks, QWidget* parent = nullptr);

    const PidList& pidList() const { return tracks_; }
    // The entry the edit row belongs to; -1 for none.
    int currentEntry() const { return current_; }

private:
    void ShowEntry(int index);
    // Reads the edit row into a track; false (after the message) when the PID is unusable.
    bool ReadEditRow(uint16_t* word, uint8_t* language);
    void SetRowTexts(QTreeWidgetItem* row, uint16_t word, uint8_t language);
    void SelectCurrentRow();
    void OnSelectionChanged();
    void OnRowClicked(QTreeWidgetItem* row);
    void Add();
    void Modify();
    void Delete();

    PidList tracks_;
    int current_ = -1;
    bool selecting_ = false;

    QTreeWidget* list_;
    QLineEdit* pid_;
    QComboBox* language_;
    QCheckBox* ac3_;
};
