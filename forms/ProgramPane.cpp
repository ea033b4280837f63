#include "forms/ProgramPane.h"

#include "database/Records.h"
#include "forms/AudioDialog.h"
#include "forms/NameField.h"
#include "forms/NumberRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

QLineEdit* TextBox(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

template <typename Button> Button* MakeButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new Button(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

// A PID box (empty for a missing PID) followed by a flag box.
QHBoxLayout* PidWithFlag(QLineEdit* pid, QCheckBox* flag) {
    auto* row = new QHBoxLayout;
    row->addWidget(pid, 1);
    row->addWidget(flag);
    return row;
}

void SetBit(uint8_t& bits, uint8_t mask, bool on) {
    bits = static_cast<uint8_t>(on ? (bits | mask) : (bits & ~mask));
}

// The first PID word of a list; PID_NONE for an empty one. Looks at the words themselves, so a
// list whose two sequences differ in length is never read past its end.
uint16_t FirstWord(const PidList& list) {
    return list.pids.empty() ? PID_NONE : list.pids[0];
}

// The PID shown for the first entry of a list: the masked PID, empty when there is none.
QString FirstPidText(const PidList& list) {
    const uint16_t first = FirstWord(list);
    return ShowNumber(first & PID_MASK, 4, first != PID_NONE);
}

// The bits of a list's first word that no box shows (13 and 15), kept when the PID is retyped.
uint16_t HiddenBits(const PidList& list, uint16_t shownFlag) {
    const uint16_t first = FirstWord(list);
    return first == PID_NONE ? 0 : static_cast<uint16_t>(first & ~(PID_MASK | shownFlag));
}

// A single-entry list takes the new word in place, keeping its language; any other is replaced.
void SetSingleEntry(PidList& list, uint16_t word) {
    if (list.Count() == 1 && list.pids.size() == 1) {
        list.pids[0] = word;
    } else {
        list.Clear();
        list.Append(word, LANG_NONE);
    }
}

} // namespace

ProgramPane::ProgramPane(Program* working, QWidget* parent) : FormPane(parent), working_(working) {
    name_ = CreateNameEdit(this, "programName");
    serviceId_ = TextBox(this, "serviceId");
    tv_ = MakeButton<QRadioButton>(this, "tv", tr("TV"));
    radio_ = MakeButton<QRadioButton>(this, "radio", tr("Radio"));
    auto* typeGroup = new QButtonGroup(this);
    typeGroup->addButton(tv_);
    typeGroup->addButton(radio_);
    pmtPid_ = TextBox(this, "pmtPid");
    pcrPid_ = TextBox(this, "pcrPid");
    videoPid_ = TextBox(this, "videoPid");
    audioPid_ = TextBox(this, "audioPid");
    ac3_ = MakeButton<QCheckBox>(this, "ac3", tr("AC&3"));
    teletextPid_ = TextBox(this, "teletextPid");
    subt_ = MakeButton<QCheckBox>(this, "subt", tr("Subt"));
    scrambled_ = MakeButton<QCheckBox>(this, "scrambled", tr("Scram&bled"));
    moreAudio_ = MakeButton<QPushButton>(this, "moreAudio", tr("More A&udio..."));
    // Both flag boxes as wide as the wider one, so that the two PID boxes line up.
    const int flagWidth = qMax(ac3_->sizeHint().width(), subt_->sizeHint().width());
    ac3_->setMinimumWidth(flagWidth);
    subt_->setMinimumWidth(flagWidth);

    // The form has more controls than the menu bar leaves letters: these three are reached with Tab
    // from the box before them (Teletext PID, "Don't update with service ID").
    subt_->setProperty("tabOnly", true);
    auto* attributes = new QGroupBox(tr("Attributes"), this);
    attributes->setObjectName(QStringLiteral("attributes"));
    lock_ = MakeButton<QCheckBox>(attributes, "lock", tr("&Lock"));
    skip_ = MakeButton<QCheckBox>(attributes, "skip", tr("Sk&ip"));
    noSidUpdate_ = MakeButton<QCheckBox>(attributes, "noSidUpdate", tr("Don't update &with service ID"));
    noNameUpdate_ = MakeButton<QCheckBox>(attributes, "noNameUpdate", tr("Don't update name"));
    noPidUpdate_ = MakeButton<QCheckBox>(attributes, "noPidUpdate", tr("Don't update video/audio PIDs"));
    noNameUpdate_->setProperty("tabOnly", true);
    noPidUpdate_->setProperty("tabOnly", true);
    auto* attributeRows = new QVBoxLayout(attributes);
    auto* lockAndSkip = new QHBoxLayout;
    lockAndSkip->addWidget(lock_);
    lockAndSkip->addWidget(skip_);
    lockAndSkip->addStretch(1);
    attributeRows->addLayout(lockAndSkip);
    attributeRows->addWidget(noSidUpdate_);
    attributeRows->addWidget(noNameUpdate_);
    attributeRows->addWidget(noPidUpdate_);

    auto* type = new QHBoxLayout;
    type->setContentsMargins(4, 0, 0, 0);
    type->addWidget(tv_);
    type->addWidget(radio_);
    type->addStretch(1);

    AddRow(tr(" &Name"), name_);
    AddRow(tr(" Se&rvice ID"), serviceId_);
    AddRow(tr(" Service T&ype"), type)->setBuddy(tv_);
    AddRow(tr(" P&MT PID"), pmtPid_);
    AddRow(tr(" P&CR PID"), pcrPid_);
    AddRow(tr(" Vi&deo PID"), videoPid_);
    AddRow(tr(" &Audio PID"), PidWithFlag(audioPid_, ac3_))->setBuddy(audioPid_);
    AddRow(tr(" Telete&xt PID"), PidWithFlag(teletextPid_, subt_))->setBuddy(teletextPid_);
    AddCheckRow(tr(" CA"), scrambled_);
    AddControlOnly(moreAudio_);
    AddWide(attributes);
    Finish();

    connect(tv_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnTypeChosen(false);
    });
    connect(radio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnTypeChosen(true);
    });
    connect(ac3_, &QCheckBox::clicked, this, &ProgramPane::OnAc3Clicked);
    connect(moreAudio_, &QPushButton::clicked, this, &ProgramPane::moreAudioClicked);
}

