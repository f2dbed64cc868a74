#include "grid/number_format.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>

namespace torvex {

QString LocaleDecimalPoint() { return QLocale().decimalPoint(); }

QString FormatGeneral(long double value, int digits, const QString& decimalPoint) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) return QStringLiteral("0");
    if (digits < 1) digits = 1;
    if (digits > 30) digits = 30;

    char buffer[96];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string text(buffer, result.ptr);  // [-]d.ddde[+-]xx
    const bool negative = text[0] == '-';
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.') mantissa += text[i];
    const int exponent = std::stoi(text.substr(ePos + 1)) + 1;  // value = 0.d1d2... x 10^exponent
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    QString out = negative ? QStringLiteral("-") : QString();
    const QString m = QString::fromLatin1(mantissa.c_str());
    if (exponent > digits || exponent < -3) {
        out += m.left(1);
        if (m.size() > 1) out += decimalPoint + m.mid(1);
        out += QLatin1Char('E') + QString::number(exponent - 1);
        return out;
    }
    if (exponent <= 0) {
        out += QLatin1Char('0') + decimalPoint + QString(-exponent, QLatin1Char('0')) + m;
    } else if (exponent >= m.size()) {
        out += m + QString(exponent - m.size(), QLatin1Char('0'));
    } else {
        out += m.left(exponent) + decimalPoint + m.mid(exponent);
    }
    return out;
}

NumberParse ParseNumber(const QString& text, const QString& decimalPoint, long double& value) {
    std::string ascii;  // the same number with "." as separator, for from_chars
    int i = 0;
    const int n = text.size();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ascii += char(text[i].unicode());
        ++i;
        ++mantissaDigits;
    }
    if (!decimalPoint.isEmpty() && text.mid(i, decimalPoint.size()) == decimalPoint) {
        ascii += '.';
        i += decimalPoint.size();
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ascii += char(text[i].unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return NumberParse::Invalid;
    bool negativeExponent = false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ascii += char(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ascii += char(text[i].unicode());
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return NumberParse::Invalid;
    }
    if (i != n) return NumberParse::Invalid;

    long double parsed = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (result.ptr != ascii.data() + ascii.size()) return NumberParse::Invalid;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is refused.
        if (!negativeExponent) return NumberParse::OutOfRange;
        parsed = 0;
    } else if (result.ec != std::errc()) {
        return NumberParse::Invalid;
    }
    value = negative ? -parsed : parsed;
    return NumberParse::Ok;
}

}  // namespace torvex
