// The transponder pane: what it shows and how each box reads back.
#include "tests/forms/FormsTest.h"

namespace {

constexpr const char* kPane = "transponderPane";

class TransponderPaneTest : public FormsTest {
protected:
    TransponderPaneTest() {
        transponder.InitTransponder(1, 12188, 0x21);
        transponder.symbolRate = 27500;
    }
    void Show() { bar->ShowTransponder(transponder); }
    QLineEdit* Edit(const char* name) { return Control<QLineEdit>(kPane, name); }
    QComboBox* Combo(const char* name) { return Control<QComboBox>(kPane, name); }
    const Transponder& Read() {
        EXPECT_EQ(bar->ReadTransponder(), 0);
        return bar->workingTransponder();
    }
    // Reads the pane and shows the result again, as the next selection of the record would.
    void ReadAndShowAgain() {
        transponder = Read();
        Show();
    }

    Transponder transponder;
};

} // namespace

TEST_F(TransponderPaneTest, ShowsEveryField) {
    transponder.gmtError = -120;
    transponder.freqDrift = 200;
    Show();
    EXPECT_EQ(Edit("frequency")->text(), "12188");
    EXPECT_EQ(Edit("symbolRate")->text(), "27500");
    EXPECT_EQ(Combo("polarity")->currentText(), "Horz");
    EXPECT_EQ(Combo("fec")->currentText(), "2/3");
    EXPECT_EQ(Edit("freqDrift")->text(), "200");
    EXPECT_EQ(Edit("gmtError")->text(), "-120");
    QStringList polarities, fecs;
    for (int i = 0; i < Combo("polarity")->count(); ++i)
        polarities << Combo("polarity")->itemText(i);
    for (int i = 0; i < Combo("fec")->count(); ++i)
        fecs << Combo("fec")->itemText(i);
    EXPECT_EQ(polarities, QStringList({"Vert", "Horz", "Circular Right", "Circular Left"}));
    EXPECT_EQ(fecs, QStringList({"Auto", "1/2", "2/3", "3/4", "5/6", "7/8"}));
}

TEST_F(TransponderPaneTest, FrequencyAndSymbolRateKeepTheirLow16Bits) {
    Show();
    Retype(Edit("frequency"), QStringLiteral("70000"));
    Retype(Edit("symbolRate"), QStringLiteral("-1"));
    EXPECT_EQ(Read().frequency, 4464);
    EXPECT_EQ(Read().symbolRate, 65535);
    Retype(Edit("frequency"), QString());
    Retype(Edit("symbolRate"), QStringLiteral("fast"));
    EXPECT_EQ(Read().frequency, 0);
    EXPECT_EQ(Read().symbolRate, 0);
    Retype(Edit("frequency"), QStringLiteral("0x2f9c")); // no hexadecimal here
    EXPECT_EQ(Read().frequency, 0);
}

TEST_F(TransponderPaneTest, FreqDriftReadsAsAByteInDecimalOrHexadecimal) {
    Show();
    Retype(Edit("freqDrift"), QStringLiteral("-1"));
    ReadAndShowAgain();
    EXPECT_EQ(transponder.freqDrift, 255);
    EXPECT_EQ(Edit("freqDrift")->text(), "255");
    Retype(Edit("freqDrift"), QStringLiteral("0x10"));
    EXPECT_EQ(Read().freqDrift, 16);
    Retype(Edit("freqDrift"), QStringLiteral("300"));
    EXPECT_EQ(Read().freqDrift, 44);
    Retype(Edit("freqDrift"), QStringLiteral("7 kHz"));
    EXPECT_EQ(Read().freqDrift, 7);
}

TEST_F(TransponderPaneTest, GmtErrorTakesDigitKeysOnlyAndEmptyMeansUnset) {
    transponder.gmtError = -7;
    Show();
    EXPECT_EQ(Edit("gmtError")->text(), "-7");
    EXPECT_EQ(Read().gmtError, -7);
    Retype(Edit("gmtError"), QStringLiteral("-3a6+0.0"));
    EXPECT_EQ(Edit("gmtError")->text(), "3600");
    EXPECT_EQ(Read().gmtError, 3600);
    Retype(Edit("gmtError"), QString());
    ReadAndShowAgain();
    EXPECT_EQ(transponder.gmtError, GMT_UNSET);
    EXPECT_EQ(Edit("gmtError")->text(), "");
    // Pasted text is not filtered; it still reads by the whole-number rule.
    Edit("gmtError")->setText(QStringLiteral("12abc"));
    EXPECT_EQ(Read().gmtError, GMT_UNSET);
    Edit("gmtError")->setText(QStringLiteral("99999999999"));
    EXPECT_EQ(Read().gmtError, GMT_UNSET);
}

TEST_F(TransponderPaneTest, PolarityAndFecReplaceTheirBitsOnly) {
    transponder.polFec = 0x0C; // carried bits 2-3, Vert, Auto
    Show();
    Combo("polarity")->setCurrentIndex(3);
    Combo("fec")->setCurrentIndex(5);
    EXPECT_EQ(Read().polFec, 0x5F);
}

TEST_F(TransponderPaneTest, AFecPastTheListIsShownAndReadBackAsStored) {
    for (uint8_t fec = 6; fec <= 15; ++fec) {
        transponder.polFec = static_cast<uint8_t>(fec << 4 | 0x06);
        Show();
        EXPECT_EQ(Combo("fec")->currentText(), QStringLiteral("%1 (unknown)").arg(fec));
        EXPECT_EQ(Read().polFec, transponder.polFec) << int(fec);
        EXPECT_FALSE(Read().Differs(transponder));
    }
    Combo("fec")->setCurrentIndex(2);
    EXPECT_EQ(Read().polFec, 0x26);
}