void ProgramPane::Load() {
    const QScopedValueRollback<bool> guard(loading_, true);
    const Program& p = *working_;
    shown_ = p;
    audioListEdited_ = false;

    videoPid_->setEnabled(!p.IsRadio());
    name_->setText(NameToText(p.name));
    ShowNumber(serviceId_, p.serviceId, 4, p.serviceId != 0);
    (p.IsRadio() ? radio_ : tv_)->setChecked(true);
    ShowNumber(pmtPid_, p.pmtPid, 4, p.pmtPid != PID_NONE);
    ShowNumber(pcrPid_, p.pcrPid, 4, p.pcrPid != PID_NONE);

    // Video words are shown whole: flag bits included.
    const uint16_t video = FirstWord(p.videoPids);
    ShowNumber(videoPid_, video, 4, video != PID_NONE);

    ShowAudioBox();

    teletextPid_->setText(FirstPidText(p.teletextPids));
    const uint16_t teletext = FirstWord(p.teletextPids);
    subt_->setChecked(teletext != PID_NONE && (teletext & PID_FLAG_SUBT));

    scrambled_->setChecked(p.attributes & PA_SCRAMBLED);
    lock_->setChecked(p.attributes & PA_LOCK);
    skip_->setChecked(p.attributes & PA_SKIP);
    noSidUpdate_->setChecked(p.attributes & PA_NO_SID_UPDATE);
    noNameUpdate_->setChecked(p.attributes & PA_NO_NAME_UPDATE);
    noPidUpdate_->setChecked(p.attributes & PA_NO_PID_UPDATE);
    shownAc3_ = ac3_->isChecked();
    shownSubt_ = subt_->isChecked();
    RememberShownTexts();
}

void ProgramPane::ShowAudioBox() {
    const PidList& audio = working_->audioPids;
    audioPid_->setText(FirstPidText(audio));
    ac3_->setChecked(FirstWord(audio) != PID_NONE && (audio.OrPids() & PID_FLAG_AC3));
}

