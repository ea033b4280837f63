#include "import/ModificationDateDialog.h"
#include "tests/support/Stamp.h"

#include "tests/support/GuiTest.h"
#include "ui/MessageBox.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using guitest::Find;
using guitest::RunModal;

using stamptest::SetStamp;
using stamptest::Stamp;
using stamptest::StampOf;

struct Controls {
    QRadioButton* dateRadio;
    QRadioButton* versionRadio;
    QDateEdit* datePicker;
    QLineEdit* versionEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

Controls ControlsOf(const QWidget* dialog) {
    return {Find<QRadioButton>(dialog, "dateRadio"), Find<QRadioButton>(dialog, "versionRadio"),
            Find<QDateEdit>(dialog, "datePicker"),   Find<QLineEdit>(dialog, "versionEdit"),
            Find<QPushButton>(dialog, "okButton"),   Find<QPushButton>(dialog, "cancelButton")};
}

struct Outcome {
    bool ran = false;
    bool accepted = false;
    bool changed = false;
};

// Runs the editor's command on db and lets interact work the dialog.
Outcome RunOn(NetworkDatabase& db, const std::function<void(QWidget*, const Controls&)>& interact) {
    Outcome outcome;
    outcome.changed = true; // the function must clear it
    outcome.ran = RunModal([&] { outcome.accepted = RunModificationDateDialog(nullptr, db, &outcome.changed); },
                           [&](QWidget* modal) { interact(modal, ControlsOf(modal)); });
    return outcome;
}

QDate Today() {
    const CalendarDate now = LocalNow();
    return QDate(now.year, now.month, now.day);
}

TEST(ModificationDateDialogTest, DateStampOpensInDateModeAndCancelChangesNothing) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    const Outcome outcome = RunOn(db, [](QWidget* dialog, const Controls& c) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Recent modification date"));
        EXPECT_EQ(c.dateRadio->text(), QStringLiteral("&Date"));
        EXPECT_EQ(c.versionRadio->text(), QStringLiteral("&Version"));
        EXPECT_TRUE(c.dateRadio->isChecked());
        EXPECT_FALSE(c.versionRadio->isChecked());
        EXPECT_EQ(c.datePicker->date(), QDate(2004, 5, 19));
        EXPECT_TRUE(c.datePicker->calendarPopup());
        EXPECT_TRUE(c.versionEdit->text().isEmpty());
        EXPECT_TRUE(c.okButton->isDefault());
        // Edits made before Cancel are dropped.
        c.datePicker->setDate(QDate(2011, 1, 2));
        c.versionRadio->click();
        c.versionEdit->setText(QStringLiteral("C3"));
        c.cancelButton->click();
    });
    ASSERT_TRUE(outcome.ran);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0x84, 5, 19}));
    EXPECT_FALSE(db.keepStamp);
}

TEST(ModificationDateDialogTest, VersionStampOpensInVersionModeWithTodayInThePicker) {
    NetworkDatabase db;
    SetStamp(db, {0, 1, 2});
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) {
        EXPECT_TRUE(c.versionRadio->isChecked());
        EXPECT_FALSE(c.dateRadio->isChecked());
        EXPECT_EQ(c.versionEdit->text(), QStringLiteral("B002"));
        EXPECT_EQ(c.datePicker->date(), Today());
        c.cancelButton->click();
    });
    ASSERT_TRUE(outcome.ran);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(StampOf(db), (Stamp{0, 1, 2}));
}

TEST(ModificationDateDialogTest, OkWithoutChangePinsTheStampForTheNextSave) {
    NetworkDatabase db;
    ASSERT_EQ(db.NewDefault(), NDF_OK);
    SetStamp(db, {0x84, 5, 19});
    ASSERT_FALSE(db.keepStamp);
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) { c.okButton->click(); });
    ASSERT_TRUE(outcome.ran);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_FALSE(outcome.changed);
    EXPECT_TRUE(db.keepStamp);

    std::vector<uint8_t> image;
    ASSERT_GT(db.Serialize(image), 11u);
    EXPECT_EQ(image[9], 0x84);
    EXPECT_EQ(image[10], 5);
    EXPECT_EQ(image[11], 19);
}

TEST(ModificationDateDialogTest, ChosenDateIsStored) {
    NetworkDatabase db;
    SetStamp(db, {0, 0, 7});
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) {
        c.dateRadio->click();
        c.datePicker->setDate(QDate(2010, 3, 4));
        c.okButton->click();
    });
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(db.keepStamp);
    EXPECT_EQ(StampOf(db), (Stamp{0x8A, 3, 4}));
}

