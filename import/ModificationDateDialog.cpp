// The modification date dialog.
#include "import/ModificationDateDialog.h"

#include "ui/MessageBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdint>

namespace {

// The stamp stores the year as an offset from 2000 below 100.
const QDate kFirstStampDate(2000, 1, 1);
const QDate kLastStampDate(2099, 12, 31);

bool IsAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

bool IsAsciiDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The white space a decimal conversion skips.
bool IsAsciiSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r';
}

} // namespace

ModificationDateDialog::ModificationDateDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Recent modification date"));

    dateRadio_ = new QRadioButton(tr("&Date"), this);
    dateRadio_->setObjectName(QStringLiteral("dateRadio"));
    versionRadio_ = new QRadioButton(tr("&Version"), this);
    versionRadio_->setObjectName(QStringLiteral("versionRadio"));
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->addButton(dateRadio_, MODE_DATE);
    modeGroup_->addButton(versionRadio_, MODE_VERSION);

    datePicker_ = new QDateEdit(this);
    datePicker_->setObjectName(QStringLiteral("datePicker"));
    datePicker_->setCalendarPopup(true);
    datePicker_->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    datePicker_->setDateRange(kFirstStampDate, kLastStampDate);

    versionEdit_ = new QLineEdit(this);
    versionEdit_->setObjectName(QStringLiteral("versionEdit"));

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    // The buttons are wired by hand: OK must be able to keep the dialog open.
    connect(okButton_, &QPushButton::clicked, this, &ModificationDateDialog::ValidateVersionText);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(dateRadio_, 0, 0);
    fields->addWidget(datePicker_, 0, 1);
    fields->addWidget(versionRadio_, 1, 0);
    fields->addWidget(versionEdit_, 1, 1);
    fields->setColumnStretch(1, 1);
    // Tab goes row by row, as the fields stand.
    setTabOrder(dateRadio_, datePicker_);
    setTabOrder(datePicker_, versionRadio_);
    setTabOrder(versionRadio_, versionEdit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(separator);
    layout->addWidget(buttons);

    // Entering a field selects its radio button. The picker's text box and drop-down button are
    // its children, so focus on any of them counts.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now)
            return;
        if (now == datePicker_ || datePicker_->isAncestorOf(now))
            SelectMode(MODE_DATE);
        else if (now == versionEdit_)
            SelectMode(MODE_VERSION);
    });
}

void ModificationDateDialog::SetMode(int mode) {
    mode_ = (mode == MODE_DATE || mode == MODE_VERSION) ? mode : MODE_NONE;
    SelectMode(mode_);
}

void ModificationDateDialog::SetDate(const CalendarDate& date) {
    const QDate day(date.year, date.month, date.day);
    date_ = QDateTime(day, QTime(date.hour, date.minute, date.second));
    if (day.isValid())
        datePicker_->setDate(day); // clamped to the years the stamp can hold
}

CalendarDate ModificationDateDialog::GetDate() const {
    if (!date_.isValid() || !date_.date().isValid())
        return CalendarDate{};
    const QDate day = date_.date();
    const QTime time = date_.time().isValid() ? date_.time() : QTime(0, 0);
    return CalendarDate{day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

void ModificationDateDialog::SetVersionText(const QString& text) {
    versionText_ = text;
    versionEdit_->setText(text);
}

bool ModificationDateDialog::ParseVersionText(const QString& text, unsigned* areaCode, unsigned* number) {
    if (text.isEmpty() || !IsAsciiLetter(text[0]))
        return false;
    qsizetype i = 1;
    while (i < text.size() && IsAsciiSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= text.size() || !IsAsciiDigit(text[i]))
        return false;
    uint64_t value = 0;
    for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > UINT32_MAX)
            return false; // out of range of an unsigned number
    }
    // A negated number wraps round to a huge one, except zero.
    if (negative && value != 0)
        return false;
    if (value >= 255)
        return false;
    const char16_t letter = text[0].unicode();
    if (areaCode)
        *areaCode = letter >= u'a' ? letter - u'a' : letter - u'A';
    if (number)
        *number = static_cast<unsigned>(value);
    return true;
}

void ModificationDateDialog::ValidateVersionText() {
    if (CheckedMode() == MODE_VERSION && !ParseVersionText(versionEdit_->text())) {
        MessageBox::Error(this, tr("[Area code][Version in decimal] EX> B002"), tr("Invalid version input"));
        versionEdit_->setFocus();
        return;
    }
    date_ = QDateTime(datePicker_->date(), date_.isValid() ? date_.time() : QTime(0, 0));
    versionText_ = versionEdit_->text();
    mode_ = CheckedMode();
    accept();
}

void ModificationDateDialog::SelectMode(int mode) {
    if (mode == MODE_DATE) {
        dateRadio_->setChecked(true);
    } else if (mode == MODE_VERSION) {
        versionRadio_->setChecked(true);
    } else {
        // An exclusive group never lets its last checked button go.
        modeGroup_->setExclusive(false);
        dateRadio_->setChecked(false);
        versionRadio_->setChecked(false);
        modeGroup_->setExclusive(true);
    }
}

int ModificationDateDialog::CheckedMode() const {
    return modeGroup_->checkedId(); // -1 when neither is checked
}

bool RunModificationDateDialog(QWidget* parent, NetworkDatabase& db, bool* changed) {
    if (changed)
        *changed = false;

    ModificationDateDialog dialog(parent);
    dialog.SetMode(db.stampYear == 0 ? ModificationDateDialog::MODE_VERSION : ModificationDateDialog::MODE_DATE);
    dialog.SetDate(db.GetStampDate());
    std::string version;
    db.GetStampVersion(version);
    dialog.SetVersionText(QString::fromLatin1(version.data(), static_cast<qsizetype>(version.size())));
    if (dialog.exec() != QDialog::Accepted)
        return false;

    bool stampChanged;
    if (dialog.GetMode() != ModificationDateDialog::MODE_DATE) {
        // Hand over the version in its plain form, so that every text the dialog accepted (with a
        // sign, say) is stored as the number it reads as.
        const QString text = dialog.GetVersionText();
        unsigned areaCode = 0;
        unsigned number = 0;
        if (ModificationDateDialog::ParseVersionText(text, &areaCode, &number)) {
            const std::string plain = std::string(1, static_cast<char>('A' + areaCode)) + std::to_string(number);
            stampChanged = db.SetStampVersion(plain);
        } else {
            stampChanged = db.SetStampVersion(text.toLatin1().toStdString());
        }
    } else {
        stampChanged = db.SetStampDate(dialog.GetDate());
    }
    db.SetKeepStamp(true);
    if (changed)
        *changed = stampChanged;
    return true;
}
