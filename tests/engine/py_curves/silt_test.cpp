#include "py_curves/silt.h"

#include <cmath>

#include <gtest/gtest.h>

namespace torvex::py {
namespace {

const double kPi = 4 * std::atan(1.0);

// A 24-in element in silt: c = 2 lb/in^2, phi = 30 deg, gamma = 0.04
// lb/in^3, k = 100 lb/in^3.
SiltSoil Silt() {
    SiltSoil soil;
    soil.b = 24;
    soil.c = 2;
    soil.phi = 30 * kPi / 180;
    soil.gamma = 0.04;
    soil.KPY = 100;
    return soil;
}

TEST(Silt, SandResistanceScaledPlusCohesiveResistance) {
    // x = 48 in, x/b = 2: A = 1.48, B = 1.05.  Sand part: the wedge 299.06
    // (flow 1324.6); cohesive part c b Np with Np = 3 + 0.04 x 48 / 2 + 1 = 4.96.
    const SiltSoil soil = Silt();
    const SiltCurve curve = ComputeSiltCurve(soil, SandAngles(soil.phi, kPi), 48, 48, false);
    EXPECT_NEAR(curve.resistance.pst, 299.06269, 1e-5);
    EXPECT_NEAR(curve.resistance.psd, 1324.5755, 1e-4);
    EXPECT_NEAR(curve.pc, 238.08, 1e-9);
    EXPECT_NEAR(curve.A, 1.48, 1e-12);
    EXPECT_NEAR(curve.B, 1.05, 1e-12);
    EXPECT_NEAR(curve.pu, 680.69278, 1e-5);
    EXPECT_NEAR(curve.pm, 552.09583, 1e-5);
    EXPECT_NEAR(curve.shape.n, 5.3665327, 1e-6);
    EXPECT_NEAR(curve.shape.yk, 0.086459083, 1e-8);
    const int k[5] = {2, 7, 13, 14, 17};
    const double p[5] = {160, 485.19969, 552.09583, 680.69278, 680.69278};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(curve.shape.points.p[k[i] - 1], p[i], 1e-6 * p[i]) << "point " << k[i];
    }
}

TEST(Silt, WithoutCohesionItIsSandWithCoefficientsAtX) {
    SiltSoil soil = Silt();
    soil.c = 0;
    const AngleQuantities q = SandAngles(soil.phi, kPi);
    const SiltCurve curve = ComputeSiltCurve(soil, q, 48, 48, false);
    EXPECT_EQ(curve.pc, 0.0);
    EXPECT_EQ(curve.Np, 9.0);
    EXPECT_NEAR(curve.pu, 1.48 * 299.06269, 1e-4);
    EXPECT_NEAR(curve.pm, 1.05 * 299.06269, 1e-4);
}

TEST(Silt, ContinuousWallUsesTenDegreesOfWallFriction) {
    const SiltSoil soil = Silt();
    const SiltCurve curve = ComputeSiltCurve(soil, SandAngles(soil.phi, kPi), 48, 40, true);
    // 10 degrees taken as 0.17453 rad.
    EXPECT_NEAR(curve.psand, ContinuousWallKp(soil.phi, 0.17453) * 0.04 * 24 * 40, 1e-9);
    EXPECT_NEAR(curve.pc, 0.04 * 40 * 24 + 2 * 2 * 24, 1e-9);
}

TEST(Silt, OffsetIsActivePressureLessCohesion) {
    const double Ka = SandAngles(30 * kPi / 180, kPi).Ka;  // 1/3
    EXPECT_NEAR(SiltOffset(10, Ka, 2, 24), 10 * 24 / 3.0 - 2 * 2 * std::sqrt(1 / 3.0) * 24, 1e-9);
    EXPECT_EQ(SiltOffset(1, Ka, 2, 24), 0.0);
}

}  // namespace
}  // namespace torvex::py
