#include <gtest/gtest.h>

#include <cmath>

#include "earth_pressure/surcharge.h"
#include "ep_fixture.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;
using test::Surcharge;

constexpr double kGamma = 0.07;  // pci
constexpr double kWater = 0.036;
constexpr double kKa = 1.0 / 3.0;

void ExpectClose(double expected, double actual, double relative = 2.0E-5) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * relative + 1.0E-9);
}

// English wall of 240 in (40 increments of 6 in) in sand 0-360, excavation at 120.
EpProblem SandWall() {
    EpProblem p;
    p.soil.HFREE = 120;
    p.soil.layers = {Layer(4, 360, kGamma, 0, 30)};
    return p;
}

// Row of the table at a depth that is a whole number of inches.
const EarthPressureRow& RowAt(const PressureTable& t, double depth) {
    for (const EarthPressureRow& row : t.rows)
        if (std::fabs(row.XEP - depth) < 1.0E-9) return row;
    static EarthPressureRow none{-1, 0, 0, 0};
    ADD_FAILURE() << "no row at " << depth;
    return none;
}

TEST(EarthPressureDistribution, OneRowPerInchDownToTheWallTip) {
    EpProblem p = SandWall();
    const PressureTable t = p.table();
    EXPECT_EQ(241, t.layout.NROW);
    ASSERT_EQ(241u, t.rows.size());
    for (int k = 0; k < 241; ++k) EXPECT_NEAR(k, t.rows[k].XEP, 1.0E-9) << k;
}

TEST(EarthPressureDistribution, SIRowsEveryFiveCentimetres) {
    // NINC 40 x 0.25 m, sand 0-2 m and 2-12 m, excavation at 2 m.
    EpProblem p;
    p.UNITS = 2;
    p.INCLEN = 0.25;
    p.soil.HFREE = 2.0;
    p.soil.layers = {Layer(4, 2.0, 18.0, 0, 30), Layer(4, 12.0, 18.0, 0, 30)};
    const PressureTable t = p.table();
    EXPECT_EQ(201, t.layout.NROW);
    EXPECT_EQ(41, t.layout.kx);  // 40 rows in the 2-m layer
    ASSERT_EQ(201u, t.rows.size());
    for (int k = 0; k < 201; ++k) EXPECT_NEAR(0.05 * k, t.rows[k].XEP, 1.0E-9) << k;
}

TEST(EarthPressureDistribution, DrySandIsRankineAboveAndConstantBelowTheExcavation) {
    EpProblem p = SandWall();
    const PressureTable t = p.table();
    EXPECT_EQ(0.0, t.rows[0].PEP);
    for (double z : {1.0, 30.0, 77.0, 120.0}) {
        ExpectClose(kKa * kGamma * z, RowAt(t, z).PEP);
        EXPECT_EQ(RowAt(t, z).PEP, RowAt(t, z).PSOIL);
        EXPECT_EQ(0.0, RowAt(t, z).PSUR);
    }
    for (double z : {121.0, 200.0, 240.0}) ExpectClose(kKa * kGamma * 120, RowAt(t, z).PEP);

    // A user coefficient below the excavation gives way to the Rankine value.
    p.soil.layers = {Layer(4, 120, kGamma, 0, 30), Layer(4, 360, kGamma, 0, 30, 0.6)};
    ExpectClose(kKa * kGamma * 120, RowAt(p.table(), 200).PEP);
}

TEST(EarthPressureDistribution, BelowTheWaterTableEffectiveStressPlusWater) {
    EpProblem p = SandWall();
    p.soil.HFREE = 180;
    p.soil.DWB = 60;
    const PressureTable t = p.table();
    for (double z : {30.0, 60.0}) ExpectClose(kKa * kGamma * z, RowAt(t, z).PEP);
    for (double z : {61.0, 100.0, 180.0}) {
        const double effective = kGamma * 60 + (kGamma - kWater) * (z - 60);
        ExpectClose(kKa * effective + kWater * (z - 60), RowAt(t, z).PEP);
    }
    // Below the excavation: the active pressure of the effective overburden there.
    ExpectClose(kKa * (kGamma * 180 - kWater * 120), RowAt(t, 200).PEP);
}

