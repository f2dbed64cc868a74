// Weak rock p-y curves (Reese constants): ultimate resistance from the
// reduced uniaxial compressive strength, growing over the first three widths
// below the rock top; initial modulus from the rock mass modulus; a
// quarter-power curve.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

struct WeakRockSoil {
    double b = 0.0;
    double qu = 0.0;     // uniaxial compressive strength at the curve
    double qua = 0.0;    // average compressive strength
    double RQD = 0.0;    // rock quality designation, percent
    double gamma = 0.0;
    double krm = 0.0;    // strain factor, > 0
    double Er = 0.0;     // rock mass modulus
};

struct WeakRockCurve {
    double alphaR = 0.0;   // strength reduction 1 - RQD/150
    double pur = 0.0;      // ultimate resistance
    double Mir = 0.0;      // initial modulus
    double yrm = 0.0, yA = 0.0;
    CurvePoints points;
};

// The curve at xr below the rock top on that side.
WeakRockCurve ComputeWeakRockCurve(const WeakRockSoil& soil, double xr);

void WeakRockCurves(PyContext& ctx, int L);

}  // namespace torvex::py
