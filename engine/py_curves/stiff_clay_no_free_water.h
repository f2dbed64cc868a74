// Stiff clay without free water p-y curves (static loading, Welch-Reese
// constants): a quarter-power curve that reaches the ultimate resistance at
// 16 y50.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

struct StiffClayNoFreeWaterSoil {
    double b = 0.0;
    double c = 0.0;      // undrained strength at the curve
    double ca = 0.0;     // mean strength from the sublayer top to the curve
    double gamma = 0.0;  // mean effective unit weight above the curve
    double eps50 = 0.0;  // > 0
};

struct StiffClayNoFreeWaterCurve {
    double pu = 0.0;
    double y50 = 0.0;
    CurvePoints points;
};

// The curve at resistance depth x (+infinity in a sublayer taken as
// infinitely deep), X0 below the side's ground surface.
StiffClayNoFreeWaterCurve ComputeStiffClayNoFreeWaterCurve(const StiffClayNoFreeWaterSoil& soil,
                                                           double x, double X0,
                                                           bool continuousWall);

void StiffClayNoFreeWaterCurves(PyContext& ctx, int L);

}  // namespace torvex::py