TEST(EarthPressureDistribution, WaterInTheExcavationActsAgainstTheBackfill) {
    EpProblem p = SandWall();
    p.soil.HFREE = 180;
    p.soil.DWB = 60;
    p.soil.DWE = 100;
    const PressureTable t = p.table();
    auto backfill = [](double z) { return kKa * (kGamma * 60 + (kGamma - kWater) * (z - 60)) + kWater * (z - 60); };
    ExpectClose(backfill(100), RowAt(t, 100).PEP);
    ExpectClose(backfill(150) - kWater * 50, RowAt(t, 150).PEP);
    // At the excavation level itself the value of the row above stays.
    ExpectClose(backfill(180) - kWater * 79, t.rows[180].PEP);
    ExpectClose(kKa * (kGamma * 180 - kWater * 120), RowAt(t, 181).PEP);
}

TEST(EarthPressureDistribution, CohesionReducesByTwoCRootKaWithTinyValuesInTension) {
    // Clay (phi 0, c 3 psi) 0-120 over sand; tension down to 2c/gamma = 85.7 in.
    EpProblem p = SandWall();
    p.soil.layers = {Layer(1, 120, kGamma, 3, 0), Layer(4, 360, kGamma, 0, 30)};
    const PressureTable t = p.table();
    for (int k : {2, 51, 86}) {
        EXPECT_EQ(k * 1.0E-12, t.rows[k - 1].PEP) << k;
        EXPECT_EQ(t.rows[k - 1].PEP, t.rows[k - 1].PSOIL) << k;
    }
    ExpectClose(kGamma * 100 - 6, RowAt(t, 100).PEP);
    ExpectClose(kGamma * 120 - 6, RowAt(t, 120).PEP);
    ExpectClose(kKa * kGamma * 120, RowAt(t, 150).PEP);
}

TEST(EarthPressureDistribution, UniformSurfacePressureAddsKaQInTheSurchargeColumn) {
    EpProblem p = SandWall();
    p.soil.QUNIF = 5;
    PressureTable t = p.table();
    ExpectClose(kKa * 5, t.rows[0].PEP);
    EXPECT_EQ(t.rows[0].PEP, t.rows[0].PSUR);
    EXPECT_EQ(0.0, t.rows[0].PSOIL);
    for (double z : {50.0, 120.0}) {
        ExpectClose(kKa * (kGamma * z + 5), RowAt(t, z).PEP);
        ExpectClose(kKa * 5, RowAt(t, z).PSUR);
        ExpectClose(kKa * kGamma * z, RowAt(t, z).PSOIL);
    }
    ExpectClose(kKa * (kGamma * 120 + 5), RowAt(t, 200).PEP);
    ExpectClose(kKa * 5, RowAt(t, 200).PSUR);

    // With cohesion the reduction stays with the soil.
    p.soil.layers = {Layer(1, 120, kGamma, 1, 0), Layer(4, 360, kGamma, 0, 30)};
    t = p.table();
    ExpectClose(5 + kGamma * 50 - 2, RowAt(t, 50).PEP);
    ExpectClose(5, RowAt(t, 50).PSUR);
    ExpectClose(kGamma * 50 - 2, RowAt(t, 50).PSOIL);
}

TEST(EarthPressureDistribution, SurchargeColumnIsTheSampledSurchargePressure) {
    EpProblem p = SandWall();
    p.soil.surcharges = {Surcharge(1, 1000, 30), Surcharge(2, 20, 90), Surcharge(3, 1.5, 60, 40)};
    const PressureTable t = p.table();
    for (double z : {1.0, 2.0, 45.0, 120.0, 121.0, 239.0, 240.0}) {
        const EarthPressureRow& row = RowAt(t, z);
        const double sampled = SURPRES(z, p.soil.surcharges, 120, p.NINC, p.INCLEN);
        EXPECT_EQ(sampled, row.PSUR) << z;
        ExpectClose(row.PSOIL + sampled, row.PEP);
    }
    EXPECT_EQ(0.0, RowAt(t, 1.0).PSUR);  // above the first sampling depth (1.2 in)
    EXPECT_GT(RowAt(t, 45.0).PSUR, 0.0);
}

