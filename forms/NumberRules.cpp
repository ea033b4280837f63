#include "forms/NumberRules.h"

#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IsBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

// Only ASCII digits count: QChar::isDigit would also take digits of other scripts.
int DecimalDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') ? u - '0' : -1;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

qsizetype SkipBlanks(const QString& text, qsizetype i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

bool IsHexPrefix(const QString& text, qsizetype i) {
    return i + 1 < text.size() && text[i] == QLatin1Char('0') &&
           (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'));
}

// Reads an optionally signed number in the given base from position i, like the scanf conversions
// do; unsigned arithmetic wraps, so over-wide input keeps its low 32 bits.
uint32_t ReadWrapped(const QString& text, qsizetype i, int base) {
    i = SkipBlanks(text, i);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (base == 16 && IsHexPrefix(text, i) && i + 2 < text.size() && HexDigit(text[i + 2]) >= 0)
        i += 2;
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? HexDigit(text[i]) : DecimalDigit(text[i]);
        if (digit < 0)
            break;
        value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    return negative ? 0u - value : value;
}

} // namespace

QString ShowNumber(int32_t value, int width, bool show) {
    if (!show)
        return QString();
    const uint32_t bits = static_cast<uint32_t>(value);
    switch (width) {
    case 2:
        return QStringLiteral("0x%1").arg(bits, 2, 16, QLatin1Char('0'));
    case 4:
        return QStringLiteral("0x%1").arg(bits, 4, 16, QLatin1Char('0'));
    case 8:
        return QStringLiteral("0x%1").arg(bits, 8, 16, QLatin1Char('0'));
    default:
        return QString::number(value);
    }
}

int32_t ReadNumber(const QString& text) {
    const qsizetype start = SkipBlanks(text, 0);
    const uint32_t bits = IsHexPrefix(text, start) ? ReadWrapped(text, start + 2, 16) : ReadWrapped(text, start, 10);
    return static_cast<int32_t>(bits);
}

int32_t ReadInteger(const QString& text, bool* ok) {
    *ok = false;
    qsizetype i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && text[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    const qsizetype firstDigit = i;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DecimalDigit(text[i]);
        if (digit < 0)
            break;
        magnitude = magnitude * 10 + digit;
        if (magnitude > int64_t{INT32_MAX} + 1)
            return 0;
    }
    if (i == firstDigit || SkipBlanks(text, i) != text.size())
        return 0;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return 0;
    *ok = true;
    return static_cast<int32_t>(value);
}

bool ReadDecimal(const QString& text, double* value) {
    *value = 0.0;
    qsizetype i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // Collect the longest prefix of the form digits[.digits][e[sign]digits] in plain ASCII.
    std::string number;
    int mantissaDigits = 0;
    for (; i < text.size() && DecimalDigit(text[i]) >= 0; ++i, ++mantissaDigits)
        number += static_cast<char>(text[i].unicode());
    // The decimal comma of many languages is taken as well as the point.
    if (i < text.size() && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(','))) {
        number += '.';
        for (++i; i < text.size() && DecimalDigit(text[i]) >= 0; ++i, ++mantissaDigits)
            number += static_cast<char>(text[i].unicode());
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exponent += static_cast<char>(text[j++].unicode());
        if (j < text.size() && DecimalDigit(text[j]) >= 0) {
            for (; j < text.size() && DecimalDigit(text[j]) >= 0; ++j)
                exponent += static_cast<char>(text[j].unicode());
            number += exponent;
        }
    }
    double parsed = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (result.ec != std::errc() || !std::isfinite(parsed))
        return false;
    *value = negative ? -parsed : parsed;
    return true;
}

uint16_t PositionFromDegrees(const QString& text) {
    double degrees = 0.0;
    if (!ReadDecimal(text, &degrees))
        return 0;
    double tenths = std::fmod(degrees * 10.0, 3600.0);
    if (std::isnan(tenths))
        return 0;
    if (tenths < 0.0)
        tenths += 3600.0;
    // A tiny negative remainder rounds up to exactly 3600 once 3600 is added.
    const int position = static_cast<int>(tenths);
    return static_cast<uint16_t>(position >= 3600 ? 3599 : position);
}

void ShowNumber(QLineEdit* edit, int32_t value, int width, bool show) {
    edit->setText(ShowNumber(value, width, show));
}

int32_t ReadNumber(const QLineEdit* edit) {
    return ReadNumber(edit->text());
}

int32_t ReadInteger(const QLineEdit* edit, bool* ok) {
    return ReadInteger(edit->text(), ok);
}