TEST(ModificationDateDialogTest, PickerHoldsOnlyTheYearsTheStampCanStore) {
    NetworkDatabase db;
    SetStamp(db, {0x80 + 99, 12, 31});
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) {
        EXPECT_EQ(c.datePicker->date(), QDate(2099, 12, 31));
        EXPECT_EQ(c.datePicker->minimumDate(), QDate(2000, 1, 1));
        EXPECT_EQ(c.datePicker->maximumDate(), QDate(2099, 12, 31));
        c.datePicker->setDate(QDate(2100, 1, 1));
        EXPECT_EQ(c.datePicker->date(), QDate(2099, 12, 31));
        c.datePicker->setDate(QDate(1999, 12, 31));
        EXPECT_EQ(c.datePicker->date(), QDate(2000, 1, 1));
        c.okButton->click();
    });
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0x80, 1, 1}));
    EXPECT_EQ(db.GetStampDate(), (CalendarDate{2000, 1, 1, 0, 0, 0}));

    // The last day of the range survives the round trip through the stamp.
    const Outcome last = RunOn(db, [](QWidget*, const Controls& c) {
        c.datePicker->setDate(QDate(2099, 12, 31));
        c.okButton->click();
    });
    ASSERT_TRUE(last.accepted);
    EXPECT_EQ(StampOf(db), (Stamp{0x80 + 99, 12, 31}));
    EXPECT_EQ(db.GetStampDate(), (CalendarDate{2099, 12, 31, 0, 0, 0}));
}

TEST(ModificationDateDialogTest, LowerCaseVersionIsStoredAndShownInCapitals) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) {
        c.versionRadio->click();
        c.versionEdit->setText(QStringLiteral("b2"));
        c.okButton->click();
    });
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(db.keepStamp);
    EXPECT_EQ(StampOf(db), (Stamp{0, 1, 2}));

    const Outcome again = RunOn(db, [](QWidget*, const Controls& c) {
        EXPECT_EQ(c.versionEdit->text(), QStringLiteral("B002"));
        c.okButton->click();
    });
    ASSERT_TRUE(again.accepted);
    EXPECT_FALSE(again.changed);
}

TEST(ModificationDateDialogTest, InvalidVersionKeepsTheDialogOpenWithTheTextAsTyped) {
    NetworkDatabase db;
    SetStamp(db, {0, 1, 2});
    const Outcome outcome = RunOn(db, [](QWidget* dialog, const Controls& c) {
        for (const char* typed : {"A255", "7B", "Q", "", "XY12", " B2", "B-3"}) {
            c.versionEdit->setText(QString::fromLatin1(typed));
            MessageBox::SetNextAnswer(MessageBox::Ok);
            c.okButton->click();
            const auto shown = MessageBox::TakeShown();
            ASSERT_EQ(shown.size(), 1u) << typed;
            EXPECT_EQ(shown[0].text, QStringLiteral("[Area code][Version in decimal] EX> B002"));
            EXPECT_EQ(shown[0].caption, QStringLiteral("Invalid version input"));
            EXPECT_EQ(shown[0].icon, MessageBox::IconStop);
            EXPECT_FALSE(shown[0].yesNoCancel);
            EXPECT_TRUE(dialog->isVisible()) << typed;
            EXPECT_EQ(c.versionEdit->text(), QString::fromLatin1(typed));
        }
        c.versionEdit->setText(QStringLiteral("Z254"));
        c.okButton->click();
    });
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0, 25, 254}));
}

TEST(ModificationDateDialogTest, DateModeIgnoresTheVersionField) {
    NetworkDatabase db;
    SetStamp(db, {0, 1, 2});
    const Outcome outcome = RunOn(db, [](QWidget*, const Controls& c) {
        c.versionEdit->setText(QStringLiteral("not a version"));
        c.dateRadio->click();
        c.datePicker->setDate(QDate(2024, 2, 29));
        c.okButton->click();
    });
    EXPECT_TRUE(MessageBox::TakeShown().empty());
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0x80 + 24, 2, 29}));
}

