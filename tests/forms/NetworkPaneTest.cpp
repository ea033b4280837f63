// The network pane: rows, enabling rules, its handlers and the read-back rules.
#include "tests/forms/FormsTest.h"

#include "database/DisplayTables.h"
#include "ui/Translations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QWheelEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr const char* kPane = "networkPane";

class NetworkPaneTest : public FormsTest {
protected:
    void Show() { bar->ShowNetwork(config, network); }
    QLineEdit* Edit(const char* name) { return Control<QLineEdit>(kPane, name); }
    QComboBox* Combo(const char* name) { return Control<QComboBox>(kPane, name); }
    QCheckBox* Check(const char* name) { return Control<QCheckBox>(kPane, name); }
    const AntennaConfig& Config() {
        EXPECT_EQ(bar->ReadNetwork(), 0);
        return bar->workingAntennaConfig();
    }
    const Network& Net() {
        EXPECT_EQ(bar->ReadNetwork(), 0);
        return bar->workingNetwork();
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    AntennaConfig config;
    Network network;
};

} // namespace

TEST_F(NetworkPaneTest, RowsAndListsInOrder) {
    Show();
    QWidget* pane = guitest::Find<QWidget>(bar, kPane);
    std::vector<QLabel*> labels;
    for (QLabel* label : pane->findChildren<QLabel*>())
        labels.push_back(label);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    QStringList texts;
    for (QLabel* label : labels) {
        texts << label->text().remove(QLatin1Char('&')); // the texts as shown, without the letters' marks
        EXPECT_EQ(label->x(), labels.front()->x()) << label->text().toStdString();
    }
    EXPECT_EQ(texts, QStringList({" Name", " Degree", " LNB Type", " LNB Freq", " LNB Freq H", " LNB Power/Switch",
                                  " 22Khz Switch", " 12V Switch", " DiSEqC Switch Level", " DiSEqC Switch Port",
                                  " DiSEqC Positioner Level", " DiSEqC Positioner ID", " Skew Controller",
                                  " Skew Angle V", " Skew Angle H"}));
    EXPECT_EQ(Items(Combo("lnbType")), QStringList({"Single", "Universal", "OCS"}));
    const QStringList frequencies{"5150", "5700", "5750", "9750", "10000", "10050", "10600", "10750", "11200", "11475"};
    EXPECT_EQ(Items(Combo("lnbFreq")), frequencies);
    EXPECT_EQ(Items(Combo("lnbFreqH")), frequencies);
    EXPECT_EQ(Items(Combo("powerMode")), QStringList({"OFF", "13V", "18V", "ON (Auto)"}));
    EXPECT_EQ(Items(Combo("switchLevel")), QStringList({"OFF", "1.0", "1.1"}));
    EXPECT_EQ(Items(Combo("positionerLevel")), QStringList({"OFF", "1.2", "USALS", "BOTH"}));
    EXPECT_EQ(Check("tone22k")->text(), "On");
    EXPECT_EQ(Check("switch12V")->text(), "On");
    EXPECT_EQ(Check("skewController")->text(), "Exists");
}

TEST_F(NetworkPaneTest, ShowsTheDefaultsOfANewSlot) {
    network.position = 192;
    Show();
    EXPECT_EQ(Edit("degree")->text(), "19.2");
    EXPECT_EQ(Combo("lnbType")->currentText(), "Universal");
    EXPECT_EQ(Combo("lnbFreq")->currentText(), "9750");
    EXPECT_EQ(Combo("lnbFreqH")->currentText(), "10600");
    EXPECT_TRUE(Combo("lnbFreqH")->isEnabled());
    EXPECT_FALSE(Check("tone22k")->isEnabled());
    EXPECT_EQ(Combo("powerMode")->currentText(), "ON (Auto)");
    EXPECT_FALSE(Combo("switchPort")->isEnabled());
    EXPECT_EQ(Combo("switchPort")->count(), 0);
    EXPECT_FALSE(Edit("positionerId")->isEnabled());
    EXPECT_FALSE(Edit("skewV")->isEnabled());
    EXPECT_EQ(Edit("skewV")->text(), "");
    EXPECT_EQ(Edit("skewH")->text(), "");
}

TEST_F(NetworkPaneTest, DegreeReadsAsTenthsWithinOneTurn) {
    Show();
    const std::vector<std::pair<QString, int>> cases = {{"19.2", 192},   {"-5", 3550}, {"365", 50},
                                                        {"-0.04", 3599}, {"west", 0},  {"19,2", 192}};
    for (const auto& [text, position] : cases) {
        Retype(Edit("degree"), text);
        EXPECT_EQ(Net().position, position) << text.toStdString();
    }
    bar->ShowNetwork(config, bar->workingNetwork());
    EXPECT_EQ(Edit("degree")->text(), "19.2");
}

