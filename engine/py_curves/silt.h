// Silt (c-phi soil) p-y curves: the sand resistance scaled by A or B plus a
// cohesive resistance of the soft-clay form, on a curve of the sand shape.
#pragma once

#include "py_curves/curve_frame.h"
#include "py_curves/equivalent_depth.h"
#include "py_curves/sand.h"

namespace torvex::py {

struct SiltSoil {
    double b = 0.0;
    double c = 0.0;      // cohesion
    double gamma = 0.0;  // mean effective unit weight above the curve, > 0
    double phi = 0.0;    // friction angle, radians, > 0
    double KPY = 0.0;
};

struct SiltCurve {
    SandResistance resistance;
    double psand = 0.0;  // frictional part before A or B
    double Np = 0.0, pc = 0.0;  // cohesive part
    double A = 0.0, B = 0.0;
    double pu = 0.0, pm = 0.0;
    SandShape shape;
};

inline const CurvePoints& CurvePointsOf(const SiltCurve& curve) { return curve.shape.points; }

// Active-pressure offset (SIGV0 Ka - 2c sqrt(Ka)) b, 0 below 1.0E-5.
double SiltOffset(double SIGV0, double Ka, double c, double b);

// The curve at resistance depth x (which also selects A and B), X0 below the
// side's ground surface.
SiltCurve ComputeSiltCurve(const SiltSoil& soil, const AngleQuantities& q, double x, double X0,
                           bool continuousWall);

void SiltCurves(PyContext& ctx, int L);

}  // namespace torvex::py
