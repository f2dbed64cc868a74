// Unit codes: short texts such as "F/L2^3" or "F-L^2" attached to a real
// column or a numeric edit. They say how a value scales between the English
// and SI systems and which unit label to show.
//
// A code is a numerator and an optional denominator separated by "/"; each
// side is a force part ("F", an optional unit digit, an optional "^" and a
// one-digit exponent, then one separator character) followed by a length part
// ("L", an optional unit digit, an optional "^" and exponent).
#pragma once

#include <QString>

namespace torvex {

// Unit systems of a project.
enum UnitsSystem { kEnglish = 1, kSI = 2, kOtherUnits = 3 };

struct UnitSide {
    int forceDigit = -1;  // -1: no force part
    int forceExponent = 1;
    int lengthDigit = -1;  // -1: no length part
    int lengthExponent = 1;
};

struct UnitCode {
    UnitSide numerator;
    UnitSide denominator;
};

UnitCode ParseUnitCode(const QString& code);

// English units per SI unit of the whole code (1 when it has no F or L part).
double EnglishPerSI(const QString& code);

// Multiplier taking a value from one system to another: English -> SI gives
// 1 / f, SI -> English gives f, every other pair 1.
double UnitConversionFactor(int fromUnits, int toUnits, const QString& code);

// Label under a real column: every symbol replaced by the system's label.
// Chart tables know only F, F1, F2, L, L1 and L2.
QString ColumnUnitLabel(const QString& code, int units, bool chartSymbolsOnly = false);

// Label beside a numeric edit: only the first force symbol and the first
// length symbol found are replaced; "other" units show the code itself.
QString EditUnitLabel(const QString& code, int units);

}  // namespace torvex
