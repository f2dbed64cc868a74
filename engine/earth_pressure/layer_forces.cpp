// Resultant active forces of the layers above the excavation level: a
// rectangle from the overburden and the surcharges, a triangle from the
// layer's own weight, a rectangle from cohesion and, when the layer is in
// tension at its top, a triangle below the tension crack; and the water
// forces of drained layers below the backfill water table.
#include <algorithm>
#include <cmath>

#include "earth_pressure/module_state.h"
#include "earth_pressure/surcharge.h"

namespace torvex {

namespace {

constexpr int kSlices = 10;

// Surcharge force on a layer from the single surcharge: the pressure at the
// bottom of each of 10 slices times the slice height.
double SurchargeForce(double PA1, const LayerTable& t, int L, const EarthPressureInputs& in) {
    const double dz = t.THICK[L] / kSlices;
    auto sliceDepth = [&](int i) { return t.ZTOP[L] + i * dz; };
    if (in.PPOINT > kMinSurchargeLoad)
        for (int i = 1; i <= kSlices; ++i) PA1 += dz * PointLoadPressure(in.PPOINT, in.XSUR, sliceDepth(i), in.HFREE);
    if (in.QLINE > kMinSurchargeLoad)
        for (int i = 1; i <= kSlices; ++i)
            PA1 += dz * LineLoadPressure(in.QLINE, in.XSUR, sliceDepth(i), in.HFREE, SurchargeConstants::LayerSlices);
    if (in.QSTRIP > kMinSurchargeLoad)
        for (int i = 1; i <= kSlices; ++i)
            PA1 += dz * StripLoadPressure(in.QSTRIP, in.XSUR, in.WSTRIP, sliceDepth(i),
                                          SurchargeConstants::LayerSlices);
    return PA1;
}

}  // namespace

LayerForces ComputeLayerForces(const LayerTable& t, const Coefficients& c, const EarthPressureInputs& in) {
    LayerForces f;
    for (int L = 1; L <= t.LH - 1; ++L) {
        f.PA1[L] = c.SIGT[L] * c.AKA[L] * t.THICK[L] * t.FMOD[L];
        f.PA1[L] = SurchargeForce(f.PA1[L], t, L, in);
        const double gammaEffective = (c.BELOW[L] && t.DRAIN[L]) ? t.GAM[L] - in.GAMW : t.GAM[L];
        f.PA2[L] = t.THICK[L] * t.THICK[L] * (gammaEffective * 0.5) * c.AKA[L] * t.FMOD[L];
        f.PA3[L] = -2.0 * t.COH[L] * c.SQKA[L] * t.THICK[L] * t.FMOD[L];
        f.Z1[L] = t.ZTOP[L] + t.THICK[L] / 2;
        f.Z2[L] = t.ZTOP[L] + 2 * t.THICK[L] / 3;
        if (f.PA1[L] + f.PA3[L] < 0.0) {
            // Tension at the top: only the triangle below the crack pushes.
            f.PA1[L] = f.PA2[L] = f.PA3[L] = 0.0;
            const double a = 2.0 * t.COH[L] * c.SQKA[L] - c.SIGT[L] * c.AKA[L];      // tension at the top
            const double b = c.SIGT[L + 1] * c.AKA[L] - 2.0 * t.COH[L] * c.SQKA[L];  // pressure at the bottom
            // a + b is the stress gain over the layer; without one there is no triangle.
            f.XT[L] = (b + a != 0.0) ? b * t.THICK[L] / (b + a) : 0.0;
            f.PA4[L] = b <= 0.0 ? 0.0 : t.FMOD[L] * f.XT[L] * b / 2.0;
            f.Z3[L] = t.ZTOP[L + 1] - f.XT[L] / 3.0;
        }
    }

    // Water on the drained layers between the backfill water table and the
    // excavation level.  No layer top at the water table (it lies outside
    // the profile) means no water forces.
    f.waterSection = t.LWB >= 1 && t.LWB <= t.LH - 1;
    if (f.waterSection) {
        double zc = 0.0;  // layer top, accumulated from the thicknesses
        for (int L = 1; L < t.LWB; ++L) zc += t.THICK[L];
        for (int L = t.LWB; L <= t.LH - 1; ++L) {
            // The tolerance keeps the layer at the water table from dropping
            // out through rounding of the accumulated depth; it has no water
            // above its top.
            if (t.DRAIN[L] && zc > in.DWB - kDepthTolerance) {
                f.PW1[L] = -std::max(zc - in.DWB, 0.0) * in.GAMW * t.THICK[L];
                f.PW2[L] = -t.THICK[L] * t.THICK[L] * in.GAMW * 0.5;
                f.waterRow[L] = true;
            }
            zc += t.THICK[L];
        }
    }

    for (int L = 1; L <= t.LH - 1; ++L)
        f.net += f.PA1[L] + f.PA2[L] + f.PA3[L] + f.PA4[L] - f.PW1[L] - f.PW2[L];
    f.netNegative = f.net < kDepthTolerance;
    return f;
}

}  // namespace torvex