// Anchored wall: one tieback at 60 in, excavation at 180, dry sand.
EpProblem AnchoredWall() {
    EpProblem p = SandWall();
    p.KOUTPT = 3;
    p.soil.HFREE = 180;
    p.ties.ZTIE1 = p.ties.ZTIEN = 60;
    p.ties.NSPR = 1;
    return p;
}

TEST(EarthPressureDistribution, EnvelopeWithOneTieback) {
    EpProblem p = AnchoredWall();
    const PressureTable t = p.table();
    EXPECT_DOUBLE_EQ(40, t.h1);
    EXPECT_DOUBLE_EQ(80, t.h2);
    EXPECT_DOUBLE_EQ(100, t.zr);
    // Force above the excavation: Ka·gamma·180²/2 (trapezoids of a straight line).
    ExpectClose(kKa * kGamma * 180 * 180 / 2, t.F);
    ExpectClose(1.95 * t.F / 180, t.pmax, 1.0E-7);

    ASSERT_EQ(242u, t.rows.size());
    EXPECT_EQ(242, t.layout.written);
    EXPECT_DOUBLE_EQ(t.pmax / 2, t.rows[20].PEP);
    EXPECT_DOUBLE_EQ(t.pmax, t.rows[40].PEP);
    EXPECT_DOUBLE_EQ(t.pmax, t.rows[100].PEP);
    EXPECT_DOUBLE_EQ(t.pmax / 2, t.rows[140].PEP);
    // Row kx (180 in) twice: the envelope's 0, then the active pressure.
    EXPECT_NEAR(0.0, t.rows[180].PEP, 1.0E-12);
    EXPECT_DOUBLE_EQ(180, t.rows[181].XEP);
    ExpectClose(kKa * kGamma * 180, t.rows[181].PEP);
    EXPECT_DOUBLE_EQ(240, t.rows[241].XEP);
    // The soils and surcharge columns keep their generated values.
    EXPECT_EQ(t.rows[181].PSOIL, t.rows[180].PSOIL);
}

TEST(EarthPressureDistribution, EnvelopeWithSeveralSupports) {
    EpProblem p = AnchoredWall();
    p.ties.ZTIE1 = 40;
    p.ties.ZTIEN = 100;
    p.ties.NSPR = 3;
    const PressureTable t = p.table();
    EXPECT_DOUBLE_EQ(80.0 / 3, t.h1);
    EXPECT_DOUBLE_EQ(160.0 / 3, t.h2);
    EXPECT_NEAR(100.0, t.hm, 1.0E-12);
    ExpectClose(1.3 * t.F / (180 - 80.0 / 3), t.pmax, 1.0E-7);
    EXPECT_DOUBLE_EQ(t.pmax, t.rows[50].PEP);
    // Ramp down from zr = 126.67 to 0 at 180: at 160 in, 0.375·pmax.
    EXPECT_NEAR(0.375 * t.pmax, t.rows[160].PEP, t.pmax * 1.0E-9);
}

TEST(EarthPressureDistribution, EnvelopeForceIsPerRowSpacingInAnyNonEnglishUnits) {
    // The same numbers in SI and in "other" units: rows every 0.05 length
    // units in both, so the same force and envelope.
    auto table = [](int UNITS) {
        EpProblem p;
        p.UNITS = UNITS;
        p.KOUTPT = 3;
        p.INCLEN = 0.25;
        p.soil.HFREE = 6.0;
        p.soil.layers = {Layer(4, 12.0, 18.0, 0, 30)};
        p.ties.ZTIE1 = p.ties.ZTIEN = 2.0;
        p.ties.NSPR = 1;
        return p.table();
    };
    const PressureTable a = table(2), b = table(3);
    ExpectClose(kKa * 18.0 * 36 / 2, a.F, 1.0E-4);
    EXPECT_DOUBLE_EQ(a.F, b.F);
    EXPECT_DOUBLE_EQ(a.pmax, b.pmax);
}

}  // namespace
}  // namespace torvex