void ProgramPane::Read() {
    Program& p = *working_;
    p.name = TextToName(name_->text());
    // A box left as shown reads back as the record held it (a PID of 0 shows as 0x0000 but would
    // read as none; a list of several entries shows only its first).
    p.serviceId = Untouched(serviceId_) ? shown_.serviceId : static_cast<uint16_t>(ReadNumber(serviceId_));
    const auto pidOrNone = [this](const QLineEdit* box, uint16_t shown) {
        if (Untouched(box))
            return shown;
        const int32_t value = ReadNumber(box);
        return value == 0 ? PID_NONE : static_cast<uint16_t>(value);
    };
    p.pmtPid = pidOrNone(pmtPid_, shown_.pmtPid);
    p.pcrPid = pidOrNone(pcrPid_, shown_.pcrPid);

    const int32_t video = ReadNumber(videoPid_);
    if (Untouched(videoPid_) && p.IsRadio() == shown_.IsRadio())
        p.videoPids = shown_.videoPids;
    else if (p.IsRadio() || video == 0)
        p.videoPids.Clear();
    else
        SetSingleEntry(p.videoPids, static_cast<uint16_t>(video));

    const int32_t audio = ReadNumber(audioPid_);
    if (!audioListEdited_ && Untouched(audioPid_) && ac3_->isChecked() == shownAc3_) {
        p.audioPids = shown_.audioPids;
    } else if (audio == 0) {
        p.audioPids.Clear();
    } else {
        const uint16_t first = FirstWord(p.audioPids);
        uint16_t word = static_cast<uint16_t>((audio & PID_MASK) | HiddenBits(p.audioPids, PID_FLAG_AC3));
        // With several tracks the AC3 box stands for all of them and is not read.
        const bool ac3 = p.audioPids.Count() < 2 ? ac3_->isChecked() : (first & PID_FLAG_AC3) != 0;
        if (ac3)
            word |= PID_FLAG_AC3;
        if (first == PID_NONE)
            p.audioPids.Append(word, LANG_NONE);
        else
            p.audioPids.pids[0] = word;
    }

    const int32_t teletext = ReadNumber(teletextPid_);
    if (Untouched(teletextPid_) && subt_->isChecked() == shownSubt_) {
        p.teletextPids = shown_.teletextPids;
    } else if (teletext == 0) {
        p.teletextPids.Clear();
    } else {
        uint16_t word = static_cast<uint16_t>((teletext & PID_MASK) | HiddenBits(p.teletextPids, PID_FLAG_SUBT));
        if (subt_->isChecked())
            word |= PID_FLAG_SUBT;
        SetSingleEntry(p.teletextPids, word);
    }

    SetBit(p.attributes, PA_SCRAMBLED, scrambled_->isChecked());
    SetBit(p.attributes, PA_LOCK, lock_->isChecked());
    SetBit(p.attributes, PA_SKIP, skip_->isChecked());
    SetBit(p.attributes, PA_NO_SID_UPDATE, noSidUpdate_->isChecked());
    SetBit(p.attributes, PA_NO_NAME_UPDATE, noNameUpdate_->isChecked());
    SetBit(p.attributes, PA_NO_PID_UPDATE, noPidUpdate_->isChecked());
}

void ProgramPane::OnTypeChosen(bool radio) {
    if (loading_ || radio == working_->IsRadio())
        return;
    SetBit(working_->attributes, PA_RADIO, radio);
    // The video text stays; reading back empties the video list of a radio program.
    videoPid_->setEnabled(!radio);
}

void ProgramPane::OnAc3Clicked(bool checked) {
    if (working_->audioPids.Count() > 1) {
        ac3_->setChecked(!checked);
        EditAudioList();
    }
}

void ProgramPane::EditAudioList() {
    AudioDialog dialog(working_->audioPids, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    working_->audioPids = dialog.pidList();
    audioListEdited_ = true;
    audioPid_->setText(FirstPidText(working_->audioPids));
    ac3_->setChecked(working_->audioPids.OrPids() & PID_FLAG_AC3);
}
