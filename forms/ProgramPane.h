// The program pane: name, service id, TV or radio, PMT and PCR PIDs, the first entry of each PID
// list, the scrambled flag and the attribute flags of the edit bar's working program. Further audio
// tracks are edited in the audio dialog, which the pane opens itself.
#pragma once

#include "database/Records.h"
#include "forms/FormPane.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ProgramPane : public FormPane {
    Q_OBJECT
public:
    ProgramPane(Program* working, QWidget* parent = nullptr);

    void Load();
    void Read();
    // Runs the audio dialog on a copy of the working audio list and takes the result on OK.
    void EditAudioList();

signals:
    void moreAudioClicked();

private:
    void ShowAudioBox();
    void OnTypeChosen(bool radio);
    void OnAc3Clicked(bool checked);

    Program* working_;
    // The record as Load showed it, the flag boxes as they were then, and whether the audio dialog
    // changed the list since.
    Program shown_;
    bool shownAc3_ = false;
    bool shownSubt_ = false;
    bool audioListEdited_ = false;
    bool loading_ = false;

    QLineEdit* name_;
    QLineEdit* serviceId_;
    QRadioButton* tv_;
    QRadioButton* radio_;
    QLineEdit* pmtPid_;
    QLineEdit* pcrPid_;
    QLineEdit* videoPid_;
    QLineEdit* audioPid_;
    QCheckBox* ac3_;
    QLineEdit* teletextPid_;
    QCheckBox* subt_;
    QCheckBox* scrambled_;
    QPushButton* moreAudio_;
    QCheckBox* lock_;
    QCheckBox* skip_;
    QCheckBox* noSidUpdate_;
    QCheckBox* noNameUpdate_;
    QCheckBox* noPidUpdate_;
};
