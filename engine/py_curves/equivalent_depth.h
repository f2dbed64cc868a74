// Equivalent depth of a sublayer below the first: the depth at which the
// sublayer's own soil, reaching up to the surface, would have built up the
// integrated ultimate resistance FPREV of all sublayers above it.
#pragma once

namespace torvex::py {

// Friction-angle quantities of the sand and silt models (phi in radians, pi
// as the model takes it), with the wedge and flow-around coefficients:
// wedge = gamma b^2 ((x/b)^2 C1 + (x/b) C2), flow-around = gamma b x C3.
struct AngleQuantities {
    double alpha = 0, beta = 0, K0 = 0.4, Ka = 0, Kp = 0;
    double C1 = 0, C2 = 0, C3 = 0;
};
AngleQuantities SandAngles(double phi, double pi);

// Soft clay and stiff clay without free water, from the strength c, the mean
// unit weight gamma and the width b at the sublayer's first curve.  With
// nothing above (FPREV <= 0) the equivalent depth is 0.  A sublayer with no
// strength at its first curve never builds up any resistance of its own, so
// any resistance above puts it infinitely deep: the result is then +infinity
// and the models take their deep resistance wherever the strength is
// positive.
double ClayEquivalentDepth(double FPREV, double c, double gamma, double b);

// Sand: the wedge resistance A-scaled and integrated in 100 steps up to the
// depth where wedge and flow-around meet, then a straight line with the deep
// resistance at X0 of the calling curve.  Needs phi > 0 and gamma > 0.
double SandEquivalentDepth(double FPREV, const AngleQuantities& q, double gamma, double b,
                           double X0);

// Silt: as sand in 50 steps, with the cohesive resistance added.
double SiltEquivalentDepth(double FPREV, const AngleQuantities& q, double c, double gamma,
                           double b, double X0);

}  // namespace torvex::py
