#include "grid/unit_codes.h"

#include <cmath>

namespace torvex {
namespace {

struct Symbol {
    const char* code;
    double englishPerSI;
    const char* english;
    const char* si;
    const char* other;
};

// Force symbols F0..F6 (F3 unused) and length symbols L0..L3.
const Symbol kForce[7] = {
    {"F", 224.8089237, "lbs", "kN", "F"},
    {"F1", 0.2248089237, "kips", "kN", "F"},
    {"F2", 0.1124044745, "tons", "kN", "F"},
    {nullptr, 1.0, nullptr, nullptr, nullptr},
    {"F4", 5.7101483, "lb-sec2/in", "Mg", "M"},  // mass
    {"F5", 1.0, "sec", "sec", "T"},              // time
    {"F6", 68.364249, "slug", "Mg", "F"},
};
const Symbol kLength[4] = {
    {"L", 39.37007874, "in", "m", "L"},
    {"L1", 0.03937007874, "in", "mm", "L"},
    {"L2", 3.280839895, "ft", "m", "L"},
    {"L3", 1.0, "rad", "rad", "L"},
};

bool IsForceDigit(QChar c) { return c == '0' || c == '1' || c == '2' || c == '4' || c == '5' || c == '6'; }
bool IsLengthDigit(QChar c) { return c >= '0' && c <= '3'; }

UnitSide ParseSide(const QString& s) {
    UnitSide side;
    int i = 0;
    auto at = [&](int k) { return k < s.size() ? s[k] : QChar(); };
    if (at(i) == 'F') {
        ++i;
        side.forceDigit = 0;
        if (IsForceDigit(at(i))) side.forceDigit = at(i++).unicode() - '0';
        if (at(i) == '^' && at(i + 1).isDigit()) {
            side.forceExponent = at(i + 1).unicode() - '0';
            i += 2;
        }
        ++i;  // the separator between force and length, e.g. "-"
    }
    if (at(i) == 'L') {
        ++i;
        side.lengthDigit = 0;
        if (IsLengthDigit(at(i))) side.lengthDigit = at(i++).unicode() - '0';
        if (at(i) == '^' && at(i + 1).isDigit()) side.lengthExponent = at(i + 1).unicode() - '0';
    }
    return side;
}

double SideFactor(const UnitSide& side) {
    double f = 1.0;
    if (side.forceDigit >= 0) f *= std::pow(kForce[side.forceDigit].englishPerSI, side.forceExponent);
    if (side.lengthDigit >= 0) f *= std::pow(kLength[side.lengthDigit].englishPerSI, side.lengthExponent);
    return f;
}

const char* LabelOf(const Symbol& s, int units) {
    switch (units) {
    case kSI: return s.si;
    case kOtherUnits: return s.other;
    default: return s.english;
    }
}

// Replaces every occurrence of a symbol, going on after each inserted label.
void ReplaceAll(QString& text, const QString& symbol, const QString& label) {
    int from = 0;
    for (;;) {
        const int at = text.indexOf(symbol, from);
        if (at < 0) return;
        text.replace(at, symbol.size(), label);
        from = at + label.size();
    }
}

int ClampUnits(int units) { return units < 1 ? 1 : (units > 3 ? 3 : units); }

}  // namespace

UnitCode ParseUnitCode(const QString& code) {
    UnitCode result;
    const int slash = code.indexOf('/');
    result.numerator = ParseSide(slash < 0 ? code : code.left(slash));
    if (slash >= 0) result.denominator = ParseSide(code.mid(slash + 1));
    return result;
}

double EnglishPerSI(const QString& code) {
    const UnitCode parsed = ParseUnitCode(code);
    return SideFactor(parsed.numerator) / SideFactor(parsed.denominator);
}

double UnitConversionFactor(int fromUnits, int toUnits, const QString& code) {
    if (fromUnits == kEnglish && toUnits == kSI) return 1.0 / EnglishPerSI(code);
    if (fromUnits == kSI && toUnits == kEnglish) return EnglishPerSI(code);
    return 1.0;
}

QString ColumnUnitLabel(const QString& code, int units, bool chartSymbolsOnly) {
    units = ClampUnits(units);
    static const int kForceOrder[] = {2, 1, 4, 5, 6, 0};
    static const int kLengthOrder[] = {3, 2, 1, 0};
    QString label = code;
    for (int digit : kForceOrder) {
        if (chartSymbolsOnly && digit > 2) continue;
        ReplaceAll(label, QLatin1String(kForce[digit].code), QLatin1String(LabelOf(kForce[digit], units)));
    }
    for (int digit : kLengthOrder) {
        if (chartSymbolsOnly && digit > 2) continue;
        ReplaceAll(label, QLatin1String(kLength[digit].code), QLatin1String(LabelOf(kLength[digit], units)));
    }
    return label;
}

QString EditUnitLabel(const QString& code, int units) {
    units = ClampUnits(units);
    if (units == kOtherUnits) return code;
    static const int kForceOrder[] = {6, 5, 4, 2, 1, 0};
    static const int kLengthOrder[] = {2, 1, 3, 0};
    QString label = code;
    for (int digit : kForceOrder) {
        const QString symbol = QLatin1String(kForce[digit].code);
        if (!label.contains(symbol)) continue;
        ReplaceAll(label, symbol, QLatin1String(LabelOf(kForce[digit], units)));
        break;
    }
    for (int digit : kLengthOrder) {
        const QString symbol = QLatin1String(kLength[digit].code);
        if (!label.contains(symbol)) continue;
        ReplaceAll(label, symbol, QLatin1String(LabelOf(kLength[digit], units)));
        break;
    }
    return label;
}

}  // namespace torvex
