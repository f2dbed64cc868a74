// Sand p-y curves (static loading, Reese-Cox-Koop construction): ultimate
// resistance as the smaller of a wedge and a flow-around value scaled by the
// empirical coefficients A and B; a curve of an initial straight line, a
// parabola, a straight line and a plateau.
#pragma once

#include "py_curves/curve_frame.h"
#include "py_curves/equivalent_depth.h"

namespace torvex::py {

// Wedge (pst) and flow-around (psd) resistance of cohesionless soil at depth
// x, force per length.
struct SandResistance {
    double pst = 0.0, psd = 0.0;
};
SandResistance SandWedgeAndFlow(const AngleQuantities& q, double phi, double gamma, double b,
                                double x);

// Passive earth-pressure coefficient of a vertical wall with wall friction
// delta (radians) under a horizontal surface: the continuous-wall resistance.
double ContinuousWallKp(double phi, double delta);

// The sand-shaped curve from pu (at yu = 3b/80) and pm (at ym = b/60), capped
// by the initial line ks*x*y.  Shared by sand and silt.
struct SandShape {
    double ym = 0, yu = 0, m = 0, n = 0, C = 0, yk = 0;
    CurvePoints points;
};
SandShape SandShapedCurve(double pu, double pm, double b, double ksx, double x);

struct SandSoil {
    double b = 0.0;
    double gamma = 0.0;  // mean effective unit weight above the curve, > 0
    double phi = 0.0;    // friction angle, radians, > 0
    double KPY = 0.0;    // initial modulus constant, force per length cubed
};

struct SandCurve {
    SandResistance resistance;  // shown as PCT and PCD even on a continuous wall
    double ps = 0.0;            // governing resistance
    double A = 0.0, B = 0.0;
    double pu = 0.0, pm = 0.0;
    SandShape shape;
};

inline const CurvePoints& CurvePointsOf(const SandCurve& curve) { return curve.shape.points; }

// Active-pressure offset SIGV0 Ka b, 0 below 1.0E-5.
double SandOffset(double SIGV0, double Ka, double b);

// The curve at resistance depth x; X0 below the side's ground surface and D
// the side's lookup depth for A and B.
SandCurve ComputeSandCurve(const SandSoil& soil, const AngleQuantities& q, double x, double X0,
                           double D, bool continuousWall);

void SandCurves(PyContext& ctx, int L);

}  // namespace torvex::py
