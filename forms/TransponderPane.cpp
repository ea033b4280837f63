#include "forms/TransponderPane.h"

#include "database/DisplayTables.h"
#include "database/Records.h"
#include "forms/FormWidgets.h"
#include "forms/NameField.h"
#include "forms/NumberRules.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kFecCount = 6;     // "Auto" and the five rates
constexpr uint8_t kFecNone = 15; // stored when the FEC list has no selection

// The words of the core's polarity and FEC tables, for the translations to find; the rates stay
// as they are.
[[maybe_unused]] constexpr const char* kListWords[] = {
    QT_TRANSLATE_NOOP("TransponderPane", "Vert"),           QT_TRANSLATE_NOOP("TransponderPane", "Horz"),
    QT_TRANSLATE_NOOP("TransponderPane", "Circular Right"), QT_TRANSLATE_NOOP("TransponderPane", "Circular Left"),
    QT_TRANSLATE_NOOP("TransponderPane", "Auto"),
};

// Lets through only digit keys and keys that type nothing (editing, navigation, shortcuts such as
// paste); whatever reaches the box otherwise is read by the number rules.
class DigitKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            const bool typesSomething = !text.isEmpty() && text.at(0).isPrint();
            const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
            if (typesSomething && !shortcut) {
                for (QChar c : text) {
                    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                        return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QLineEdit* NumberEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

} // namespace

TransponderPane::TransponderPane(Transponder* working, QWidget* parent) : FormPane(parent), working_(working) {
    name_ = CreateNameEdit(this, "tpName");
    frequency_ = NumberEdit(this, "frequency");
    symbolRate_ = NumberEdit(this, "symbolRate");
    polarity_ = new FormComboBox(this);
    polarity_->setObjectName(QStringLiteral("polarity"));
    for (const char* name : kPolarityNames)
        polarity_->addItem(tr(name));
    fec_ = new FormComboBox(this);
    fec_->setObjectName(QStringLiteral("fec"));
    for (const char* name : kFecNames)
        fec_->addItem(tr(name));
    freqDrift_ = NumberEdit(this, "freqDrift");
    gmtError_ = NumberEdit(this, "gmtError");
    gmtError_->installEventFilter(new DigitKeysOnly(gmtError_));

    AddRow(tr(" &Name"), name_);
    AddRow(tr(" F&requency"), frequency_);
    AddRow(tr(" S&ymbol Rate"), symbolRate_);
    AddRow(tr(" Po&larity"), polarity_);
    AddRow(tr(" FE&C"), fec_);
    AddRow(tr(" Freq &Drift"), freqDrift_);
    AddRow(tr(" &GMT Error"), gmtError_);
    Finish();
}

void TransponderPane::Load() {
    const Transponder& t = *working_;
    name_->setText(NameToText(t.name));
    frequency_->setText(QString::number(t.frequency));
    symbolRate_->setText(QString::number(t.symbolRate));
    polarity_->setCurrentIndex(t.polarity());
    ShowListValue(fec_, kFecCount, t.fec());
    freqDrift_->setText(QString::number(t.freqDrift));
    ShowNumber(gmtError_, t.gmtError, 0, t.gmtError != GMT_UNSET);
}

void TransponderPane::Read() {
    Transponder& t = *working_;
    t.name = TextToName(name_->text());
    bool ok = false;
    t.frequency = static_cast<uint16_t>(ReadInteger(frequency_, &ok));
    t.symbolRate = static_cast<uint16_t>(ReadInteger(symbolRate_, &ok));
    const int polarity = polarity_->currentIndex();
    if (polarity >= 0)
        t.polFec = static_cast<uint8_t>((t.polFec & ~0x03) | polarity);
    const int fec = ListValue(fec_, kFecCount);
    t.polFec = static_cast<uint8_t>((t.polFec & 0x0F) | ((fec >= 0 ? fec : kFecNone) << 4));
    t.freqDrift = static_cast<uint8_t>(ReadNumber(freqDrift_));
    const int32_t gmt = ReadInteger(gmtError_, &ok);
    t.gmtError = ok ? gmt : GMT_UNSET;
}
