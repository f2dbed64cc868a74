// Soft clay p-y curves (static loading, Matlock constants): the bearing
// factor grows with depth to 9, and the cube-root curve reaches the ultimate
// resistance at 8 y50.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

struct SoftClaySoil {
    double b = 0.0;      // wall width
    double c = 0.0;      // undrained shear strength
    double gamma = 0.0;  // mean effective unit weight above the curve
    double eps50 = 0.0;  // strain at half the peak stress, > 0
};

struct SoftClayCurve {
    double Np = 0.0;   // bearing factor, at most 9
    double pu = 0.0;   // ultimate resistance, force per length
    double y50 = 0.0;  // deflection at half the ultimate resistance
    double Es0 = 0.0;  // secant modulus at y = 1.0E-14, used below that deflection
    CurvePoints points;
};

// Active-pressure offset b (SIGV0 - 2c), 0 when not positive.
double SoftClayOffset(double b, double c, double SIGV0);

// The curve at resistance depth x (X0 below the ground surface of the side;
// x is +infinity in a sublayer taken as infinitely deep).
SoftClayCurve ComputeSoftClayCurve(const SoftClaySoil& soil, double x, double X0,
                                   bool continuousWall);

// The curves of sublayer L (0-based) on both sides, written to the report and
// SOILDATA.
void SoftClayCurves(PyContext& ctx, int L);

}  // namespace torvex::py
