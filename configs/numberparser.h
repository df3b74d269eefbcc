#pragma once

#include <QString>

#include <optional>

namespace vte {

// What counts as a number in a stored text: optional blanks around an optional
// sign, digits with an optional "." fraction and an optional exponent. The
// decimal point is "." whatever the user's locale; hexadecimal, digit grouping,
// "inf" and "nan" are not numbers. A number too large for a double comes back
// as an infinity, so range checks refuse it.
std::optional<double> parseNumber(const QString &text);

// The nearest whole number, halves to the even neighbour; nothing when that
// does not fit 16 bits.
std::optional<qint16> roundToInt16(double value);

// The same rounding for colours, which need 32 bits.
qint64 roundHalfEven(double value);

} // namespace vte