// With the German interface the decimal comma reads as the point does, and the position is shown
// again with a point, as in every language.
TEST_F(NetworkPaneTest, GermanDecimalCommaReadsAndShowsWithAPoint) {
    InstallTranslations(QLocale(QLocale::German));
    delete bar; // the panes take their texts when they are made
    bar = new EditBar(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, bar);
    Show();
    const std::vector<std::pair<QString, int>> cases = {{"28,2", 282}, {"0,8", 8}, {"359,9", 3599}, {"-0,8", 3592}};
    for (const auto& [text, position] : cases) {
        Retype(Edit("degree"), text);
        EXPECT_EQ(Net().position, position) << text.toStdString();
        bar->ShowNetwork(config, bar->workingNetwork());
        EXPECT_EQ(Edit("degree")->text().toStdString(), FormatPosition(bar->workingNetwork()));
    }
    EXPECT_EQ(Edit("degree")->text(), "359.2");
    EXPECT_EQ(Combo("powerMode")->itemText(3), "EIN (Auto)");
    InstallTranslations(QLocale(QLocale::English));
}

TEST_F(NetworkPaneTest, LnbFrequenciesPickATableIndexOrCustomValues) {
    Show(); // Universal, index 1
    Retype(Combo("lnbFreqH"), QStringLiteral("10600"));
    EXPECT_EQ(Config().lnbType, 0x41);
    Retype(Combo("lnbFreqH"), QStringLiteral("10700"));
    EXPECT_EQ(Config().loIndex(), 0);
    EXPECT_EQ(Config().lnbFreq, 9750);
    EXPECT_EQ(Config().lnbFreqH, 10700);
    // Picking from the list only fills the text.
    Combo("lnbFreqH")->setCurrentIndex(7);
    EXPECT_EQ(Config().lnbType, 0x42);

    Combo("lnbType")->setCurrentIndex(0);
    EXPECT_FALSE(Combo("lnbFreqH")->isEnabled());
    EXPECT_TRUE(Check("tone22k")->isEnabled());
    Retype(Combo("lnbFreq"), QStringLiteral("10600"));
    Retype(Combo("lnbFreqH"), QStringLiteral("junk")); // disabled boxes are not read
    EXPECT_EQ(Config().lnbType, 5);
    // A typed number is never completed from the list.
    Retype(Combo("lnbFreq"), QStringLiteral("1000"));
    EXPECT_EQ(Config().lnbType, 0);
    EXPECT_EQ(Config().lnbFreq, 1000);
    Retype(Combo("lnbFreq"), QStringLiteral("5 GHz"));
    EXPECT_EQ(Config().lnbFreq, 0);
}

TEST_F(NetworkPaneTest, ChangingTheTypeShowsTheNewHighFrequencyOnly) {
    Show(); // Universal, index 1
    Combo("lnbType")->setCurrentIndex(2);
    EXPECT_EQ(Combo("lnbFreqH")->currentText(), "5750");
    EXPECT_EQ(Combo("lnbFreq")->currentText(), "9750");
    const AntennaConfig& read = Config();
    EXPECT_EQ(read.lnbKind(), 2);
    EXPECT_EQ(read.loIndex(), 0);
    EXPECT_EQ(read.lnbFreq, 9750);
    EXPECT_EQ(read.lnbFreqH, 5750);

    config.lnbType = 0xF1; // kind 3: no table, shown as an item of its own
    Show();
    EXPECT_EQ(Combo("lnbType")->currentText(), "3 (unknown)");
    EXPECT_FALSE(Config().Differs(config));
    Combo("lnbType")->setCurrentIndex(1);
    EXPECT_EQ(bar->workingAntennaConfig().lnbType, 0x41); // index kept, bits 4-5 cleared
}

TEST_F(NetworkPaneTest, SwitchLevelThreeIsShownAndReadBackAsStored) {
    config.diseqcMode = 0x03;
    config.switchPort = 0xC2;
    Show();
    EXPECT_EQ(Combo("switchLevel")->currentText(), "3 (unknown)");
    EXPECT_EQ(Combo("switchPort")->count(), 4); // bit 0 of the level: the "1.0" ports
    EXPECT_EQ(Combo("switchPort")->currentText(), "3");
    EXPECT_EQ(Config().switchLevel(), 3);
    EXPECT_FALSE(Config().Differs(config));
}

