// Strong rock p-y curves: a stiff bilinear resistance governed by half the
// uniaxial compressive strength, dropping to a small residual once the
// deflection reaches the end of the second line.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

struct StrongRockSoil {
    double b = 0.0;
    double su = 0.0;     // half the uniaxial compressive strength, > 0
    double gamma = 0.0;  // mean effective unit weight above the curve
};

struct StrongRockCurve {
    double Kir = 0.0;        // initial modulus, 2000 su
    double y1 = 0.0, y2 = 0.0;  // ends of the first and the second line
    double p1 = 0.0, pur = 0.0;
    CurvePoints points;      // multiplier applied to the two lines, not to the residual
};

// The curve at X0 below the side's ground surface, with the p-multiplier f.
StrongRockCurve ComputeStrongRockCurve(const StrongRockSoil& soil, double X0, double f);

void StrongRockCurves(PyContext& ctx, int L);

}  // namespace torvex::py
