#include "py_curves/soft_clay.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace torvex::py {
namespace {

// A 24-in wall element in soft clay: c = 5 lb/in^2, gamma' = 0.0347 lb/in^3,
// E50 = 0.01, so y50 = 2.5 x 0.01 x 24 = 0.6 in.
SoftClaySoil Clay() {
    SoftClaySoil soil;
    soil.b = 24;
    soil.c = 5;
    soil.gamma = 0.0347;
    soil.eps50 = 0.01;
    return soil;
}

TEST(SoftClay, MatlockCurveAtModerateDepth) {
    // x = 60 in: Np = 3 + 0.0347 x 60 / 5 + 0.5 x 60 / 24 = 4.6664,
    // pu = 5 x 4.6664 x 24 = 559.968 lb/in.
    const SoftClayCurve curve = ComputeSoftClayCurve(Clay(), 60, 60, false);
    EXPECT_NEAR(curve.Np, 4.6664, 1e-12);
    EXPECT_NEAR(curve.pu, 559.968, 1e-9);
    EXPECT_NEAR(curve.y50, 0.6, 1e-15);

    // p = 0.5 pu (y / y50)^(1/3) up to 8 y50, then pu.
    struct Point {
        int k;
        double y, p;
    } points[] = {
        {1, 0.0, 0.0},
        {2, 0.0048, 0.5 * 559.968 * 0.2},            // 0.008 y50: (0.008)^(1/3) = 0.2
        {4, 0.3, 0.5 * 559.968 * 0.79370053},        // 0.5 y50
        {6, 0.6, 279.984},                           // y50: half the ultimate
        {10, 1.2, 0.5 * 559.968 * 1.25992105},       // 2 y50
        {14, 1.8, 0.5 * 559.968 * 1.44224957},       // 3 y50
        {15, 4.8, 559.968},                          // 8 y50 reaches pu
        {16, 9.0, 559.968},
        {17, 12.0, 559.968},
    };
    for (const Point& pt : points) {
        SCOPED_TRACE(pt.k);
        EXPECT_NEAR(curve.points.y[pt.k - 1], pt.y, 1e-12);
        EXPECT_NEAR(curve.points.p[pt.k - 1], pt.p, 2e-7 * 559.968);
    }
}

TEST(SoftClay, BearingFactorStopsAtNine) {
    // Np reaches 9 at x = 6cb / (gamma b + 0.5 c) = 216.0346 in.
    const double xr = 6 * 5 * 24 / (0.0347 * 24 + 0.5 * 5);
    EXPECT_NEAR(ComputeSoftClayCurve(Clay(), xr, xr, false).Np, 9.0, 1e-12);
    EXPECT_NEAR(ComputeSoftClayCurve(Clay(), 0.9 * xr, xr, false).Np, 3 + 0.9 * 6, 1e-12);
    const SoftClayCurve deep = ComputeSoftClayCurve(Clay(), 300, 300, false);
    EXPECT_DOUBLE_EQ(deep.Np, 9.0);
    EXPECT_DOUBLE_EQ(deep.pu, 9 * 5 * 24);
    // A sublayer taken as infinitely deep gets the deep value.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_DOUBLE_EQ(ComputeSoftClayCurve(Clay(), inf, 30, false).pu, 9 * 5 * 24);
}

TEST(SoftClay, ContinuousWallUsesOverburdenPlusTwiceTheStrength) {
    const SoftClayCurve curve = ComputeSoftClayCurve(Clay(), 60, 50, true);
    EXPECT_NEAR(curve.pu, (0.0347 * 50 + 2 * 5) * 24, 1e-12);
}

TEST(SoftClay, NoStrengthGivesNoResistanceExceptOnAContinuousWall) {
    SoftClaySoil soil = Clay();
    soil.c = 0;
    const SoftClayCurve single = ComputeSoftClayCurve(soil, 60, 60, false);
    for (double p : single.points.p) EXPECT_EQ(p, 0.0);
    const SoftClayCurve continuous = ComputeSoftClayCurve(soil, 60, 60, true);
    EXPECT_NEAR(continuous.pu, 0.0347 * 60 * 24, 1e-12);
    EXPECT_NEAR(continuous.points.p[16], continuous.pu, 1e-12);
}

TEST(SoftClay, SmallDeflectionModulusIsTheSecantAtTheLimit) {
    const SoftClayCurve curve = ComputeSoftClayCurve(Clay(), 60, 60, false);
    const double secant = 0.5 * 559.968 * std::cbrt(1e-14 / 0.6) / 1e-14;
    EXPECT_NEAR(curve.Es0, secant, 1e-6 * secant);
}

TEST(SoftClay, OffsetIsTheNetActivePressureOnTheWidth) {
    EXPECT_DOUBLE_EQ(SoftClayOffset(24, 5, 30), 24 * (30 - 10));
    EXPECT_EQ(SoftClayOffset(24, 5, 10), 0.0);
    EXPECT_EQ(SoftClayOffset(24, 5, 0), 0.0);
}

}  // namespace
}  // namespace torvex::py
