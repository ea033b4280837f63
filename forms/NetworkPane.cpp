#include "forms/NetworkPane.h"

#include "database/DisplayTables.h"
#include "database/Records.h"
#include "forms/FormWidgets.h"
#include "forms/NameField.h"
#include "forms/NumberRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

void AddItems(QComboBox* box, const char* objectName, std::initializer_list<const char*> items) {
    box->setObjectName(QString::fromLatin1(objectName));
    for (const char* item : items)
        box->addItem(QCoreApplication::translate("NetworkPane", item));
}

QComboBox* ListBox(QWidget* parent, const char* objectName, std::initializer_list<const char*> items) {
    auto* box = new FormComboBox(parent);
    AddItems(box, objectName, items);
    return box;
}

// The ten oscillator frequencies only fill the text; any number may be typed.
QComboBox* FrequencyBox(QWidget* parent, const char* objectName) {
    auto* box = new NumberComboBox(parent);
    AddItems(box, objectName, {"5150", "5700", "5750", "9750", "10000", "10050", "10600", "10750", "11200", "11475"});
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // No completion: typing 1000 must not turn into 10000.
    box->setCompleter(nullptr);
    return box;
}

QLineEdit* TextBox(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

QCheckBox* CheckBox(QWidget* parent, const char* objectName, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

constexpr int kLnbKinds = 3;     // "Single", "Universal", "OCS"
constexpr int kSwitchLevels = 3; // "OFF", "1.0", "1.1"

uint8_t SkewFromText(const QLineEdit* edit, uint8_t fallback) {
    bool ok = false;
    const int32_t value = ReadInteger(edit, &ok);
    if (!ok)
        return fallback;
    return static_cast<uint8_t>(static_cast<uint8_t>(value) % 180);
}

} // namespace

NetworkPane::NetworkPane(AntennaConfig* config, Network* network, QWidget* parent)
    : FormPane(parent), config_(config), network_(network) {
    name_ = CreateNameEdit(this, "networkName");
    degree_ = TextBox(this, "degree");
    lnbType_ =
        ListBox(this, "lnbType",
                {QT_TRANSLATE_NOOP("NetworkPane", "Single"), QT_TRANSLATE_NOOP("NetworkPane", "Universal"), "OCS"});
    lnbFreq_ = FrequencyBox(this, "lnbFreq");
    lnbFreqH_ = FrequencyBox(this, "lnbFreqH");
    powerMode_ =
        ListBox(this, "powerMode",
                {QT_TRANSLATE_NOOP("NetworkPane", "OFF"), "13V", "18V", QT_TRANSLATE_NOOP("NetworkPane", "ON (Auto)")});
    tone22k_ = CheckBox(this, "tone22k", tr("On"));
    switch12V_ = CheckBox(this, "switch12V", tr("On"));
    switchLevel_ = ListBox(this, "switchLevel", {QT_TRANSLATE_NOOP("NetworkPane", "OFF"), "1.0", "1.1"});
    switchPort_ = ListBox(this, "switchPort", {});
    positionerLevel_ =
        ListBox(this, "positionerLevel",
                {QT_TRANSLATE_NOOP("NetworkPane", "OFF"), "1.2", "USALS", QT_TRANSLATE_NOOP("NetworkPane", "BOTH")});
    positionerId_ = TextBox(this, "positionerId");
    skewController_ = CheckBox(this, "skewController", tr("Exists"));
    skewV_ = TextBox(this, "skewV");
    skewH_ = TextBox(this, "skewH");

    AddRow(tr(" Na&me"), name_);
    AddRow(tr(" &Degree"), degree_);
    AddRow(tr(" LNB T&ype"), lnbType_);
    AddRow(tr(" &LNB Freq"), lnbFreq_);
    AddRow(tr(" L&NB Freq H"), lnbFreqH_);
    AddRow(tr(" LN&B Power/Switch"), powerMode_);
    AddCheckRow(tr(" &22Khz Switch"), tone22k_);
    AddCheckRow(tr(" &12V Switch"), switch12V_);
    AddRow(tr(" D&iSEqC Switch Level"), switchLevel_);
    AddRow(tr(" DiSEqC S&witch Port"), switchPort_);
    AddRow(tr(" DiSEqC Positione&r Level"), positionerLevel_);
    AddRow(tr(" DiSE&qC Positioner ID"), positionerId_);
    AddCheckRow(tr(" Skew &Controller"), skewController_);
    AddRow(tr(" Skew &Angle V"), skewV_);
    AddRow(tr(" Skew An&gle H"), skewH_);
    Finish();

    connect(lnbType_, &QComboBox::currentIndexChanged, this, &NetworkPane::OnLnbTypeChanged);
    connect(switchLevel_, &QComboBox::currentIndexChanged, this, &NetworkPane::OnSwitchLevelChanged);
    connect(positionerLevel_, &QComboBox::currentIndexChanged, this, &NetworkPane::OnPositionerLevelChanged);
    connect(skewController_, &QCheckBox::toggled, this, &NetworkPane::OnSkewControllerToggled);
}

void NetworkPane::Load() {
    const QScopedValueRollback<bool> guard(loading_, true);
    const AntennaConfig& a = *config_;
    const Network& n = *network_;
    shownConfig_ = a;
    shownNetwork_ = n;
    const uint8_t kind = a.lnbKind();

    lnbFreqH_->setEnabled(kind != 0);
    tone22k_->setEnabled(kind != 1);
    FillPortList(a.switchLevel());
    positionerId_->setEnabled(a.positionerLevel() & 1);
    skewV_->setEnabled(a.skewController());
    skewH_->setEnabled(a.skewController());

    name_->setText(NameToText(n.name));
    degree_->setText(QString::fromStdString(FormatPosition(n)));
    ShowListValue(lnbType_, kLnbKinds, kind);
    lnbFreq_->setEditText(QString::number(a.LnbFreqLow()));
    lnbFreqH_->setEditText(ShowNumber(a.LnbFreqHigh(), 0, kind != 0));

    powerMode_->setCurrentIndex(a.powerMode());
    tone22k_->setChecked(a.tone22k());
    switch12V_->setChecked(a.switch12V());

    ShowListValue(switchLevel_, kSwitchLevels, a.switchLevel());
    SelectPort();

    positionerLevel_->setCurrentIndex(a.positionerLevel());
    ShowPositionerId();

    skewController_->setChecked(a.skewController());
    ShowSkewAngles();
    RememberShownTexts();
}

void NetworkPane::Read() {
    AntennaConfig& a = *config_;
    Network& n = *network_;

    n.name = TextToName(name_->text());
    n.position = Untouched(degree_) ? shownNetwork_.position : PositionFromDegrees(degree_->text());

    bool ok = false;
    if (ListValue(lnbType_, kLnbKinds) == shownConfig_.lnbKind() && Untouched(lnbFreq_) && Untouched(lnbFreqH_)) {
        a.lnbType = shownConfig_.lnbType;
        a.lnbFreq = shownConfig_.lnbFreq;
        a.lnbFreqH = shownConfig_.lnbFreqH;
    } else {
        const uint16_t high =
            lnbType_->currentIndex() != 0 ? static_cast<uint16_t>(ReadInteger(lnbFreqH_->currentText(), &ok)) : 0;
        const uint16_t low = static_cast<uint16_t>(ReadInteger(lnbFreq_->currentText(), &ok));
        a.SetLnbFreqs(low, high);
    }

    if (powerMode_->currentIndex() >= 0)
        a.setPowerMode(static_cast<uint8_t>(powerMode_->currentIndex()));
    a.setTone22k(tone22k_->isChecked());
    a.setSwitch12V(switch12V_->isChecked());

    const int level = ListValue(switchLevel_, kSwitchLevels);
    if (level >= 0)
        a.setSwitchLevel(static_cast<uint8_t>(level));
    const int port = switchPort_->currentIndex();
    if (port >= 0) {
        if (a.switchLevel() & 1)
            a.setPort10(static_cast<uint8_t>(port));
        else if (a.switchLevel() & 2)
            a.setPort11(static_cast<uint8_t>(port));
    }

    if (positionerLevel_->currentIndex() >= 0)
        a.setPositionerLevel(static_cast<uint8_t>(positionerLevel_->currentIndex()));
    if (a.positionerLevel() & 1)
        n.positionerId = static_cast<uint8_t>(ReadInteger(positionerId_, &ok));

    a.setSkewController(skewController_->isChecked());
    if (a.skewController()) {
        n.skewV = Untouched(skewV_) ? shownNetwork_.skewV : SkewFromText(skewV_, DEFAULT_SKEW_V);
        n.skewH = Untouched(skewH_) ? shownNetwork_.skewH : SkewFromText(skewH_, DEFAULT_SKEW_H);
    }
}

void NetworkPane::FillPortList(uint8_t level) {
    const QScopedValueRollback<bool> guard(loading_, true);
    switchPort_->clear();
    if (level != 0) {
        const int count = (level & 1) ? 4 : 16;
        for (int i = 0; i < count; ++i)
            switchPort_->addItem(QString::number(i + 1));
    }
    switchPort_->setEnabled(level != 0);
}

void NetworkPane::SelectPort() {
    const AntennaConfig& a = *config_;
    if (a.switchLevel() & 1)
        switchPort_->setCurrentIndex(a.port10());
    else if (a.switchLevel() & 2)
        switchPort_->setCurrentIndex(a.port11());
    else
        switchPort_->setCurrentIndex(-1);
}

void NetworkPane::OnLnbTypeChanged(int index) {
    AntennaConfig& a = *config_;
    if (loading_ || index < 0 || index == a.lnbKind())
        return;
    a.lnbType = static_cast<uint8_t>((index << 6) | a.loIndex());
    if (index != 0)
        lnbFreqH_->setEditText(QString::number(a.LnbFreqHigh()));
    lnbFreqH_->setEnabled(index != 0);
    tone22k_->setEnabled(index != 1);
}

void NetworkPane::OnSwitchLevelChanged(int index) {
    AntennaConfig& a = *config_;
    if (loading_ || index < 0 || index == a.switchLevel())
        return;
    a.setSwitchLevel(static_cast<uint8_t>(index));
    FillPortList(static_cast<uint8_t>(index));
    SelectPort();
}

void NetworkPane::OnPositionerLevelChanged(int index) {
    AntennaConfig& a = *config_;
    if (loading_ || index < 0 || index == a.positionerLevel())
        return;
    a.setPositionerLevel(static_cast<uint8_t>(index));
    positionerId_->setEnabled(index & 1);
    ShowPositionerId();
}

void NetworkPane::OnSkewControllerToggled(bool on) {
    AntennaConfig& a = *config_;
    if (loading_ || on == a.skewController())
        return;
    a.setSkewController(on);
    skewV_->setEnabled(on);
    skewH_->setEnabled(on);
    ShowSkewAngles();
}

void NetworkPane::ShowPositionerId() {
    const bool show = (config_->positionerLevel() & 1) && network_->positionerId != 0;
    ShowNumber(positionerId_, network_->positionerId, 0, show);
}

void NetworkPane::ShowSkewAngles() {
    const bool show = config_->skewController();
    ShowNumber(skewV_, network_->skewV, 0, show);
    ShowNumber(skewH_, network_->skewH, 0, show);
}
