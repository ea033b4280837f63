// The number rules of the forms and the name conversion, on ordinary and hostile text.
#include "forms/NumberRules.h"
#include "database/DisplayTables.h"
#include "forms/NameField.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <utility>

namespace {

struct IntegerRead {
    bool ok;
    int32_t value;
};

IntegerRead Integer(const QString& text) {
    IntegerRead read{};
    read.value = ReadInteger(text, &read.ok);
    return read;
}

} // namespace

TEST(ShowNumber, FormatsByWidthAndHidesWhenNotShown) {
    EXPECT_EQ(ShowNumber(0x1a, 2, true), "0x1a");
    EXPECT_EQ(ShowNumber(0x1a, 4, true), "0x001a");
    EXPECT_EQ(ShowNumber(0xffff, 4, true), "0xffff");
    EXPECT_EQ(ShowNumber(0x12345, 4, true), "0x12345"); // a minimum width, never a cut
    EXPECT_EQ(ShowNumber(-1, 8, true), "0xffffffff");
    EXPECT_EQ(ShowNumber(-1, 4, true), "0xffffffff");
    EXPECT_EQ(ShowNumber(-7, 0, true), "-7");
    EXPECT_EQ(ShowNumber(INT32_MIN, 3, true), "-2147483648");
    EXPECT_EQ(ShowNumber(42, 0, false), "");
    EXPECT_EQ(ShowNumber(0, 4, false), "");
}

TEST(ReadNumber, ReadsDecimalAndPrefixedHexadecimal) {
    EXPECT_EQ(ReadNumber(QStringLiteral("0x1a")), 26);
    EXPECT_EQ(ReadNumber(QStringLiteral("   0x1a")), 26);
    EXPECT_EQ(ReadNumber(QStringLiteral("0X1A")), 26);
    EXPECT_EQ(ReadNumber(QStringLiteral("\t 0x1a")), 26);
    EXPECT_EQ(ReadNumber(QStringLiteral("0x")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("12abc")), 12);
    EXPECT_EQ(ReadNumber(QStringLiteral("")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("-5")), -5);
    EXPECT_EQ(ReadNumber(QStringLiteral("+7")), 7);
    EXPECT_EQ(ReadNumber(QStringLiteral("0100")), 100); // a leading 0 is not octal
    EXPECT_EQ(ReadNumber(QStringLiteral("0x2000")), 0x2000);
    EXPECT_EQ(ReadNumber(QStringLiteral("0x1fffg")), 0x1fff);
    EXPECT_EQ(ReadNumber(QStringLiteral("-1")) & 0xFFFF, 0xFFFF);
}

TEST(ReadNumber, HostileTextReadsAsZeroOrItsLowBits) {
    EXPECT_EQ(ReadNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("--5")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("-")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("0xg")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral("x12")), 0);
    EXPECT_EQ(ReadNumber(QStringLiteral(" ")), 0);
    // Digits of other scripts and full-width digits are no digits here.
    EXPECT_EQ(ReadNumber(QString::fromUtf8("\u0661\u0662")), 0);
    EXPECT_EQ(ReadNumber(QString::fromUtf8("\uff11\uff12")), 0);
    EXPECT_EQ(ReadNumber(QString(QChar(0)) + QStringLiteral("12")), 0);
    EXPECT_EQ(ReadNumber(QString::fromUtf8("7\U0001F600")), 7);
    // Too wide for 32 bits: the low 32 bits.
    EXPECT_EQ(ReadNumber(QStringLiteral("4294967297")), 1);
    EXPECT_EQ(ReadNumber(QStringLiteral("0x123456789")), 0x23456789);
    EXPECT_EQ(ReadNumber(QStringLiteral("0x") + QString(200, QLatin1Char('f'))), -1);
    const QString digits(100000, QLatin1Char('9'));
    ReadNumber(digits); // any value, but no crash
}

