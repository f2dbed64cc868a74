#include <gtest/gtest.h>

#include "py_curves/strong_rock.h"
#include "py_curves/weak_rock.h"

namespace torvex::py {
namespace {

// Strong rock, QU = 5000 lb/in^2 (su = 2500), b = 24 in, gamma = 0.09 lb/in^3:
// Kir = 2000 su = 5.0E6, y1 = 0.0004 b = 0.0096, p1 = 48000, pur = su b = 60000,
// y2 = y1 + (pur - p1) / (100 su) = 0.0576.
TEST(StrongRock, BilinearThenResidual) {
    const StrongRockSoil soil{24, 2500, 0.09};
    const StrongRockCurve curve = ComputeStrongRockCurve(soil, 30, 1.0);
    EXPECT_NEAR(curve.y2, 0.0576, 1e-12);
    EXPECT_NEAR(curve.points.y[2], 0.00768, 1e-12);
    EXPECT_NEAR(curve.points.p[2], 5.0e6 * 0.00768, 1e-6);               // first line
    EXPECT_NEAR(curve.points.p[9], 48000 + 250000 * (0.03456 - 0.0096), 1e-6);  // second line
    EXPECT_NEAR(curve.points.p[14], 48000 + 250000 * (0.05376 - 0.0096), 1e-6);  // the highest
    EXPECT_DOUBLE_EQ(curve.points.y[15], curve.y2);
    EXPECT_NEAR(curve.points.p[15], 0.5 * 0.09 * 24 * 30, 1e-9);  // residual from y2 on
    EXPECT_NEAR(curve.points.p[16], 0.5 * 0.09 * 24 * 30, 1e-9);
    EXPECT_NEAR(curve.points.y[16], 16.0 / 15 * 0.0576, 1e-12);
}

TEST(StrongRock, MultiplierLowersTheLinesButNotTheResidual) {
    const StrongRockSoil soil{24, 2500, 0.09};
    const StrongRockCurve full = ComputeStrongRockCurve(soil, 30, 1.0);
    const StrongRockCurve reduced = ComputeStrongRockCurve(soil, 30, 0.6);
    for (int k = 1; k < 15; ++k) EXPECT_NEAR(reduced.points.p[k], 0.6 * full.points.p[k], 1e-6);
    EXPECT_EQ(reduced.points.p[16], full.points.p[16]);
    // Behind the wall the residual uses the deeper depth.
    EXPECT_GT(ComputeStrongRockCurve(soil, 150, 1.0).points.p[16], full.points.p[16]);
}

// Weak rock, QU = qua = 1000 lb/in^2, RQD 50 % (alpha_r = 2/3), b = 24 in,
// Er = 50000 lb/in^2, krm = 0.0005 (yrm = 0.012 in).
WeakRockSoil WeakRock() {
    WeakRockSoil soil;
    soil.b = 24;
    soil.qu = soil.qua = 1000;
    soil.RQD = 50;
    soil.gamma = 0.09;
    soil.krm = 0.0005;
    soil.Er = 50000;
    return soil;
}

TEST(WeakRock, CurveNearTheRockTop) {
    // xr = 12 in: pur = 2/3 x 1000 x 24 x (1 + 1.4 x 12 / 24) = 27200,
    // Mir = (100 + 400 x 12 / 72) Er = 8.333E6,
    // yA = (0.5 pur / (yrm^0.25 Mir))^(4/3) = 8.3927E-4 in.
    const WeakRockCurve curve = ComputeWeakRockCurve(WeakRock(), 12 + 1e-8);
    EXPECT_NEAR(curve.alphaR, 2.0 / 3, 1e-15);
    EXPECT_NEAR(curve.pur, 27200, 1e-4);
    EXPECT_NEAR(curve.Mir, 8.3333333e6, 1);
    EXPECT_NEAR(curve.yA, 8.3926631e-4, 1e-6 * 8.3926631e-4);
    struct Point {
        int k;
        double y, p;
    } points[] = {
        {1, 6e-6, 50},           // on the initial line Mir y
        {5, 1.08e-4, 900},
        {10, 0.0012, 7647.842},  // 0.5 pur (y / yrm)^0.25
        {14, 0.012, 13600},      // y = yrm: half the ultimate
        {17, 0.144, 25312.452},
    };
    for (const Point& pt : points) {
        SCOPED_TRACE(pt.k);
        EXPECT_NEAR(curve.points.y[pt.k - 1], pt.y, 1e-15);
        EXPECT_NEAR(curve.points.p[pt.k - 1], pt.p, 1e-6 * pt.p);
    }
}

TEST(WeakRock, GrowthOverThreeWidthsAndQualityReduction) {
    struct Case {
        double RQD, xr, alphaR, pur, Mir;
    } cases[] = {
        {0, 12, 1.0, 1000 * 24 * 1.7, (100 + 400 * 12 / 72.0) * 50000},
        {100, 12, 1.0 / 3, 1000 * 24 * 1.7 / 3, (100 + 400 * 12 / 72.0) * 50000},
        {50, 72, 2.0 / 3, 2.0 / 3 * 1000 * 24 * (1 + 1.4 * 3), 500 * 50000},  // at 3b: continuous
        {50, 100, 2.0 / 3, 5.2 * 2.0 / 3 * 1000 * 24, 500 * 50000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xr);
        WeakRockSoil soil = WeakRock();
        soil.RQD = c.RQD;
        const WeakRockCurve curve = ComputeWeakRockCurve(soil, c.xr);
        EXPECT_NEAR(curve.alphaR, c.alphaR, 1e-15);
        EXPECT_NEAR(curve.pur, c.pur, 1e-8 * c.pur);
        EXPECT_NEAR(curve.Mir, c.Mir, 1e-8 * c.Mir);
    }
}

}  // namespace
}  // namespace torvex::py
