// Effective vertical stress at every layer top and the active (Rankine, or
// Rankine for a sloping backfill, or the user's) and passive coefficients.
#include <cmath>

#include "earth_pressure/module_state.h"

namespace torvex {

Coefficients ComputeCoefficients(const LayerTable& t, const EarthPressureInputs& in) {
    Coefficients c;
    const int NL = t.NL;
    for (int L = 1; L <= NL; ++L)
        c.BELOW[L] = std::fabs(t.ZTOP[L] - in.DWB) < kDepthTolerance || t.ZTOP[L] > in.DWB;

    // Total stress at the layer tops first, then the pore pressure at each
    // top is taken off that top only.
    c.SIGT[1] = in.QUNIF;
    for (int L = 2; L <= NL; ++L) c.SIGT[L] = c.SIGT[L - 1] + t.THICK[L - 1] * t.GAM[L - 1];
    for (int L = 1; L <= NL; ++L) {
        if (c.BELOW[L]) c.SIGT[L] -= (t.ZTOP[L] - in.DWB) * in.GAMW;
        if (L == t.LH) c.SIGV0 = c.SIGT[L];
    }

    const double slope = std::fabs(in.BETA);
    for (int L = 1; L <= NL; ++L) {
        c.SQKA[L] = std::tan((45.0 - 0.5 * t.PHI[L]) / kDegPerRad);
        c.AKA[L] = c.SQKA[L] * c.SQKA[L];
        if (slope > 0.0) {
            if (t.PHI[L] <= slope) {
                // No active state for a backfill steeper than the friction
                // angle: keep the level-backfill value, warn above the excavation.
                if (t.ZTOP[L] < in.HFREE) c.slopeWarning[L] = true;
            } else {
                const double cb = std::cos(in.BETA / kDegPerRad);
                const double cp = std::cos(t.PHI[L] / kDegPerRad);
                const double r = std::sqrt(cb * cb - cp * cp);
                c.AKA[L] = cb * (cb - r) / (cb + r);
                c.SQKA[L] = std::sqrt(c.AKA[L]);
            }
        }
        const double passiveRoot = std::tan((45.0 + 0.5 * t.PHI[L]) / kDegPerRad);
        c.AKP[L] = passiveRoot * passiveRoot;
        c.computedAKA[L] = c.AKA[L];
        if (t.KAUSR[L] > kMinUserCoefficient) {
            // A user coefficient carries no cohesion reduction.
            c.AKA[L] = t.KAUSR[L];
            c.SQKA[L] = 0.0;
        }
    }
    return c;
}

}  // namespace torvex
