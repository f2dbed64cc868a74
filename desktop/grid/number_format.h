// Number texts shown and typed in the desktop program: the general format
// with a given number of significant digits, and reading a plain number in
// the user's locale.
#pragma once

#include <QString>

namespace torvex {

// The decimal separator of the user's locale (QLocale's default).
QString LocaleDecimalPoint();

// General format with at most `digits` significant digits: trailing zeros and
// a trailing separator dropped; fixed notation when value = 0.d1d2... x 10^e
// has -3 <= e <= digits, otherwise d1.d2...E<e-1> with a "-" only for a
// negative exponent (1E-5, 1.2345679E8). Zero is "0".
QString FormatGeneral(long double value, int digits, const QString& decimalPoint);
inline QString FormatGeneral(long double value, int digits) {
    return FormatGeneral(value, digits, LocaleDecimalPoint());
}

// Reads sign, digits, the decimal separator, digits and an exponent
// ("E" or "e", optional sign, digits); nothing else, no group separators.
enum class NumberParse { Ok, Invalid, OutOfRange };
NumberParse ParseNumber(const QString& text, const QString& decimalPoint, long double& value);
inline NumberParse ParseNumber(const QString& text, long double& value) {
    return ParseNumber(text, LocaleDecimalPoint(), value);
}

}  // namespace torvex