TEST(ModificationDateDialogTest, SignedVersionIsStoredAsTheNumberItReadsAs) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    const Outcome plus = RunOn(db, [](QWidget*, const Controls& c) {
        c.versionRadio->click();
        c.versionEdit->setText(QStringLiteral("c +17 rest"));
        c.okButton->click();
    });
    ASSERT_TRUE(plus.accepted);
    EXPECT_TRUE(plus.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0, 2, 17}));

    const Outcome minusZero = RunOn(db, [](QWidget*, const Controls& c) {
        c.versionEdit->setText(QStringLiteral("D-0"));
        c.okButton->click();
    });
    ASSERT_TRUE(minusZero.accepted);
    EXPECT_TRUE(minusZero.changed);
    EXPECT_EQ(StampOf(db), (Stamp{0, 3, 0}));
}

TEST(ModificationDateDialogTest, VersionTextRules) {
    struct Case {
        const char* text;
        bool valid;
        unsigned areaCode;
        unsigned number;
    };
    const Case cases[] = {
        {"B002", true, 1, 2},    {"b2", true, 1, 2},           {"Z254", true, 25, 254}, {"a0", true, 0, 0},
        {"B\t 12", true, 1, 12}, {"B12x3", true, 1, 12},       {"B+9", true, 1, 9},     {"B -0", true, 1, 0},
        {"B255", false, 0, 0},   {"B4294967296", false, 0, 0}, {"B-1", false, 0, 0},    {"B-4294967295", false, 0, 0},
        {"1002", false, 0, 0},   {"B", false, 0, 0},           {"", false, 0, 0},       {"BC", false, 0, 0},
        {" B2", false, 0, 0},    {"B+ 2", false, 0, 0},        {"B+", false, 0, 0},     {"@1", false, 0, 0},
        {"[1", false, 0, 0},
    };
    for (const Case& c : cases) {
        unsigned areaCode = 99;
        unsigned number = 99;
        EXPECT_EQ(ModificationDateDialog::ParseVersionText(QString::fromLatin1(c.text), &areaCode, &number), c.valid)
            << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(areaCode, c.areaCode) << c.text;
            EXPECT_EQ(number, c.number) << c.text;
        }
    }
    // Letters and digits outside ASCII are neither.
    EXPECT_FALSE(ModificationDateDialog::ParseVersionText(QString::fromUtf8("\xc3\x89"
                                                                            "2")));
    EXPECT_FALSE(ModificationDateDialog::ParseVersionText(QString::fromUtf8("B\xd9\xa3")));
}

TEST(ModificationDateDialogTest, EnteringAFieldSelectsItsMode) {
    ModificationDateDialog dialog;
    const Controls c = ControlsOf(&dialog);
    EXPECT_EQ(dialog.GetMode(), ModificationDateDialog::MODE_NONE);
    EXPECT_FALSE(c.dateRadio->isChecked());
    EXPECT_FALSE(c.versionRadio->isChecked());

    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    c.okButton->setFocus();
    QApplication::processEvents();

    c.versionEdit->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(c.versionRadio->isChecked());
    EXPECT_FALSE(c.dateRadio->isChecked());

    c.datePicker->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(c.dateRadio->isChecked());
    EXPECT_FALSE(c.versionRadio->isChecked());

    // A click on a radio button leaves the focus where it is.
    QWidget* focused = QApplication::focusWidget();
    c.versionRadio->click();
    QApplication::processEvents();
    EXPECT_TRUE(c.versionRadio->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), focused);
    dialog.close();
}

TEST(ModificationDateDialogTest, OkTakesTheControlsIntoTheValues) {
    ModificationDateDialog dialog;
    dialog.SetMode(ModificationDateDialog::MODE_DATE);
    dialog.SetDate(CalendarDate{2004, 5, 19, 13, 14, 15});
    dialog.SetVersionText(QStringLiteral("B002"));
    const Controls c = ControlsOf(&dialog);
    c.datePicker->setDate(QDate(2005, 6, 7));
    c.versionEdit->setText(QStringLiteral("C3"));
    // Before OK the values are those set.
    EXPECT_EQ(dialog.GetDate(), (CalendarDate{2004, 5, 19, 13, 14, 15}));
    EXPECT_EQ(dialog.GetVersionText(), QStringLiteral("B002"));

    c.versionRadio->click();
    c.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetMode(), ModificationDateDialog::MODE_VERSION);
    EXPECT_EQ(dialog.GetDate(), (CalendarDate{2005, 6, 7, 13, 14, 15}));
    EXPECT_EQ(dialog.GetVersionText(), QStringLiteral("C3"));
}

} // namespace
