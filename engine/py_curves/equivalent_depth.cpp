#include "py_curves/equivalent_depth.h"

#include <cmath>
#include <limits>

#include "py_curves/property_lookup.h"

namespace torvex::py {

AngleQuantities SandAngles(double phi, double pi) {
    AngleQuantities q;
    q.alpha = phi / 2;
    q.beta = pi / 4 + q.alpha;
    q.K0 = 0.4;
    q.Ka = std::pow(std::tan(pi / 4 - q.alpha), 2);
    q.Kp = std::pow(std::tan(pi / 4 + q.alpha), 2);
    const double tanPhi = std::tan(phi), tanAlpha = std::tan(q.alpha);
    q.C1 = std::tan(q.beta) * (q.K0 * tanPhi * std::sin(q.beta) * (1 / std::cos(q.alpha) + 1) -
                               q.K0 * tanAlpha + q.Kp * tanAlpha);
    q.C2 = q.Kp - q.Ka;
    q.C3 = (q.K0 * tanPhi + q.Kp) * q.Kp * q.Kp - q.Ka;
    return q;
}

double ClayEquivalentDepth(double FPREV, double c, double gamma, double b) {
    if (FPREV <= 0) return 0.0;
    if (c <= 0) return std::numeric_limits<double>::infinity();
    // Depth where the bearing factor 3 + gamma x / c + 0.5 x / b reaches 9.
    const double XR = 6 * c * b / (0.5 * c + gamma * b);
    const double PU9 = 9 * c * b;
    // Integral of (3 + gamma x / c + 0.5 x / b) c b from 0 to XR.
    const double FXR = gamma * b * XR * XR / 2 + 3 * c * b * XR + c * XR * XR / 4;
    if (FPREV <= FXR) {
        const double a = 0.25 * c + 0.5 * gamma * b;
        return (-3 * c * b + std::sqrt((3 * c * b) * (3 * c * b) + 4 * a * FPREV)) * 0.5 / a;
    }
    return (FPREV - FXR) / PU9 + XR;
}

namespace {

// The integration both sand and silt use: steps of XR/steps, adding
// increment(z, A(z)) per step, interpolated inside the step that passes
// FPREV; beyond XR a straight line with the deep resistance PUD.
template <typename Increment>
double IntegrateToFprev(double FPREV, double XR, int steps, double b, double PUD,
                        Increment increment) {
    const double dz = XR / steps;
    double F = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double z = i * dz;
        const double A = SandCoefficient(z, b, SandTable::A);
        const double Fold = F;
        F = F + increment(z, A, dz);
        if (F > FPREV) return z - (F - FPREV) * dz / (F - Fold);
    }
    return (FPREV - F) / PUD + XR;
}

}  // namespace

double SandEquivalentDepth(double FPREV, const AngleQuantities& q, double gamma, double b,
                           double X0) {
    const double XR = (q.C3 - q.C2) * b / q.C1;
    const double PUD = 0.88 * q.C3 * gamma * b * X0;
    return IntegrateToFprev(FPREV, XR, 100, b, PUD, [&](double z, double A, double dz) {
        return gamma * b * b * ((z / b) * (z / b) * q.C1 + (z / b) * q.C2) * A * dz;
    });
}

double SiltEquivalentDepth(double FPREV, const AngleQuantities& q, double c, double gamma,
                           double b, double X0) {
    const double XR = (q.C3 - q.C2) * b / q.C1;
    const double PUD = 9 * c * b + 0.88 * q.C3 * gamma * b * X0;
    return IntegrateToFprev(FPREV, XR, 50, b, PUD, [&](double z, double A, double dz) {
        return (0.5 * c * z + 3 * c * b + gamma * b * z) * dz +
               gamma * b * b * ((z / b) * (z / b) * q.C1 + (z / b) * q.C2) * A * dz;
    });
}

}  // namespace torvex::py
