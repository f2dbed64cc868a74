#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "py_curves/stiff_clay_free_water.h"
#include "py_curves/stiff_clay_no_free_water.h"

namespace torvex::py {
namespace {

// A 24-in element 48 in deep in stiff clay below free water: c = ca = 10
// lb/in^2, gamma' = 0.03 lb/in^3, E50 = 0.005, k = 2000 lb/in^3.  At x/b = 2
// the coefficient As is 0.55.
StiffClayFreeWaterSoil FreeWaterClay() {
    StiffClayFreeWaterSoil soil;
    soil.b = 24;
    soil.c = soil.ca = 10;
    soil.gamma = 0.03;
    soil.eps50 = 0.005;
    soil.KPY = 2000;
    return soil;
}

TEST(StiffClayFreeWater, ReeseCurveAtOneDepth) {
    const StiffClayFreeWaterCurve curve = ComputeStiffClayFreeWaterCurve(FreeWaterClay(), 48, 48, false);
    // pct = 2 ca b + gamma b x + 2.83 ca x = 480 + 34.56 + 1358.4; pcd = 11 c b = 2640.
    EXPECT_NEAR(curve.As, 0.55, 1e-12);
    EXPECT_NEAR(curve.pct, 1872.96, 1e-9);
    EXPECT_NEAR(curve.pcd, 2640, 1e-9);
    EXPECT_NEAR(curve.pc, 1872.96, 1e-9);
    // Residual factor 1.225 sqrt(As) - 0.75 As - 0.411.
    EXPECT_NEAR(curve.R, 0.0849843, 1e-6);
    // y50 = E50 b = 0.12 in; As y50 = 0.066 in.
    struct Point {
        int k;
        double y, p;
    } points[] = {
        {2, 0.033, 491.09426},    // 0.5 pc (y/y50)^0.5
        {3, 0.066, 694.51216},    // the peak of the first piece at As y50
        {7, 0.198, 957.92323},    // less 0.055 pc ((y - As y50)/(As y50))^1.25
        {13, 0.396, 931.00008},   // 6 As y50
        {14, 0.66, 673.88184},    // falling with slope 0.0625 pc / y50
        {16, 1.188, 158.81784},   // 18 As y50: the residual R pc
        {17, 13.2, 158.81784},    // 200 As y50, still residual
    };
    for (const Point& pt : points) {
        SCOPED_TRACE(pt.k);
        EXPECT_NEAR(curve.points.y[pt.k - 1], pt.y, 1e-12);
        EXPECT_NEAR(curve.points.p[pt.k - 1], pt.p, 1e-6 * pt.p);
    }
}

TEST(StiffClayFreeWater, FlowGovernsDeepAndResidualTendsToItsLimit) {
    StiffClayFreeWaterSoil soil = FreeWaterClay();
    const StiffClayFreeWaterCurve deep = ComputeStiffClayFreeWaterCurve(soil, 240, 240, false);
    EXPECT_DOUBLE_EQ(deep.pc, 11 * 10 * 24);
    EXPECT_NEAR(deep.As, 0.60, 1e-12);
    EXPECT_NEAR(deep.R, 1.225 * std::sqrt(0.6) - 0.45 - 0.411, 1e-12);
    EXPECT_NEAR(deep.R, 0.088, 5e-4);
}

TEST(StiffClayFreeWater, InitialLineCapsTheCurve) {
    StiffClayFreeWaterSoil soil = FreeWaterClay();
    soil.KPY = 50;  // ks x y = 50 x 48 x y
    const StiffClayFreeWaterCurve capped = ComputeStiffClayFreeWaterCurve(soil, 48, 48, false);
    EXPECT_NEAR(capped.points.p[1], 50 * 48 * 0.033, 1e-9);
    soil.KPY = 0;
    const StiffClayFreeWaterCurve none = ComputeStiffClayFreeWaterCurve(soil, 48, 48, false);
    for (double p : none.points.p) EXPECT_EQ(p, 0.0);
}

TEST(StiffClayFreeWater, ContinuousWallResistance) {
    const StiffClayFreeWaterCurve curve = ComputeStiffClayFreeWaterCurve(FreeWaterClay(), 48, 48, true);
    EXPECT_NEAR(curve.pc, 0.03 * 48 * 24 + 2 * 10 * 24, 1e-9);
}

// 24-in element 36 in deep in stiff clay above the water table: c = ca = 10
// lb/in^2, gamma = 0.07 lb/in^3, E50 = 0.005, so y50 = 2.5 E50 b = 0.3 in.
StiffClayNoFreeWaterSoil DryClay() {
    StiffClayNoFreeWaterSoil soil;
    soil.b = 24;
    soil.c = soil.ca = 10;
    soil.gamma = 0.07;
    soil.eps50 = 0.005;
    return soil;
}

TEST(StiffClayNoFreeWater, QuarterPowerCurveReachesUltimateAt16Y50) {
    const StiffClayNoFreeWaterCurve curve = ComputeStiffClayNoFreeWaterCurve(DryClay(), 36, 36, false);
    // pu = min(gamma b x + 3 ca b + 0.5 ca x, 9 c b) = min(60.48 + 720 + 180, 2160).
    EXPECT_NEAR(curve.pu, 960.48, 1e-9);
    struct Point {
        int k;
        double y, p;
    } points[] = {
        {1, 0, 0},
        {2, 4.8e-5, 54.01176},  // 1.0E-5 yu resolves the steep start
        {8, 0.048, 303.73044},
        {12, 0.48, 540.1176},   // 0.5 pu (1.6)^0.25
        {13, 1.2, 679.16192},   // 4 y50: 0.5 pu sqrt(2)
        {15, 4.8, 960.48},      // 16 y50: exactly pu
        {16, 5.4, 960.48},
        {17, 6.0, 960.48},
    };
    for (const Point& pt : points) {
        SCOPED_TRACE(pt.k);
        EXPECT_NEAR(curve.points.y[pt.k - 1], pt.y, 1e-12);
        EXPECT_NEAR(curve.points.p[pt.k - 1], pt.p, 1e-7 * 960.48);
    }
    EXPECT_EQ(curve.points.p[14], curve.pu);
}

TEST(StiffClayNoFreeWater, DeepAndContinuousWallResistance) {
    EXPECT_DOUBLE_EQ(ComputeStiffClayNoFreeWaterCurve(DryClay(), 400, 400, false).pu, 9 * 10 * 24);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_DOUBLE_EQ(ComputeStiffClayNoFreeWaterCurve(DryClay(), inf, 36, false).pu, 9 * 10 * 24);
    EXPECT_NEAR(ComputeStiffClayNoFreeWaterCurve(DryClay(), 36, 30, true).pu,
                0.07 * 30 * 24 + 2 * 10 * 24, 1e-9);
}

}  // namespace
}  // namespace torvex::py
