// How the forms show numbers in text boxes and read them back. Reading never fails loudly: text
// that holds no number reads as 0 (or, for ReadInteger, as "not ok"), and callers keep as many low
// bits as their field is wide.
#pragma once

#include <QString>

#include <cstdint>

class QLineEdit;

// Empty when show is false; else width 2 -> "0x%02x", 4 -> "0x%04x", 8 -> "0x%08x", any other -> "%d".
QString ShowNumber(int32_t value, int width, bool show);

// Leading blanks skipped; "0x"/"0X" followed by the rest read as hexadecimal, otherwise signed
// decimal. Stops at the first character that does not fit; 0 when nothing can be read.
// A number too wide for 32 bits keeps its low 32 bits (arithmetic modulo 2^32), as does a negated one.
int32_t ReadNumber(const QString& text);

// Whole number: leading blanks, an optional minus sign, decimal digits and optional trailing blanks.
// Anything else after the digits, an empty text, a text without digits or a value outside the
// 32-bit signed range gives *ok = false and 0.
int32_t ReadInteger(const QString& text, bool* ok);

// Decimal floating-point number with a point or a comma as separator whatever the locale (digits,
// an optional fraction and an optional exponent, after leading blanks and an optional sign), so
// that "28,2" typed in German reads as 28.2. Reading stops at the first character that does not
// fit. False when no number can be read or it is out of range.
bool ReadDecimal(const QString& text, double* value);

// Orbital position in tenths of a degree from a Degree text: the value reduced into 0.0..359.9,
// so -5 gives 3550 and 365 gives 50. Text without a number gives 0.
uint16_t PositionFromDegrees(const QString& text);

// Text box wrappers.
void ShowNumber(QLineEdit* edit, int32_t value, int width, bool show);
int32_t ReadNumber(const QLineEdit* edit);
int32_t ReadInteger(const QLineEdit* edit, bool* ok);
