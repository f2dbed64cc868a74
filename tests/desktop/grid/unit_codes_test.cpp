// Unit codes: parsing, conversion factors and the two label forms.
#include "grid/unit_codes.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace torvex;

namespace {

TEST(UnitCode, ParsesForceAndLengthPartsWithDigitsAndExponents) {
    const struct {
        const char* code;
        int nf, nfe, nl, nle, df, dfe, dl, dle;
    } cases[] = {
        {"F/L2^3", 0, 1, -1, 1, -1, 1, 2, 3}, {"F-L^2", 0, 1, 0, 2, -1, 1, -1, 1},
        {"L2", -1, 1, 2, 1, -1, 1, -1, 1},    {"F1^2-L1", 1, 2, 1, 1, -1, 1, -1, 1},
        {"F4/L3", 4, 1, -1, 1, -1, 1, 3, 1},  {"F-L/RAD.", 0, 1, 0, 1, -1, 1, -1, 1},
        {"deg.", -1, 1, -1, 1, -1, 1, -1, 1}, {"F3L", 0, 1, 0, 1, -1, 1, -1, 1},  // "3" is the separator
        {"F3-L", 0, 1, -1, 1, -1, 1, -1, 1},
        {"L7", -1, 1, 0, 1, -1, 1, -1, 1},
    };
    for (const auto& c : cases) {
        const UnitCode u = ParseUnitCode(QString::fromLatin1(c.code));
        EXPECT_EQ(u.numerator.forceDigit, c.nf) << c.code;
        EXPECT_EQ(u.numerator.forceExponent, c.nfe) << c.code;
        EXPECT_EQ(u.numerator.lengthDigit, c.nl) << c.code;
        EXPECT_EQ(u.numerator.lengthExponent, c.nle) << c.code;
        EXPECT_EQ(u.denominator.forceDigit, c.df) << c.code;
        EXPECT_EQ(u.denominator.forceExponent, c.dfe) << c.code;
        EXPECT_EQ(u.denominator.lengthDigit, c.dl) << c.code;
        EXPECT_EQ(u.denominator.lengthExponent, c.dle) << c.code;
    }
}

TEST(UnitConversion, UnitWeightFromEnglishToSI) {
    const double f = UnitConversionFactor(kEnglish, kSI, "F/L2^3");
    EXPECT_DOUBLE_EQ(f, 1.0 / (224.8089237 / std::pow(3.280839895, 3)));
    EXPECT_NEAR(120 * f, 18.850497, 5e-7);
    EXPECT_DOUBLE_EQ(UnitConversionFactor(kSI, kEnglish, "F/L2^3"), 224.8089237 / std::pow(3.280839895, 3));
}

TEST(UnitConversion, FactorsOfTheSymbolTable) {
    const struct {
        const char* code;
        double englishPerSI;
    } cases[] = {{"F", 224.8089237},  {"F1", 0.2248089237},   {"F2", 0.1124044745},
                 {"F4", 5.7101483},   {"F5", 1.0},            {"F6", 68.364249},
                 {"L", 39.37007874},  {"L1", 0.03937007874},  {"L2", 3.280839895},
                 {"L3", 1.0},         {"F-L^2", 224.8089237 * 39.37007874 * 39.37007874},
                 {"F/L", 224.8089237 / 39.37007874}, {"DEG.", 1.0}, {"", 1.0}, {"SEE NOTES", 1.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(EnglishPerSI(QString::fromLatin1(c.code)), c.englishPerSI) << c.code;
}

TEST(UnitConversion, OnlyEnglishAndSIConvert) {
    for (int from = 1; from <= 3; ++from)
        for (int to = 1; to <= 3; ++to) {
            const bool converts = (from == kEnglish && to == kSI) || (from == kSI && to == kEnglish);
            if (!converts) {
                EXPECT_EQ(UnitConversionFactor(from, to, "F/L2^3"), 1.0) << from << "->" << to;
            }
        }
}

TEST(UnitLabel, ColumnLabelsReplaceEverySymbol) {
    const struct {
        const char* code;
        int units;
        const char* label;
    } cases[] = {{"F/L2^3", kEnglish, "lbs/ft^3"}, {"F/L2^3", kSI, "kN/m^3"}, {"F/L2^3", kOtherUnits, "F/L^3"},
                 {"F-L^2", kEnglish, "lbs-in^2"},  {"L2", kEnglish, "ft"},     {"L2", kSI, "m"},
                 {"L2", kOtherUnits, "L"},         {"L1", kSI, "mm"},          {"F1/F", kEnglish, "kips/lbs"},
                 {"F4", kSI, "Mg"},                {"F4", kOtherUnits, "M"},   {"F5", kOtherUnits, "T"},
                 {"F-L/RAD.", kSI, "kN-m/RAD."},   {"DEG.", kEnglish, "DEG."}, {"F4/L3", kEnglish, "lb-sec2/in/rad"}};
    for (const auto& c : cases)
        EXPECT_EQ(ColumnUnitLabel(QString::fromLatin1(c.code), c.units), QString::fromLatin1(c.label)) << c.code;
}

TEST(UnitLabel, EditLabelsReplaceOnlyTheFirstSymbolOfEachKind) {
    const struct {
        const char* code;
        int units;
        const char* label;
    } cases[] = {{"L2", kEnglish, "ft"},          {"L2", kSI, "m"},          {"L2", kOtherUnits, "L2"},
                 {"F/L2^3", kEnglish, "lbs/ft^3"}, {"F/L2^3", kOtherUnits, "F/L2^3"},
                 {"F1/F", kEnglish, "kips/F"},    {"L2/L", kSI, "m/L"},      {"F-L^2", kSI, "kN-m^2"}};
    for (const auto& c : cases)
        EXPECT_EQ(EditUnitLabel(QString::fromLatin1(c.code), c.units), QString::fromLatin1(c.label)) << c.code;
}

}  // namespace