TEST(ReadInteger, AcceptsOnlyAWholeSignedNumber) {
    EXPECT_FALSE(Integer(QString()).ok);
    EXPECT_FALSE(Integer(QStringLiteral("   ")).ok);
    EXPECT_FALSE(Integer(QStringLiteral("-")).ok);
    EXPECT_FALSE(Integer(QStringLiteral("abc")).ok);
    EXPECT_FALSE(Integer(QStringLiteral("0x10")).ok);
    EXPECT_FALSE(Integer(QStringLiteral("12abc")).ok);
    EXPECT_FALSE(Integer(QStringLiteral("1 2")).ok);
    EXPECT_FALSE(Integer(QString::fromUtf8("\u0661")).ok);

    const IntegerRead spaced = Integer(QStringLiteral("  -12 "));
    EXPECT_TRUE(spaced.ok);
    EXPECT_EQ(spaced.value, -12);
    EXPECT_EQ(Integer(QStringLiteral("70000")).value, 70000);
}

TEST(ReadInteger, RefusesValuesOutsideThe32BitRange) {
    EXPECT_EQ(Integer(QStringLiteral("2147483647")).value, INT32_MAX);
    EXPECT_TRUE(Integer(QStringLiteral("-2147483648")).ok);
    EXPECT_EQ(Integer(QStringLiteral("-2147483648")).value, INT32_MIN);
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999999"}) {
        const IntegerRead read = Integer(QString::fromLatin1(text));
        EXPECT_FALSE(read.ok) << text;
        EXPECT_EQ(read.value, 0) << text;
    }
    EXPECT_FALSE(Integer(QString(100000, QLatin1Char('7'))).ok);
}

TEST(PositionFromDegrees, ReducesIntoOneTurn) {
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("19.2")), 192);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("-5")), 3550);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("365")), 50);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("-0.04")), 3599);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("360")), 0);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("-360")), 0);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("1e3")), 2800);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral(" +.5")), 5);
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("13.05")), 130); // tenths are cut, not rounded
    EXPECT_EQ(PositionFromDegrees(QStringLiteral("123456789012345678901234567890")),
              PositionFromDegrees(QStringLiteral("123456789012345678901234567890.0")));
}

TEST(PositionFromDegrees, TextWithoutAUsableNumberGivesZero) {
    for (const char* text : {"", "abc", ".", ",", "-", "e5", "inf", "nan", "-inf", "1e999", "0x10"})
        EXPECT_EQ(PositionFromDegrees(QString::fromLatin1(text)), 0) << text;
    EXPECT_LT(PositionFromDegrees(QString(100000, QLatin1Char('9'))), 3600);
}

TEST(PositionFromDegrees, ThePointAndTheCommaAreSeparatorsInEveryLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; the rule holds either way
    const std::pair<const char*, int> cases[] = {{"19,2", 192}, {"19.2", 192},  {"-0,8", 3592},
                                                 {",5", 5},     {"1,5e1", 150}, {"28,2,3", 282}};
    for (const auto& [text, position] : cases)
        EXPECT_EQ(PositionFromDegrees(QString::fromLatin1(text)), position) << text;
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(saved);
}

TEST(PositionFromDegrees, EveryShownPositionReadsBackUnchanged) {
    for (int position = 0; position < 3600; ++position) {
        Network network;
        network.position = static_cast<uint16_t>(position);
        ASSERT_EQ(PositionFromDegrees(QString::fromStdString(FormatPosition(network))), position);
    }
}

TEST(Names, EveryByteSurvivesTheTextView) {
    std::string name;
    for (int byte = 0; byte < 256; ++byte)
        name.push_back(static_cast<char>(byte));
    name.resize(255);
    EXPECT_EQ(TextToName(NameToText(name)), name);
    EXPECT_EQ(NameToText(std::string("\xe9", 1)), QString(QChar(0xe9)));
    EXPECT_EQ(TextToName(QString(QChar(0xff))), std::string("\xff", 1));
}

TEST(Names, AreCutAt255Bytes) {
    EXPECT_EQ(TextToName(QString(300, QChar(0xe4))), std::string(255, '\xe4'));
}

TEST(Names, TheValidatorRefusesCharactersWithoutAByte) {
    Latin1Validator validator;
    int pos = 0;
    QString latin = QString::fromUtf8("Caf\u00e9 \u00ff") + QChar(0) + QChar(0x1b);
    EXPECT_EQ(validator.validate(latin, pos), QValidator::Acceptable);
    for (const char* utf8 : {"\u20ac", "A\u0100", "\u4e2d", "\U0001F600"}) {
        QString text = QString::fromUtf8(utf8);
        EXPECT_EQ(validator.validate(text, pos), QValidator::Invalid) << utf8;
    }
}
