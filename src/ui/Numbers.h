#pragma once
// How numbers are written on screen and read from what the user typed.
#include "dao/Value.h"
#include <QString>
#include <optional>

namespace Numbers {

/// Plain text form: no digit grouping, no fixed decimals, up to 15 significant
/// digits, the locale's decimal separator (20 * 102.505 / 100 -> "20.501").
QString PlainText(double v);
/// The same for any field value; Null and empty give empty text.
QString PlainText(const dao::Value& v);
/// Money, exactly as it is held.
inline QString PlainText(dao::Currency c) { return PlainText(dao::Value(c)); }
/// Where a value's plain text is written without a string being made, and the
/// locale's decimal point as of its making.
struct TextBuffer {
    TextBuffer();
    dao::Currency::PlainChars chars;
    QString text;
    QChar point;
};
/// The same, written into the buffer where it can be: a grid that already
/// shows a money value compares it without a string being made. Valid while v
/// and the buffer are.
QStringView PlainText(const dao::Value& v, TextBuffer& buffer);

/// Leading-number reading of typed text: blanks, tabs and line feeds ignored
/// wherever they stand, '.' as separator, optional sign and exponent, "&H"/"&O"
/// prefixes; 0 when there is no number ("10abc" -> 10, "1 0" -> 10, "abc" -> 0).
double Val(const QString& text);

/// A number the player typed into a box: the whole text, blanks aside, as
/// one number in the player's own number format ("1.000" is a thousand on a
/// German desktop, "12,5" twelve and a half, "12.50" none); none for any
/// other text, an empty one included ("10abc", "abc", "inf", "1,5" on an
/// English desktop). The one reading of every typed number.
std::optional<double> ReadWhole(const QString& text);

/// The desk's units: a number as ReadWhole reads it, and any other text by
/// the leading-number rule of Val ("10abc" -> 10, "2.5" on a German desktop -> 2.5).
double ReadTyped(const QString& text);

/// The "0.0000" pattern: rounded to four decimals, exactly four written.
QString FormatFourDecimals(double v);

} // namespace Numbers
