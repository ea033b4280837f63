// The transponder pane: name, frequency, symbol rate, polarity, FEC, frequency drift and GMT error
// of the edit bar's working transponder.
#pragma once

#include "forms/FormPane.h"

struct Transponder;
class QComboBox;
class QLineEdit;

class TransponderPane : public FormPane {
    Q_OBJECT
public:
    TransponderPane(Transponder* working, QWidget* parent = nullptr);

    // Fills the controls from the working copy.
    void Load();
    // Reads every control into the working copy.
    void Read();

private:
    Transponder* working_;
    QLineEdit* name_;
    QLineEdit* frequency_;
    QLineEdit* symbolRate_;
    QComboBox* polarity_;
    QComboBox* fec_;
    QLineEdit* freqDrift_;
    QLineEdit* gmtError_;
};
