// Stiff clay with free water p-y curves (static loading, Reese constants):
// ultimate resistance the smaller of a wedge value with the average strength
// and the flow value 11cb, the empirical coefficient As by depth over width,
// and a four-piece curve that softens after its peak to a residual.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

struct StiffClayFreeWaterSoil {
    double b = 0.0;
    double c = 0.0;      // undrained strength at the curve
    double ca = 0.0;     // average undrained strength over the depth
    double gamma = 0.0;  // mean effective unit weight above the curve
    double eps50 = 0.0;  // > 0
    double KPY = 0.0;    // initial modulus constant, force per length cubed
};

struct StiffClayFreeWaterCurve {
    double As = 0.0;
    double pct = 0.0, pcd = 0.0, pc = 0.0;  // wedge, flow and governing resistance
    double R = 0.0;                         // residual as a fraction of pc
    double y50 = 0.0;
    CurvePoints points;
};

// The curve at depth x below the side's ground surface (X0), with As read at
// the side's depth D.
StiffClayFreeWaterCurve ComputeStiffClayFreeWaterCurve(const StiffClayFreeWaterSoil& soil,
                                                       double x, double D, bool continuousWall);

void StiffClayFreeWaterCurves(PyContext& ctx, int L);

}  // namespace torvex::py
