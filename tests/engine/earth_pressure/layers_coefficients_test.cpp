#include <gtest/gtest.h>

#include <vector>

#include "ep_fixture.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;

// Sand 0-120, sand 120-360 (unit weight 0.07 pci), excavation at 180, water at 60.
EpProblem SandOverSand() {
    EpProblem p;
    p.soil.HFREE = 180;
    p.soil.DWB = 60;
    p.soil.layers = {Layer(4, 120, 0.07, 0, 30), Layer(4, 360, 0.07, 0, 30)};
    return p;
}

TEST(EarthPressureSubdivision, SplitsAtTheWaterTableAndTheExcavationLevel) {
    EpProblem p = SandOverSand();
    const LayerTable t = p.layers();
    ASSERT_EQ(4, t.NL);
    const double tops[] = {0, 60, 120, 180, 360};
    const double thicknesses[] = {60, 60, 60, 180};
    for (int L = 1; L <= 4; ++L) {
        EXPECT_DOUBLE_EQ(tops[L - 1], t.ZTOP[L]) << L;
        EXPECT_DOUBLE_EQ(thicknesses[L - 1], t.THICK[L]) << L;
        EXPECT_TRUE(t.DRAIN[L]);
        EXPECT_EQ(1.0, t.FMOD[L]);
    }
    EXPECT_DOUBLE_EQ(360, t.ZTOP[5]);  // bottom of the profile
    EXPECT_EQ(2, t.LWB);
    EXPECT_EQ(4, t.LH);
    EXPECT_FALSE(t.overflowed);
}

TEST(EarthPressureSubdivision, DepthsAtALayerBoundaryOrEqualToEachOtherSplitOnce) {
    struct Case {
        double DWB, HFREE;
        int NL, LWB, LH;
    };
    const Case cases[] = {
        {120, 180, 3, 2, 3},            // water at the boundary does not split
        {180, 180, 3, 3, 3},            // water at the excavation level
        {180.000001, 180, 3, 3, 3},     // within the tolerance: one split
        {0, 180, 3, 1, 3},              // water at the surface: layer 1
        {500, 180, 3, 0, 3},            // water below the profile: no layer
    };
    for (const Case& c : cases) {
        EpProblem p = SandOverSand();
        p.soil.DWB = c.DWB;
        p.soil.HFREE = c.HFREE;
        const LayerTable t = p.layers();
        SCOPED_TRACE(c.DWB);
        EXPECT_EQ(c.NL, t.NL);
        EXPECT_EQ(c.LWB, t.LWB);
        EXPECT_EQ(c.LH, t.LH);
    }
}

TEST(EarthPressureSubdivision, ReportsWhatCannotBeAnalysed) {
    EpProblem p = SandOverSand();
    p.soil.HFREE = 400;  // below the profile
    EXPECT_EQ(0, p.layers().LH);

    p = SandOverSand();
    p.soil.layers.push_back(Layer(1, 300, 0.07, 5, 0));  // bottom above the one before
    EXPECT_EQ(3, p.layers().badInputLayer);

    // 19 input layers and two splits fill the 21 slots; one more overflows.
    p = SandOverSand();
    p.soil.layers.clear();
    for (int k = 1; k <= 19; ++k) p.soil.layers.push_back(Layer(4, 20.0 * k, 0.07, 0, 30));
    p.soil.HFREE = 195;
    p.soil.DWB = 105;
    LayerTable t = p.layers();
    EXPECT_FALSE(t.overflowed);
    EXPECT_EQ(21, t.NL);
    EXPECT_EQ(12, t.LH);
    p.soil.layers.push_back(Layer(4, 400, 0.07, 0, 30));
    EXPECT_TRUE(p.layers().overflowed);
}

TEST(EarthPressureCoefficients, RankineLevelAndSlopingBackfill) {
    EpProblem p = SandOverSand();
    Coefficients c = p.coefficients();
    EXPECT_NEAR(1.0 / 3.0, c.AKA[1], 1.0E-5);
    EXPECT_NEAR(3.0, c.AKP[1], 1.0E-4);
    EXPECT_NEAR(c.AKA[1], c.SQKA[1] * c.SQKA[1], 1.0E-15);

    p.soil.BETA = 20;
    c = p.coefficients();
    // cos b·(cos b - r)/(cos b + r), r = sqrt(cos²b - cos²phi)
    EXPECT_NEAR(0.4142, c.AKA[1], 5.0E-5);
    EXPECT_NEAR(0.4142, c.computedAKA[4], 5.0E-5);
    EXPECT_NEAR(c.AKA[1], c.SQKA[1] * c.SQKA[1], 1.0E-15);
    EXPECT_FALSE(c.slopeWarning[1]);
}

TEST(EarthPressureCoefficients, BackfillSteeperThanFrictionWarnsOnlyAboveTheExcavation) {
    EpProblem p = SandOverSand();
    p.soil.BETA = 35;
    const Coefficients c = p.coefficients();
    for (int L = 1; L <= 3; ++L) EXPECT_TRUE(c.slopeWarning[L]) << L;
    EXPECT_FALSE(c.slopeWarning[4]);
    EXPECT_NEAR(1.0 / 3.0, c.AKA[2], 1.0E-5);  // level-backfill value kept
}

TEST(EarthPressureCoefficients, UserCoefficientReplacesTheComputedOneWithoutCohesionTerm) {
    EpProblem p = SandOverSand();
    p.soil.layers[0] = Layer(1, 120, 0.07, 100, 0, 0.5);
    const Coefficients c = p.coefficients();
    EXPECT_EQ(0.5, c.AKA[1]);
    EXPECT_EQ(0.0, c.SQKA[1]);
    EXPECT_NEAR(1.0, c.computedAKA[1], 1.0E-5);  // phi = 0: the report shows the computed value
    EXPECT_NEAR(1.0 / 3.0, c.AKA[3], 1.0E-5);
}

TEST(EarthPressureCoefficients, EffectiveStressSubtractsPorePressureAtEachTop) {
    EpProblem p = SandOverSand();
    Coefficients c = p.coefficients();
    // Totals 0, 4.2, 8.4, 12.6 at 0, 60, 120, 180; water 0.036 pci from 60.
    EXPECT_TRUE(c.BELOW[2]);
    EXPECT_FALSE(c.BELOW[1]);
    EXPECT_NEAR(0.0, c.SIGT[1], 1.0E-12);
    EXPECT_NEAR(4.2, c.SIGT[2], 1.0E-6);
    EXPECT_NEAR(8.4 - 60 * 0.036, c.SIGT[3], 1.0E-6);
    EXPECT_NEAR(12.6 - 120 * 0.036, c.SIGT[4], 1.0E-6);
    EXPECT_EQ(c.SIGT[4], c.SIGV0);

    p.soil.QUNIF = 500;
    const Coefficients q = p.coefficients();
    EXPECT_EQ(500.0, q.SIGT[1]);
    for (int L = 2; L <= 4; ++L) EXPECT_NEAR(c.SIGT[L] + 500, q.SIGT[L], 1.0E-9) << L;

    p.UNITS = 2;  // SI water
    EXPECT_NEAR(0.0 + 500 + 4.2 + 4.2 - 60 * 9.81, p.coefficients().SIGT[3], 1.0E-4);
}

}  // namespace
}  // namespace torvex
