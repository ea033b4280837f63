// The network pane: a satellite's name, position, positioner id and skew angles, and every setting
// of the antenna configuration it uses. Its handlers keep the working copies and the enabled
// states in step as the LNB type, the DiSEqC levels and the skew controller change.
#pragma once

#include "forms/FormPane.h"

#include <cstdint>

struct AntennaConfig;
struct Network;
class QCheckBox;
class QComboBox;
class QLineEdit;

class NetworkPane : public FormPane {
    Q_OBJECT
public:
    NetworkPane(AntennaConfig* config, Network* network, QWidget* parent = nullptr);

    // Fills the controls from the working copies (a switch level of 3 becomes 1 in the copy).
    void Load();
    // Reads the enabled controls (and the 22Khz box in every case) into the working copies.
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
