#include "py_curves/equivalent_depth.h"

#include <cmath>

#include <gtest/gtest.h>

#include "py_curves/property_lookup.h"
#include "py_curves/sand.h"

namespace torvex::py {
namespace {

const double kPi = std::acos(-1.0);

// The soft-clay resistance integrated from the surface to h:
// the integral of (3 + gamma x / c + 0.5 x / b) c b, capped at 9 c b.
double ClayIntegral(double h, double c, double gamma, double b) {
    const int steps = 200000;
    double F = 0;
    for (int i = 0; i < steps; ++i) {
        const double x = (i + 0.5) * h / steps;
        F += std::min(3 + gamma * x / c + 0.5 * x / b, 9.0) * c * b * h / steps;
    }
    return F;
}

TEST(PyEquivalentDepth, ClayDepthBuildsUpTheResistanceAbove) {
    // c = 1, gamma = 0.5, b = 1: Np reaches 9 at XR = 6, where the integral is 36.
    struct Case {
        double FPREV, EQD;
    } cases[] = {
        {20, 4},  // quadratic, below XR: 3h + h^2/4 + h^2/4 = 20
        {36, 6},  // exactly XR
        {54, 8},  // straight line beyond XR
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.FPREV);
        const double EQD = ClayEquivalentDepth(c.FPREV, 1, 0.5, 1);
        EXPECT_NEAR(EQD, c.EQD, 1e-12);
        EXPECT_NEAR(ClayIntegral(EQD, 1, 0.5, 1), c.FPREV, 1e-6);
    }
}

TEST(PyEquivalentDepth, ClayWithNothingAboveOrNoStrength) {
    EXPECT_DOUBLE_EQ(ClayEquivalentDepth(0, 1, 0.5, 1), 0.0);
    EXPECT_DOUBLE_EQ(ClayEquivalentDepth(0, 0, 0, 1), 0.0);
    // No strength of its own: any resistance above puts the sublayer
    // infinitely deep, also without weight (no 0/0).
    EXPECT_TRUE(std::isinf(ClayEquivalentDepth(20, 0, 0.5, 1)));
    EXPECT_TRUE(std::isinf(ClayEquivalentDepth(20, 0, 0, 1)));
}

TEST(PyEquivalentDepth, AngleCoefficientsReproduceWedgeAndFlowResistance) {
    for (double degrees : {25.0, 35.0, 42.0}) {
        SCOPED_TRACE(degrees);
        const double phi = degrees * kPi / 180;
        const AngleQuantities q = SandAngles(phi, kPi);
        const double gamma = 0.04, b = 24;
        for (double x : {6.0, 48.0, 400.0}) {
            const SandResistance r = SandWedgeAndFlow(q, phi, gamma, b, x);
            EXPECT_NEAR(gamma * b * b * ((x / b) * (x / b) * q.C1 + (x / b) * q.C2), r.pst,
                        1e-9 * r.pst);
            EXPECT_NEAR(gamma * b * x * q.C3, r.psd, 1e-9 * r.psd);
        }
    }
}

// The A-scaled wedge resistance integrated finely from the surface to h.
double SandIntegral(double h, const AngleQuantities& q, double gamma, double b) {
    const int steps = 100000;
    double F = 0;
    for (int i = 0; i < steps; ++i) {
        const double z = (i + 0.5) * h / steps;
        F += gamma * b * b * ((z / b) * (z / b) * q.C1 + (z / b) * q.C2) *
             SandCoefficient(z, b, SandTable::A) * h / steps;
    }
    return F;
}

TEST(PyEquivalentDepth, SandDepthBuildsUpTheResistanceAbove) {
    const double phi = 35 * 3.1416f / 180, gamma = 0.04, b = 24;
    const AngleQuantities q = SandAngles(phi, 3.1416f);
    const double XR = (q.C3 - q.C2) * b / q.C1;
    const double FXR = SandIntegral(XR, q, gamma, b);
    // Within the wedge range the integral up to EQD is FPREV, to the few per
    // cent of the 100-step rule, which takes each step's value at its end and
    // so reaches FPREV early.
    for (double fraction : {0.05, 0.3, 0.9}) {
        SCOPED_TRACE(fraction);
        const double EQD = SandEquivalentDepth(fraction * FXR, q, gamma, b, 50);
        EXPECT_GT(EQD, 0);
        EXPECT_LT(EQD, XR);
        const double F = SandIntegral(EQD, q, gamma, b);
        EXPECT_LE(F, fraction * FXR);
        EXPECT_GT(F, 0.95 * fraction * FXR);
    }
    // Beyond XR the straight line with the deep resistance at X0.
    const double X0 = 50, PUD = 0.88 * q.C3 * gamma * b * X0;
    const double beyond = SandEquivalentDepth(2 * FXR, q, gamma, b, X0);
    EXPECT_NEAR(beyond, XR + FXR / PUD, 0.03 * FXR / PUD);
    EXPECT_NEAR(SandEquivalentDepth(0, q, gamma, b, X0), 0.0, 1e-12);
}

TEST(PyEquivalentDepth, SiltInTheFirstSublayerIsAtTheSurface) {
    const AngleQuantities q = SandAngles(30 * 3.1416f / 180, 4 * std::atan(1.0));
    EXPECT_NEAR(SiltEquivalentDepth(0, q, 2, 0.04, 24, 10), 0.0, 1e-12);
}

}  // namespace
}  // namespace torvex::py