TEST_F(NetworkPaneTest, PortListFollowsTheSwitchLevel) {
    config.diseqcMode = 0x02;
    config.switchPort = 0xC2;
    Show();
    EXPECT_EQ(Combo("switchPort")->count(), 16);
    EXPECT_EQ(Combo("switchPort")->currentText(), "13");
    EXPECT_EQ(Combo("switchPort")->itemText(15), "16");
    Combo("switchPort")->setCurrentIndex(15);
    EXPECT_EQ(Config().switchPort, 0xF2);

    Combo("switchLevel")->setCurrentIndex(1);
    EXPECT_EQ(Combo("switchPort")->count(), 4);
    EXPECT_EQ(Combo("switchPort")->currentText(), "3");
    Combo("switchPort")->setCurrentIndex(0);
    EXPECT_EQ(Config().switchPort, 0xF0);

    Combo("switchLevel")->setCurrentIndex(0);
    EXPECT_FALSE(Combo("switchPort")->isEnabled());
    EXPECT_EQ(Combo("switchPort")->currentIndex(), -1);
    EXPECT_EQ(Config().switchPort, 0xF0);
    EXPECT_EQ(Config().switchLevel(), 0);
}

TEST_F(NetworkPaneTest, PositionerIdAppliesOnlyToLevelsWithOneTwo) {
    config.diseqcMode = 0x04; // "1.2"
    network.positionerId = 0;
    Show();
    EXPECT_TRUE(Edit("positionerId")->isEnabled());
    EXPECT_EQ(Edit("positionerId")->text(), "");
    Retype(Edit("positionerId"), QStringLiteral("300"));
    EXPECT_EQ(Net().positionerId, 44);

    Retype(Edit("positionerId"), QStringLiteral("9"));
    Combo("positionerLevel")->setCurrentIndex(2); // USALS
    EXPECT_FALSE(Edit("positionerId")->isEnabled());
    EXPECT_EQ(Edit("positionerId")->text(), "");
    EXPECT_EQ(Net().positionerId, 44);
    Combo("positionerLevel")->setCurrentIndex(3); // BOTH shows the working copy, not the typed text
    EXPECT_EQ(Edit("positionerId")->text(), "44");
    Retype(Edit("positionerId"), QStringLiteral("none"));
    EXPECT_EQ(Net().positionerId, 0);
    EXPECT_EQ(bar->workingAntennaConfig().positionerLevel(), 3);
}

TEST_F(NetworkPaneTest, SkewAnglesReadModulo180WithDefaults) {
    config.diseqcMode = 0x80;
    network.skewV = 10;
    network.skewH = 20;
    Show();
    EXPECT_EQ(Edit("skewV")->text(), "10");
    Retype(Edit("skewV"), QStringLiteral("200"));
    Retype(Edit("skewH"), QStringLiteral("45"));
    EXPECT_EQ(Net().skewV, 20);
    EXPECT_EQ(Net().skewH, 45);
    Retype(Edit("skewV"), QStringLiteral("436")); // low 8 bits 180, reduced to 0
    Retype(Edit("skewH"), QStringLiteral("-1"));  // low 8 bits 255
    EXPECT_EQ(Net().skewV, 0);
    EXPECT_EQ(Net().skewH, 75);
    Retype(Edit("skewV"), QString());
    Retype(Edit("skewH"), QStringLiteral("x"));
    EXPECT_EQ(Net().skewV, 106);
    EXPECT_EQ(Net().skewH, 33);

    Retype(Edit("skewV"), QStringLiteral("1"));
    Click(Check("skewController"));
    EXPECT_FALSE(Edit("skewV")->isEnabled());
    EXPECT_EQ(Edit("skewV")->text(), "");
    EXPECT_EQ(Edit("skewH")->text(), "");
    EXPECT_FALSE(Config().skewController());
    Click(Check("skewController"));
    EXPECT_TRUE(Edit("skewH")->isEnabled());
    EXPECT_EQ(Edit("skewV")->text(), "106");
    EXPECT_EQ(Edit("skewH")->text(), "33");
}

