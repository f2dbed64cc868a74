#include "py_curves/property_lookup.h"

#include <gtest/gtest.h>

namespace torvex::py {
namespace {

// Two sublayers meeting at X = 10: the upper one 0..10, the lower 10..30.
std::vector<StrengthPoint> TwoSublayers(double cUpper, double cLower, double e50Upper,
                                        double e50Lower) {
    return {{0, 2, 0.5, 0.01, 10}, {10, cUpper, 0.5, e50Upper, 20},
            {10, cLower, 0.7, e50Lower, 40}, {30, 8, 0.7, 0.02, 40}};
}

TEST(PyLookup, PointValuesInterpolateInsideASublayer) {
    const auto s = TwoSublayers(4, 6, 0.01, 0.02);
    EXPECT_DOUBLE_EQ(StrengthAt(s, 5), 3.0);
    EXPECT_DOUBLE_EQ(StrengthAt(s, 20), 7.0);
    EXPECT_DOUBLE_EQ(RqdAt(s, 2.5), 12.5);
    EXPECT_DOUBLE_EQ(StrengthAt(s, 30), 8.0);  // the last point
}

TEST(PyLookup, BoundaryTakesLowerStrengthAndMeanOfTheOthers) {
    struct Case {
        const char* name;
        double cUpper, cLower, e50Upper, e50Lower;
        double C, E50;
    } cases[] = {
        {"both given", 4, 6, 0.01, 0.03, 6, 0.02},
        {"no strength below: the upper one", 4, 0, 0.01, 0.03, 4, 0.02},
        {"no E50 above: the lower one", 4, 6, 0, 0.03, 6, 0.03},
        {"no E50 below: the upper one", 4, 6, 0.01, 0, 6, 0.01},
        {"no E50 on either side", 4, 6, 0, 0, 6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = TwoSublayers(c.cUpper, c.cLower, c.e50Upper, c.e50Lower);
        EXPECT_DOUBLE_EQ(StrengthAt(s, 10), c.C);
        EXPECT_DOUBLE_EQ(E50At(s, 10), c.E50);
    }
    const auto s = TwoSublayers(4, 6, 0.01, 0.03);
    EXPECT_DOUBLE_EQ(PhiAt(s, 10), 0.6);
    EXPECT_DOUBLE_EQ(RqdAt(s, 10), 30);
}

TEST(PyLookup, AverageUnitWeightIsTheMeanAboveTheDepth) {
    // 0.07 down to the water table at 10, then 0.04 (submerged) to 30.
    const std::vector<UnitWeightPoint> g = {{0, 0.07}, {10, 0.07}, {10, 0.04}, {30, 0.04}};
    EXPECT_DOUBLE_EQ(AverageUnitWeight(g, 5), 0.07);
    EXPECT_NEAR(AverageUnitWeight(g, 20), (0.07 * 10 + 0.04 * 10) / 20, 1e-15);
    EXPECT_NEAR(AverageUnitWeight(g, 30), (0.07 * 10 + 0.04 * 20) / 30, 1e-15);
    // Linear line: the mean over 0..D of 0.02 + 0.001 x is 0.02 + 0.0005 D.
    const std::vector<UnitWeightPoint> linear = {{0, 0.02}, {40, 0.06}};
    EXPECT_NEAR(AverageUnitWeight(linear, 30), 0.035, 1e-15);
}

TEST(PyLookup, AverageUnitWeightAtTheSurfaceIsTheFirstPositivePoint) {
    const std::vector<UnitWeightPoint> g = {{0, 0}, {5, 0.05}, {10, 0.06}};
    EXPECT_DOUBLE_EQ(AverageUnitWeight(g, 0.0), 0.05);
    EXPECT_DOUBLE_EQ(AverageUnitWeight(g, 5e-7), 0.05);
    const std::vector<UnitWeightPoint> none = {{0, 0}, {5, -0.01}};
    EXPECT_DOUBLE_EQ(AverageUnitWeight(none, 0.0), -0.01);
}

TEST(PyLookup, AverageStrengthIsTheMeanOfTopAndDepth) {
    const auto s = TwoSublayers(4, 6, 0.01, 0.03);
    EXPECT_DOUBLE_EQ(AverageStrength(s, 5, 1), (2 + 3) / 2.0);
    EXPECT_DOUBLE_EQ(AverageStrength(s, 20, 2), (6 + 7) / 2.0);
    // At the sublayer's top it is the point value there.
    EXPECT_DOUBLE_EQ(AverageStrength(s, 10 + 1e-6, 2), StrengthAt(s, 10 + 1e-6));
}

TEST(PyLookup, CoefficientTablesByDepthOverWidth) {
    struct Case {
        double ratio, As, A, B;
    } cases[] = {
        {0.0, 0.223, 2.83, 2.14},  {0.25, 0.223 + 0.25 * (0.46 - 0.223), 2.655, 1.985},
        {1.5, 0.505, 1.76, 1.27},  {3.5, 0.595, 0.98, 0.62},
        {5.0, 0.60, 0.88, 0.50},   {12.0, 0.60, 0.88, 0.50},
    };
    const double b = 24;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ratio);
        EXPECT_NEAR(StiffClayAs(c.ratio * b, b), c.As, 1e-12);
        EXPECT_NEAR(SandCoefficient(c.ratio * b, b, SandTable::A), c.A, 1e-12);
        EXPECT_NEAR(SandCoefficient(c.ratio * b, b, SandTable::B), c.B, 1e-12);
    }
}

}  // namespace
}  // namespace torvex::py
