// The module's decimal constants: pi (3.1416) and degrees per radian
// (57.2958) are single-precision values; every other factor and tolerance
// is the decimal value itself.  Each case sits between the two readings of
// its constant, so a single-precision factor or tolerance shows.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "earth_pressure/surcharge.h"
#include "ep_fixture.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;
using test::Surcharge;

// Sand 0-120 and 120-360 (0.07 pci, 30 deg), excavation at 180.
EpProblem SandOverSand() {
    EpProblem p;
    p.soil.HFREE = 180;
    p.soil.layers = {Layer(4, 120, 0.07, 0, 30), Layer(4, 360, 0.07, 0, 30)};
    return p;
}

struct ThresholdCase {
    const char* name;
    std::function<void(EpProblem&)> change;
    std::function<void(EpProblem&)> check;
};

TEST(EarthPressureConstants, TolerancesAndThresholdsAreTheirDecimalValues) {
    const ThresholdCase cases[] = {
        {"water table 0.99999999E-5 below the excavation level is the same depth",
         [](EpProblem& p) { p.soil.DWB = 180.0 + 0.99999999E-5; },
         [](EpProblem& p) {
             const LayerTable t = p.layers();
             EXPECT_EQ(3, t.NL);  // no sliver layer between the two depths
             EXPECT_EQ(3, t.LWB);
             EXPECT_EQ(3, t.LH);
         }},
        {"user coefficient just above 1.0E-7 is used",
         [](EpProblem& p) { p.soil.layers[0] = Layer(4, 120, 0.07, 0, 30, 1.00000001E-7); },
         [](EpProblem& p) {
             const Coefficients c = p.coefficients();
             EXPECT_EQ(1.00000001E-7, c.AKA[1]);
             EXPECT_EQ(0.0, c.SQKA[1]);
         }},
        {"surcharge load just below 1.0E-4 is left out of the layer forces",
         [](EpProblem& p) { p.soil.surcharges = {Surcharge(2, 0.99999999E-4, 30.0)}; },
         [](EpProblem& p) { EXPECT_EQ(0.0, p.forces().PA1[1]); }},
        {"surface pressure just below 1.0E-6 counts as none in the surcharge column",
         [](EpProblem& p) { p.soil.QUNIF = 0.999999999E-6; },
         [](EpProblem& p) {
             const PressureTable t = p.table();
             EXPECT_GT(t.rows[0].PSUR, 0.0);  // the top row takes any positive pressure
             EXPECT_EQ(0.0, t.rows[50].PSUR);
         }},
        {"table pressure just below 1.0E-5 becomes the tiny row value",
         [](EpProblem& p) {
             // Weightless layer with Ka = 1: the pressure is the surface pressure.
             p.soil.QUNIF = 0.99999999E-5;
             p.soil.layers = {Layer(4, 360, 0.0, 0, 30, 1.0)};
         },
         [](EpProblem& p) {
             const PressureTable t = p.table();
             EXPECT_EQ(0.99999999E-5, t.rows[0].PEP);
             EXPECT_EQ(2 * 1.0E-12, t.rows[1].PEP);
             EXPECT_EQ(50 * 1.0E-12, t.rows[49].PEP);
         }},
    };
    for (const ThresholdCase& c : cases) {
        SCOPED_TRACE(c.name);
        EpProblem p = SandOverSand();
        c.change(p);
        c.check(p);
    }
}

TEST(EarthPressureConstants, UnitWeightOfWaterIsTheDecimalValue) {
    EpProblem p = SandOverSand();
    p.soil.DWB = 60;
    // Totals at the layer tops first, then the pore pressure at the top.
    const double total120 = (0.0 + 60 * 0.07) + 60 * 0.07;
    EXPECT_DOUBLE_EQ(total120 - (120.0 - 60.0) * 0.036, p.coefficients().SIGT[3]);
    p.UNITS = 2;
    EXPECT_DOUBLE_EQ(total120 - (120.0 - 60.0) * 9.81, p.coefficients().SIGT[3]);
    EXPECT_EQ(9.81, p.inputs().GAMW);
}

TEST(EarthPressureConstants, EnvelopePeakFactorIsTheDecimalValue) {
    EpProblem p = SandOverSand();
    p.KOUTPT = 3;
    p.ties.ZTIE1 = p.ties.ZTIEN = 60;
    p.ties.NSPR = 1;
    PressureTable t = p.table();
    EXPECT_DOUBLE_EQ(1.3 * t.F * 3 / (2 * 180.0), t.pmax);

    p.ties.ZTIE1 = 40;
    p.ties.ZTIEN = 100;
    p.ties.NSPR = 2;
    t = p.table();
    EXPECT_DOUBLE_EQ(1.3 * t.F / (180.0 - (t.h2 + t.h1) / 3), t.pmax);
}

TEST(EarthPressureConstants, SurchargeFactorsAreDecimalAndPiIsSinglePrecision) {
    const double H = 100.0, z = 50.0, n = 0.5, Q = 1000.0, q = 10.0;
    const double pi = static_cast<double>(3.1416f);
    // m = 0.3: near-field forms.
    EXPECT_DOUBLE_EQ(0.28 * Q * (n * n) / (H * H * std::pow(0.16 + n * n, 3)),
                     SurchargeRecordPressure(Surcharge(1, Q, 30.0), z, H));
    EXPECT_DOUBLE_EQ(0.203 * q * n / (H * std::pow(0.16 + n * n, 2)),
                     SurchargeRecordPressure(Surcharge(2, q, 30.0), z, H));
    // m = 0.400000001, just beyond four tenths: far-field forms.
    const double x = 40.0000001, m = x / H;
    EXPECT_DOUBLE_EQ(1.77 * Q * (m * m) * (n * n) / (H * H * std::pow(m * m + n * n, 3)),
                     SurchargeRecordPressure(Surcharge(1, Q, x), z, H));
    EXPECT_DOUBLE_EQ(4 * q * (m * m) * n / (pi * H * std::pow(m * m + n * n, 2)),
                     SurchargeRecordPressure(Surcharge(2, q, x), z, H));
    EXPECT_DOUBLE_EQ(1.273 * q * (m * m) * n / (H * std::pow(m * m + n * n, 2)),
                     LineLoadPressure(q, x, z, H, SurchargeConstants::LayerSlices));

    // Strip of 2 psi, 36 in wide, its middle 48 in from the wall, at 60 in.
    const double a1 = std::atan((48.0 + 18.0) / 60.0), a2 = std::atan((48.0 - 18.0) / 60.0);
    const double shape = (a1 - a2) - std::sin(a1 - a2) * std::cos(a1 + a2);
    EXPECT_DOUBLE_EQ((2 * 2.0 / pi) * shape, StripLoadPressure(2.0, 48.0, 36.0, 60.0, SurchargeConstants::Sampling));
    EXPECT_DOUBLE_EQ(0.6366 * 2.0 * shape,
                     StripLoadPressure(2.0, 48.0, 36.0, 60.0, SurchargeConstants::LayerSlices));
}

TEST(EarthPressureConstants, DegreesPerRadianIsSinglePrecision) {
    EpProblem p = SandOverSand();
    const double root = std::tan((45.0 - 0.5 * 30) / static_cast<double>(57.2958f));
    const Coefficients c = p.coefficients();
    EXPECT_DOUBLE_EQ(root * root, c.AKA[1]);
    const double passive = std::tan((45.0 + 0.5 * 30) / static_cast<double>(57.2958f));
    EXPECT_DOUBLE_EQ(passive * passive, c.AKP[1]);
}

}  // namespace
}  // namespace torvex
