#include <gtest/gtest.h>

#include <cmath>

#include "ep_fixture.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;
using test::Surcharge;

// Hand values to the precision of the reported figures.
void ExpectClose(double expected, double actual) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1.0E-5 + 1.0E-9);
}

// Dry sand 0-360 (0.07 pci, 30 deg), excavation at 120.
EpProblem DrySand() {
    EpProblem p;
    p.soil.HFREE = 120;
    p.soil.layers = {Layer(4, 360, 0.07, 0, 30)};
    return p;
}

TEST(EarthPressureForces, SandLayerTriangleAndSurfacePressureRectangle) {
    EpProblem p = DrySand();
    LayerForces f = p.forces();
    EXPECT_EQ(0.0, f.PA1[1]);
    EXPECT_NEAR(168.0, f.PA2[1], 0.01);  // 120²·0.07/2·(1/3)
    EXPECT_DOUBLE_EQ(60.0, f.Z1[1]);
    EXPECT_DOUBLE_EQ(80.0, f.Z2[1]);
    EXPECT_EQ(0.0, f.PA3[1]);
    EXPECT_EQ(0.0, f.PA4[1]);
    EXPECT_FALSE(f.netNegative);

    p.soil.QUNIF = 5;
    f = p.forces();
    EXPECT_NEAR(5.0 / 3.0 * 120, f.PA1[1], 1.0E-3);
    EXPECT_NEAR(200.0 + 168.0, f.net, 0.02);
}

TEST(EarthPressureForces, CohesiveLayerInTensionKeepsOnlyTheTriangleBelowTheCrack) {
    // Clay (phi = 0, Ka = 1) 0-120 over sand, excavation at 120.
    EpProblem p = DrySand();
    p.soil.layers = {Layer(1, 120, 0.07, 3, 0), Layer(4, 360, 0.07, 0, 30)};
    LayerForces f = p.forces();
    // Crack depth 2c/gamma = 85.71; below it the pressure grows to 8.4 - 6 = 2.4.
    EXPECT_EQ(0.0, f.PA1[1]);
    EXPECT_EQ(0.0, f.PA2[1]);
    EXPECT_EQ(0.0, f.PA3[1]);
    ExpectClose(120 - 6 / 0.07, f.XT[1]);
    ExpectClose(0.5 * 2.4 * (120 - 6 / 0.07), f.PA4[1]);
    ExpectClose(120 - (120 - 6 / 0.07) / 3, f.Z3[1]);

    // Cohesion 5: in tension over the whole layer, nothing pushes.
    p.soil.layers[0] = Layer(1, 120, 0.07, 5, 0);
    f = p.forces();
    EXPECT_EQ(0.0, f.PA4[1]);
    EXPECT_TRUE(f.netNegative);

    // A weightless cohesive layer gains no stress: no triangle, and the
    // crack depth stays finite.
    p.soil.layers[0] = Layer(1, 120, 0.0, 3, 0);
    f = p.forces();
    EXPECT_EQ(0.0, f.PA4[1]);
    EXPECT_EQ(0.0, f.XT[1]);
    EXPECT_EQ(120.0, f.Z3[1]);

    // A user coefficient has no cohesion term.
    p.soil.layers[0] = Layer(1, 120, 0.07, 5, 0, 0.5);
    f = p.forces();
    EXPECT_EQ(0.0, f.PA3[1]);
    EXPECT_NEAR(0.5 * 0.5 * 0.07 * 120 * 120, f.PA2[1], 1.0E-9);
}

TEST(EarthPressureForces, WaterOnDrainedLayersBetweenWaterTableAndExcavation) {
    // Sand 0-120 and 120-360, water at 60, excavation at 180: water layers
    // 60-120 and 120-180.
    EpProblem p = DrySand();
    p.soil.layers = {Layer(4, 120, 0.07, 0, 30), Layer(4, 360, 0.07, 0, 30)};
    p.soil.HFREE = 180;
    p.soil.DWB = 60;
    LayerForces f = p.forces();
    ASSERT_TRUE(f.waterSection);
    EXPECT_FALSE(f.waterRow[1]);
    EXPECT_TRUE(f.waterRow[2]);
    EXPECT_TRUE(f.waterRow[3]);
    EXPECT_NEAR(0.0, f.PW1[2], 1.0E-12);
    ExpectClose(-0.5 * 0.036 * 60 * 60, f.PW2[2]);
    ExpectClose(-60 * 0.036 * 60, f.PW1[3]);
    ExpectClose(-0.5 * 0.036 * 60 * 60, f.PW2[3]);
    // Water total gamma_w·120²/2 over the wetted height.
    double water = 0.0;
    for (int L = 1; L <= 3; ++L) water -= f.PW1[L] + f.PW2[L];
    ExpectClose(0.036 * 120 * 120 / 2, water);
    // Below water the triangle uses the submerged weight.
    EXPECT_NEAR(60.0 * 60.0 * ((0.07 - 0.036) * 0.5) / 3.0, f.PA2[3], 0.01);

    // An undrained layer carries no water force.
    p.soil.layers[1] = Layer(1, 360, 0.07, 20, 0);
    f = p.forces();
    EXPECT_FALSE(f.waterRow[3]);
    EXPECT_EQ(0.0, f.PW2[3]);

    // Water below the excavation level: no water section.
    p.soil.DWB = 200;
    EXPECT_FALSE(p.forces().waterSection);
}

TEST(EarthPressureForces, SurchargeIntegrationUsesTheLastSurchargeRecord) {
    // A strip reaching far from the wall presses with 0.6366·(pi/2)·q at
    // every depth: 2 psi over the 120-in layer.
    EpProblem p = DrySand();
    p.soil.surcharges = {Surcharge(3, 2.0, 5.0E9, 1.0E10)};
    const double strip = p.forces().PA1[1];
    ExpectClose(0.6366 * 1.5707963267948966 * 2.0 * 120, strip);

    // Earlier records only set the single surcharge that the last one replaces.
    p.soil.surcharges = {Surcharge(1, 1000, 30.0), Surcharge(3, 2.0, 5.0E9, 1.0E10)};
    EXPECT_EQ(strip, p.forces().PA1[1]);

    // Loads of 1.0E-4 or less are left out.
    p.soil.surcharges = {Surcharge(2, 1.0E-5, 30.0)};
    EXPECT_EQ(0.0, p.forces().PA1[1]);
}

}  // namespace
}  // namespace torvex