TEST_F(NetworkPaneTest, SwitchesAndPowerAreRead) {
    Show(); // Universal: the 22Khz box is disabled but still read
    Combo("powerMode")->setCurrentIndex(1);
    Click(Check("switch12V"));
    EXPECT_EQ(Config().powerMode(), 1);
    EXPECT_TRUE(Config().switch12V());
    EXPECT_FALSE(Config().tone22k());
    Combo("lnbType")->setCurrentIndex(2);
    Click(Check("tone22k"));
    EXPECT_TRUE(Config().tone22k());
    config.lnbSupply = 0x07;
    Show();
    EXPECT_TRUE(Check("tone22k")->isChecked());
    EXPECT_TRUE(Config().tone22k());
}

TEST_F(NetworkPaneTest, HostileTextInEveryBoxReadsByTheRules) {
    config.diseqcMode = 0x84; // positioner "1.2", skew controller
    Show();
    const QString junk = QString::fromUtf8("\u0661\u20ac-0x\t") + QChar(0) + QString(5000, QLatin1Char('9'));
    for (const char* name : {"degree", "positionerId", "skewV", "skewH"})
        Edit(name)->setText(junk);
    Combo("lnbFreq")->setEditText(junk);
    Combo("lnbFreqH")->setEditText(junk);
    const Network& read = Net();
    EXPECT_EQ(read.position, 0);
    EXPECT_EQ(read.positionerId, 0);
    EXPECT_EQ(read.skewV, 106);
    EXPECT_EQ(read.skewH, 33);
    EXPECT_EQ(bar->workingAntennaConfig().lnbFreq, 0);
    EXPECT_EQ(bar->workingAntennaConfig().lnbKind(), 0); // both frequencies 0: a custom Single
}

// ---- the drop-down lists under the mouse wheel and the arrow keys ----

namespace {

// One notch of the wheel over the box: 120 away from the user (up the list), -120 toward the user.
void TurnWheel(QComboBox* box, int delta = 120) {
    QWheelEvent event(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &event);
}

} // namespace

TEST_F(NetworkPaneTest, DropDownsTurnWithTheWheelOnlyWhileTheyHaveTheFocus) {
    Show();
    Edit("networkName")->setFocus();
    QWidget* pane = guitest::Find<QWidget>(bar, kPane);
    const QList<QComboBox*> boxes = pane->findChildren<QComboBox*>();
    ASSERT_EQ(boxes.size(), 7);
    for (QComboBox* box : boxes) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus); // the wheel does not give it the focus
        const QString before = box->currentText();
        TurnWheel(box, 120);
        TurnWheel(box, -120);
        TurnWheel(box, -120);
        EXPECT_EQ(box->currentText(), before);
    }
    QComboBox* power = Combo("powerMode");
    ASSERT_EQ(power->currentText(), "ON (Auto)");
    power->setFocus();
    ASSERT_TRUE(power->hasFocus());
    TurnWheel(power);
    EXPECT_EQ(power->currentText(), "18V");

    bar->ShowTransponder(Transponder());
    for (const char* name : {"polarity", "fec"}) {
        auto* box = Control<QComboBox>("transponderPane", name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
        TurnWheel(box, -120);
        EXPECT_EQ(box->currentIndex(), 0) << name;
    }
}

TEST_F(NetworkPaneTest, LnbFrequencyListAndArrowKeysFollowTheNumberShown) {
    Show(); // LNB Freq 9750, LNB Freq H 10600: the lists' picked items are not those
    QComboBox* low = Combo("lnbFreq");
    low->setFocus();
    low->showPopup();
    EXPECT_EQ(low->view()->currentIndex().row(), 3); // 9750
    low->hidePopup();

    QTest::keyClick(low, Qt::Key_Down);
    EXPECT_EQ(low->currentText(), "10000");
    QTest::keyClick(low, Qt::Key_Up);
    QTest::keyClick(low, Qt::Key_Up);
    EXPECT_EQ(low->currentText(), "5750");

    // A typed number between two items steps to its neighbours; the list highlights the nearest.
    QComboBox* high = Combo("lnbFreqH");
    Retype(high, QStringLiteral("10700"));
    high->showPopup();
    EXPECT_EQ(high->view()->currentIndex().row(), 7); // 10750
    high->hidePopup();
    QTest::keyClick(high, Qt::Key_Down);
    EXPECT_EQ(high->currentText(), "10750");
    Retype(high, QStringLiteral("10700"));
    QTest::keyClick(high, Qt::Key_Up);
    EXPECT_EQ(high->currentText(), "10600");
    QTest::keyClick(high, Qt::Key_Up);
    EXPECT_EQ(high->currentText(), "10050");
    EXPECT_EQ(Config().LnbFreqHigh(), 10050);
    EXPECT_EQ(Config().LnbFreqLow(), 5750);
}
