#include "py_curves/sand.h"

#include <cmath>

#include <gtest/gtest.h>

#include "py_curves/property_lookup.h"

namespace torvex::py {
namespace {

// A 24-in wall element in sand with phi = 35 deg, gamma = 0.0405 lb/in^3
// (70 lb/ft^3), k = 90 lb/in^3.
SandSoil Sand() {
    SandSoil soil;
    soil.b = 24;
    soil.gamma = 0.0405;
    soil.phi = 35 * 3.1416f / 180;
    soil.KPY = 90;
    return soil;
}

struct HandCheck {
    const char* name;
    double x, pst, psd, pu, pm, n, yk;
    double p[5];  // at points 2, 7, 13 (ym), 14 (yu), 17
};

// Values worked from the published formulas, with pi as 3.1416 (taking the
// full value of pi moves them by up to 1e-4):
// wedge and flow-around resistance, A and B from the table at x/b,
// pu = A min(pst, psd), pm = B min(pst, psd), ym = b/60, yu = 3b/80,
// m = (pu - pm)/(yu - ym), n = pm/(m ym), C = pm / ym^(1/n),
// yk = (C / (k x))^(n/(n-1)).
TEST(Sand, ReeseCurveAtShallowAndDeepDepth) {
    const HandCheck cases[] = {
        {"x/b = 1: the wedge governs, A = 2.11, B = 1.54", 24, 149.05826, 1254.96, 314.51293,
         229.54972, 3.377193, 0.060851761, {72, 186.95652, 229.54972, 314.51293, 314.51293}},
        {"x/b = 20: flow around governs, A = 0.88, B = 0.50", 480, 29313.385, 25099.2,
         22087.296, 12549.6, 1.6447368, 0.17688374,
         {1440, 8233.8631, 12549.6, 22087.296, 22087.296}},
    };
    const SandSoil soil = Sand();
    const AngleQuantities q = SandAngles(soil.phi, 3.1416f);
    for (const HandCheck& c : cases) {
        SCOPED_TRACE(c.name);
        const SandCurve curve = ComputeSandCurve(soil, q, c.x, c.x, c.x, false);
        const double tol = 1e-6;
        EXPECT_NEAR(curve.resistance.pst, c.pst, tol * c.pst);
        EXPECT_NEAR(curve.resistance.psd, c.psd, tol * c.psd);
        EXPECT_NEAR(curve.pu, c.pu, tol * c.pu);
        EXPECT_NEAR(curve.pm, c.pm, tol * c.pm);
        EXPECT_NEAR(curve.shape.n, c.n, tol * c.n);
        EXPECT_NEAR(curve.shape.yk, c.yk, tol * c.yk);
        const int k[5] = {2, 7, 13, 14, 17};
        for (int i = 0; i < 5; ++i) {
            EXPECT_NEAR(curve.shape.points.p[k[i] - 1], c.p[i], tol * c.p[i]) << "point " << k[i];
        }
        EXPECT_DOUBLE_EQ(curve.shape.points.y[12], 24.0 / 60);
        EXPECT_DOUBLE_EQ(curve.shape.points.y[13], 3 * 24.0 / 80);
        EXPECT_DOUBLE_EQ(curve.shape.points.y[16], 3 * 24.0 / 80 + 3 * 24);
        EXPECT_EQ(curve.shape.points.p[0], 0.0);
    }
}

TEST(Sand, CurveRisesAndNeverExceedsTheInitialLine) {
    const SandSoil soil = Sand();
    const AngleQuantities q = SandAngles(soil.phi, 3.1416f);
    for (double x : {2.0, 24.0, 120.0, 480.0}) {
        SCOPED_TRACE(x);
        const SandCurve curve = ComputeSandCurve(soil, q, x, x, x, false);
        for (int k = 1; k < 17; ++k) {
            EXPECT_GE(curve.shape.points.p[k], curve.shape.points.p[k - 1]);
            EXPECT_LE(curve.shape.points.p[k], 90 * x * curve.shape.points.y[k] * (1 + 1e-12));
        }
    }
}

TEST(Sand, ParabolaExponentExceedsOneAtEveryDepth) {
    // n = 1.25 B / (A - B) with the table values: 3.88 at the surface, 1.64 deep.
    const SandSoil soil = Sand();
    const AngleQuantities q = SandAngles(soil.phi, 3.1416f);
    for (double r = 0.0; r <= 7.0; r += 0.25) {
        SCOPED_TRACE(r);
        const double D = r * soil.b + 0.1;
        const SandCurve curve = ComputeSandCurve(soil, q, D, D, D, false);
        const double A = SandCoefficient(D, soil.b, SandTable::A);
        const double B = SandCoefficient(D, soil.b, SandTable::B);
        EXPECT_NEAR(curve.shape.n, 1.25 * B / (A - B), 1e-9);
        EXPECT_GT(curve.shape.n, 1.0);
    }
}

TEST(Sand, ContinuousWallUsesPassiveResistanceButShowsWedgeAndFlow) {
    const SandSoil soil = Sand();
    const AngleQuantities q = SandAngles(soil.phi, 3.1416f);
    const SandCurve single = ComputeSandCurve(soil, q, 24, 24, 24, false);
    const SandCurve wall = ComputeSandCurve(soil, q, 24, 24, 24, true);
    // Passive coefficient with wall friction phi/2 for phi = 35 deg: 7.3567.
    EXPECT_NEAR(ContinuousWallKp(soil.phi, soil.phi / 2), 7.3567, 1e-3);
    EXPECT_NEAR(wall.ps, ContinuousWallKp(soil.phi, soil.phi / 2) * 0.0405 * 24 * 24, 1e-9);
    EXPECT_NEAR(wall.pu, 2.11 * wall.ps, 1e-9);
    EXPECT_DOUBLE_EQ(wall.resistance.pst, single.resistance.pst);
    EXPECT_DOUBLE_EQ(wall.resistance.psd, single.resistance.psd);
}

TEST(Sand, CoefficientsFollowTheSidesLookupDepth) {
    // Behind the wall the depth is 120 in deeper: A and B are read there.
    const SandSoil soil = Sand();
    const AngleQuantities q = SandAngles(soil.phi, 3.1416f);
    const SandCurve front = ComputeSandCurve(soil, q, 12, 12, 12, false);
    const SandCurve back = ComputeSandCurve(soil, q, 132, 132, 132, false);
    EXPECT_NEAR(front.A, 2.48, 1e-12);
    EXPECT_NEAR(front.B, 1.83, 1e-12);
    EXPECT_NEAR(back.A, 0.88, 1e-12);
    EXPECT_NEAR(back.B, 0.50, 1e-12);
}

TEST(Sand, NoInitialModulusGivesNoResistance) {
    SandSoil soil = Sand();
    soil.KPY = 0;
    const SandCurve curve = ComputeSandCurve(soil, SandAngles(soil.phi, 3.1416f), 24, 24, 24, false);
    for (double p : curve.shape.points.p) EXPECT_EQ(p, 0.0);
}

TEST(Sand, OffsetIsTheActivePressureOnTheWidth) {
    const double Ka = SandAngles(35 * 3.1416f / 180, 3.1416f).Ka;
    EXPECT_NEAR(Ka, 0.27099, 1e-4);
    EXPECT_DOUBLE_EQ(SandOffset(10, Ka, 24), 10 * Ka * 24);
    EXPECT_EQ(SandOffset(1e-7, Ka, 24), 0.0);
}

}  // namespace
}  // namespace torvex::py
