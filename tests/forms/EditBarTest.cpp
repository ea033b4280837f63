// The edit bar: its panes and captions, where it may dock, and the Show/Read contract.
#include "tests/forms/FormsTest.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

AntennaConfig SomeConfig() {
    AntennaConfig config;
    config.lnbSupply = 0x05;
    return config;
}

Network SomeNetwork() {
    Network network;
    network.name = "Hot Bird";
    network.position = 130;
    network.antennaIndex = 4;
    return network;
}

Transponder SomeTransponder() {
    Transponder transponder;
    transponder.InitTransponder(2, 11034, 0x30);
    transponder.symbolRate = 27500;
    return transponder;
}

Program SomeProgram() {
    Program program(7);
    program.name = "Arte";
    program.serviceId = 0x2b66;
    program.audioPids.Append(0x1ff, 6);
    return program;
}

} // namespace

TEST_F(FormsTest, StartsWithTheEmptyPaneDockableLeftOrRight) {
    EXPECT_EQ(bar->objectName(), "editBar");
    EXPECT_EQ(bar->paneKind(), PANE_EMPTY);
    EXPECT_EQ(bar->windowTitle(), "");
    auto* empty = guitest::Find<QLabel>(bar, "emptyPane");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->text(), "Empty");
    EXPECT_EQ(empty->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(bar->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    EXPECT_TRUE(bar->features() & QDockWidget::DockWidgetFloatable);
    EXPECT_EQ(window.dockWidgetArea(bar), Qt::RightDockWidgetArea);
}

TEST_F(FormsTest, EachShowSwitchesPaneAndCaption) {
    bar->ShowNetwork(SomeConfig(), SomeNetwork());
    EXPECT_EQ(bar->paneKind(), PANE_NETWORK);
    EXPECT_EQ(bar->windowTitle(), "Network");
    EXPECT_TRUE(Control<QWidget>("networkPane", "networkName")->isVisible());

    bar->ShowTransponder(SomeTransponder());
    EXPECT_EQ(bar->paneKind(), PANE_TRANSPONDER);
    EXPECT_EQ(bar->windowTitle(), "Transponder");
    EXPECT_FALSE(Control<QWidget>("networkPane", "networkName")->isVisible());

    bar->ShowProgram(SomeProgram());
    EXPECT_EQ(bar->windowTitle(), "Program");
    bar->SetPane(PANE_EMPTY);
    EXPECT_EQ(bar->windowTitle(), "");
    EXPECT_EQ(EditBar::PaneCaption(PANE_TRANSPONDER), "Transponder");
}

TEST_F(FormsTest, ReadOfAnotherPaneReadsNothing) {
    EXPECT_EQ(bar->ReadNetwork(), 1);
    EXPECT_EQ(bar->ReadTransponder(), 1);
    EXPECT_EQ(bar->ReadProgram(), 1);

    bar->ShowNetwork(SomeConfig(), SomeNetwork());
    Retype(Control<QLineEdit>("networkPane", "networkName"), QStringLiteral("Edited"));
    bar->ShowTransponder(SomeTransponder());
    EXPECT_EQ(bar->ReadNetwork(), 1);
    EXPECT_EQ(bar->ReadProgram(), 1);
    EXPECT_EQ(bar->workingNetwork().name, "Hot Bird");
    EXPECT_EQ(bar->ReadTransponder(), 0);
}

TEST_F(FormsTest, SetPaneOfTheShownKindKeepsTheControls) {
    bar->ShowTransponder(SomeTransponder());
    auto* name = Control<QLineEdit>("transponderPane", "tpName");
    Retype(name, QStringLiteral("typed"));
    bar->SetPane(PANE_TRANSPONDER);
    EXPECT_EQ(name->text(), "typed");
}

TEST_F(FormsTest, ShowingAgainReplacesTheWholeWorkingCopy) {
    Program first = SomeProgram();
    first.audioPids.Append(0x200, 1);
    first.caMask = 0x81;
    bar->ShowProgram(first);
    Program second(3);
    second.name = "Second";
    bar->ShowProgram(second);
    EXPECT_FALSE(bar->workingProgram().Differs(second));
    EXPECT_EQ(bar->workingProgram().transponderIndex, 3);
    ASSERT_EQ(bar->ReadProgram(), 0);
    EXPECT_FALSE(bar->workingProgram().Differs(second));
    EXPECT_EQ(Control<QLineEdit>("programPane", "audioPid")->text(), "");
}

TEST_F(FormsTest, TheBarKeepsItsPlaceAndVisibilityWhenThePaneChanges) {
    bar->ShowTransponder(SomeTransponder());
    bar->setFloating(true);
    bar->move(40, 50);
    const QPoint place = bar->pos();
    bar->ShowProgram(SomeProgram());
    EXPECT_TRUE(bar->isFloating());
    EXPECT_EQ(bar->pos(), place);
    EXPECT_EQ(bar->windowTitle(), "Program");

    bar->setFloating(false);
    bar->ToggleEditBar();
    EXPECT_TRUE(bar->isHidden());
    bar->ShowNetwork(SomeConfig(), SomeNetwork());
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->paneKind(), PANE_NETWORK);
    bar->ToggleEditBar();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(FormsTest, OkOfEveryPaneAndMoreAudioReachTheOwner) {
    QSignalSpy ok(bar, &EditBar::okClicked);
    QSignalSpy moreAudio(bar, &EditBar::moreAudioClicked);
    bar->ShowNetwork(SomeConfig(), SomeNetwork());
    Click(Control<QPushButton>("networkPane", "ok"));
    QTest::keyClick(Control<QComboBox>("networkPane", "lnbFreq")->lineEdit(), Qt::Key_Return);
    bar->ShowTransponder(SomeTransponder());
    Click(Control<QPushButton>("transponderPane", "ok"));
    // Enter in a text box presses the pane's default button.
    QTest::keyClick(Control<QLineEdit>("transponderPane", "frequency"), Qt::Key_Return);
    bar->ShowProgram(SomeProgram());
    Click(Control<QPushButton>("programPane", "ok"));
    EXPECT_EQ(ok.count(), 5);
    Click(Control<QPushButton>("programPane", "moreAudio"));
    EXPECT_EQ(moreAudio.count(), 1);
    EXPECT_EQ(ok.count(), 5);
}

TEST_F(FormsTest, EveryPaneUsesTheSameLabelColumn) {
    const auto controlX = [this](const char* pane, const char* control) {
        auto* widget = Control<QWidget>(pane, control);
        return widget->mapTo(bar, QPoint(0, 0)).x();
    };
    bar->ShowNetwork(SomeConfig(), SomeNetwork());
    const int networkX = controlX("networkPane", "networkName");
    bar->ShowTransponder(SomeTransponder());
    EXPECT_EQ(controlX("transponderPane", "tpName"), networkX);
    bar->ShowProgram(SomeProgram());
    EXPECT_EQ(controlX("programPane", "programName"), networkX);
}

TEST_F(FormsTest, UneditedRecordsReadBackUnchanged) {
    AntennaConfig config;
    config.diseqcMode = 0xF6; // level "1.1", positioner "1.2", carried bits 4-6, skew controller
    config.lnbSupply = 0xF6;  // 18V, 22 kHz on while Universal disables the box, carried bits 4-7
    config.switchPort = 0x5E;
    config.lnbType = 0x72; // Universal, carried bits 4-5, index 2
    Network network;
    network.name = HighBytesName();
    network.position = 3599;
    network.positionerId = 200;
    network.antennaIndex = 9;
    network.skewV = 179;
    network.skewH = 0;
    bar->ShowNetwork(config, network);
    ASSERT_EQ(bar->ReadNetwork(), 0);
    EXPECT_EQ(bar->workingNetwork().name, network.name);
    EXPECT_FALSE(bar->workingNetwork().Differs(network, true, true));
    EXPECT_EQ(bar->workingNetwork().antennaIndex, 9);
    const AntennaConfig& read = bar->workingAntennaConfig();
    EXPECT_EQ(read.diseqcMode, config.diseqcMode);
    EXPECT_EQ(read.lnbSupply, config.lnbSupply);
    EXPECT_EQ(read.switchPort, config.switchPort);
    EXPECT_EQ(read.lnbType, config.lnbType);

    Transponder transponder = SomeTransponder();
    transponder.name = HighBytesName();
    transponder.polFec = 0x5F; // carried bits 2-3
    transponder.freqDrift = 255;
    transponder.gmtError = -3600;
    transponder.networkIndex = 17;
    bar->ShowTransponder(transponder);
    ASSERT_EQ(bar->ReadTransponder(), 0);
    EXPECT_EQ(bar->workingTransponder().name, transponder.name);
    EXPECT_FALSE(bar->workingTransponder().Differs(transponder));
    EXPECT_EQ(bar->workingTransponder().networkIndex, 17);

    Program program = SomeProgram();
    program.name = HighBytesName();
    program.pmtPid = 0x20;
    program.videoPids.Append(0x4100, 3);
    program.audioPids.Append(0x4201, 30);
    program.teletextPids.Append(0x4300, 9);
    program.caMask = 0xC000FFFF;
    program.attributes = static_cast<uint8_t>(0xFF & ~PA_RADIO);
    program.attributes2 = 0xA5;
    bar->ShowProgram(program);
    ASSERT_EQ(bar->ReadProgram(), 0);
    EXPECT_EQ(bar->workingProgram().name, program.name);
    EXPECT_FALSE(bar->workingProgram().Differs(program));
    EXPECT_EQ(bar->workingProgram().transponderIndex, 7);
}

TEST_F(FormsTest, NameBoxesRefuseCharactersWithoutAByteAndStopAt255) {
    bar->ShowProgram(SomeProgram());
    auto* name = Control<QLineEdit>("programPane", "programName");
    Retype(name, QString::fromUtf8("Caf\u00e9\u20ac\u4e2d\u00ff"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Caf\u00e9\u00ff"));
    // A paste that holds one such character is refused whole.
    name->selectAll();
    name->insert(QString::fromUtf8("TV \u0100"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Caf\u00e9\u00ff"));
    Retype(name, QString(300, QLatin1Char('n')));
    ASSERT_EQ(bar->ReadProgram(), 0);
    EXPECT_EQ(bar->workingProgram().name, std::string(255, 'n'));
    EXPECT_EQ(Control<QLineEdit>("networkPane", "networkName")->maxLength(), 255);
    EXPECT_EQ(Control<QLineEdit>("transponderPane", "tpName")->maxLength(), 255);
}
