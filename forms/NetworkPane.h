// The network pane: a satellite's name, position, positioner id and skew angles, and every setting
// of the antenna configuration it uses. Its handlers keep the working copies and the enabled
// states in step as the LNB type, the DiSEqC levels and the skew controller change.
#pragma once

#include "database/Records.h"
#include "forms/FormPane.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;

class NetworkPane : public FormPane {
    Q_OBJECT
public:
    NetworkPane(AntennaConfig* config, Network* network, QWidget* parent = nullptr);

    // Fills the controls from the working copies. Values the lists do not offer (switch level 3,
    // LNB kind 3) are shown as items of their own.
    void Load();
    // Reads the enabled controls (and the 22Khz box in every case) into the working copies; a box
    // the user left as shown reads back as the record held it.
    void Read();

private:
    void FillPortList(uint8_t level);
    void SelectPort();
    void OnLnbTypeChanged(int index);
    void OnSwitchLevelChanged(int index);
    void OnPositionerLevelChanged(int index);
    void OnSkewControllerToggled(bool on);
    void ShowSkewAngles();
    void ShowPositionerId();

    AntennaConfig* config_;
    Network* network_;
    // The records as Load showed them.
    AntennaConfig shownConfig_;
    Network shownNetwork_;
    bool loading_ = false;

    QLineEdit* name_;
    QLineEdit* degree_;
    QComboBox* lnbType_;
    QComboBox* lnbFreq_;
    QComboBox* lnbFreqH_;
    QComboBox* powerMode_;
    QCheckBox* tone22k_;
    QCheckBox* switch12V_;
    QComboBox* switchLevel_;
    QComboBox* switchPort_;
    QComboBox* positionerLevel_;
    QLineEdit* positionerId_;
    QCheckBox* skewController_;
    QLineEdit* skewV_;
    QLineEdit* skewH_;
};
