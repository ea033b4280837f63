// The dockable edit bar beside the network tree. It shows one form pane at a time (empty, network,
// transponder or program) and owns one working copy per record kind: Show copies a stored record
// into the working copy and fills the pane, Read copies the pane back into the working copy. It
// never touches the database; the editor view compares the working copies with the records and
// copies them back.
//
// Object names, for finding the widgets: the pages "emptyPane" (the "Empty" label), "networkPane",
// "transponderPane" and "programPane", each with its button "ok". Network pane: networkName, degree,
// lnbType, lnbFreq, lnbFreqH, powerMode, tone22k, switch12V, switchLevel, switchPort, positionerLevel,
// positionerId, skewController, skewV, skewH. Transponder pane: tpName, frequency, symbolRate,
// polarity, fec, freqDrift, gmtError. Program pane: programName, serviceId, tv, radio, pmtPid,
// pcrPid, videoPid, audioPid, ac3, teletextPid, subt, scrambled, moreAudio, lock, skip, noSidUpdate,
// noNameUpdate, noPidUpdate.
#pragma once

#include "database/Records.h"
#include "forms/PaneKind.h"

#include <QDockWidget>

class NetworkPane;
class ProgramPane;
class QLabel;
class QStackedWidget;
class TransponderPane;

class EditBar : public QDockWidget {
    Q_OBJECT
public:
    explicit EditBar(QWidget* parent = nullptr);
    ~EditBar() override;

    PaneKind paneKind() const { return paneKind_; }
    // Switches the content and the caption; the dock keeps its place and visibility. Nothing happens
    // when the kind is already shown.
    void SetPane(PaneKind kind);
    // Hides a shown bar, shows a hidden one.
    void ToggleEditBar();

    void ShowNetwork(const AntennaConfig& config, const Network& network);
    void ShowTransponder(const Transponder& transponder);
    void ShowProgram(const Program& program);
    // 0 after reading the pane into the working copies; 1, reading nothing, when another pane is shown.
    int ReadNetwork();
    int ReadTransponder();
    int ReadProgram();
    // The audio dialog on the working program's audio list; only while the program pane is shown.
    void EditAudioList();

    const AntennaConfig& workingAntennaConfig() const { return antennaConfig_; }
    const Network& workingNetwork() const { return network_; }
    const Transponder& workingTransponder() const { return transponder_; }
    const Program& workingProgram() const { return program_; }

    // The caption the bar shows for a pane.
    static QString PaneCaption(PaneKind kind);

signals:
    // The "OK" button of any pane.
    void okClicked();
    // The program pane's "More Audio..." button; the owner answers with EditAudioList.
    void moreAudioClicked();
    // The user changed a control of a pane (typed, picked, clicked).
    void edited();

private:
    PaneKind paneKind_ = PANE_EMPTY;
    AntennaConfig antennaConfig_;
    Network network_;
    Transponder transponder_;
    Program program_;

    QStackedWidget* stack_;
    QLabel* emptyPane_;
    NetworkPane* networkPane_;
    TransponderPane* transponderPane_;
    ProgramPane* programPane_;
};
