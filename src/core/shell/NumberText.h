#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <string>

namespace kelvara {

// Converts a number typed or read from a file. The last "." or "," (not in the first place)
// is the decimal mark; blanks around the number are allowed. Throws AppError
// "'<text>' is not a valid floating point value" for anything else. Never depends on the
// user's locale.
long double TextToFloat(const QString& text);
// TextToFloat stored as a 32-bit float; a number beyond its range throws AppError
// "Floating point overflow" instead of becoming infinite.
float TextToStoredFloat(const QString& text);

// Same conversion, reporting failure instead of throwing.
bool TryTextToFloat(const QString& text, long double& value);

// Formats with a picture pattern such as "#########0.00" or "#0.000": "0" a digit always
// shown, "#" a digit shown only when significant, "." the decimal mark, no grouping. Rounds
// the exact binary value half away from zero; a value whose shown digits are all zero has no
// minus sign. Throws AppError for a value that is not finite.
QString FormatFloat(const QString& pattern, long double value);

// Filter of the numeric edits: "," becomes ".", digits, ".", "-" and backspace pass,
// everything else becomes 0 (the key press is dropped).
QChar NumericKeyFilter(QChar key);

// What a numeric edit takes from a pasted, dropped or input-method text: the text with ","
// read as "." and blanks between groups of thousands left out ("1 234,5" gives "1234.5"), or
// nothing when the filter would change the number it means ("1e3", "12 a", "1.2.3"): digits,
// at most one decimal mark and a leading minus, blanks around it allowed.
std::optional<QString> PastedNumberText(const QString& text);

// Replaces every "<CR>" by a carriage return.
QString ExpandLineBreaks(const QString& text);

namespace detail {
// The digits of magnitude × 10^decimals rounded half away from zero, without leading zeros, two
// ways: from the exact decimal expansion, and (faster, nothing when the value is out of its reach)
// in integers.
std::string RoundedDigitsByExpansion(long double magnitude, int decimals);
std::optional<std::string> RoundedDigitsByIntegers(long double magnitude, int decimals);
} // namespace detail

} // namespace kelvara
