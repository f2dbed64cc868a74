#include "py_curves/soft_clay.h"

#include <cmath>

#include "py_curves/equivalent_depth.h"
#include "py_curves/property_lookup.h"

namespace torvex::py {

namespace {

// Exponents of the cube-root curve, single precision.
constexpr double kOneThird = 0.3333333f;
constexpr double kTwoThirds = 0.6666667f;
// Below this deflection the curve is replaced by its secant at this point.
constexpr double kSmallDeflection = 1.0E-14;

}  // namespace

double SoftClayOffset(double b, double c, double SIGV0) {
    const double offset = b * (SIGV0 - 2 * c);
    return offset <= 1.0E-10 ? 0.0 : offset;
}

SoftClayCurve ComputeSoftClayCurve(const SoftClaySoil& soil, double x, double X0,
                                   bool continuousWall) {
    SoftClayCurve curve;
    const double b = soil.b, c = soil.c;
    if (c > 0) curve.Np = std::isinf(x) ? 9.0 : 3 + soil.gamma * x / c + 0.5 * x / b;
    if (curve.Np > 9) curve.Np = 9;
    curve.pu = c * curve.Np * b;
    if (continuousWall) curve.pu = (soil.gamma * X0 + 2 * c) * b;

    const double pu = curve.pu;
    const double y50 = 2.5 * soil.eps50 * b;
    curve.y50 = y50;
    curve.Es0 = 0.5 * pu * std::pow(y50 / kSmallDeflection, kTwoThirds) / y50;

    std::array<double, kCurvePoints>& y = curve.points.y;
    y[0] = 0.0;
    y[1] = 0.008 * y50;
    for (int k = 3; k <= 14; ++k) y[k - 1] = (k - 2) * 0.25 * y50;
    y[14] = 8 * y50;
    y[15] = 15 * y50;
    y[16] = 20 * y50;
    for (int k = 0; k < kCurvePoints; ++k) {
        double p;
        if (y[k] < kSmallDeflection) {
            p = y[k] * curve.Es0;
        } else if (y[k] <= 8 * y50) {
            p = 0.5 * pu * std::pow(y[k] / y50, kOneThird);
        } else {
            p = pu;
        }
        curve.points.p[k] = p;
    }
    return curve;
}

namespace {

using Side = ModelSide<SoftClayCurve>;

void WriteSide(PyContext& ctx, int side, const SoftClaySoil& soil, const Side& s,
               const PointLines& lines, const PyContext::Multipliers& m) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank();
    ctx.writeFixedLine("(9X, 'DEPTH BELOW GS', 6X, 'DIAM', 8X, 'C', 6X, 'GAMMA AVG', 6X, 'E50')");
    ctx.writeFixedLine("(15X, A, 13X, A, 5X, A, 2X, A)", {u.LEN2, u.LEN2, u.stress(), u.unitWeight()});
    report.edit("(8X, F10.2, 6X, F10.3, 1X, D10.4, 1X, D10.4, 1X, D12.4)",
                {s.depths.D, soil.b, soil.c, soil.gamma, soil.eps50});
    report.blank();
    ctx.writeFixedLine("(37X, 'Y,', A, 13X, 'P,', A)", {u.LEN2, u.forcePerLength()});
    for (int k = 0; k < kCurvePoints; ++k) {
        if (k >= 1 && s.out.y[k] < kSmallDeflection) {
            report.blank();
            report.edit("(29X, '**** WARNING ****')");
            report.edit("(5X, 'DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM')");
            report.edit("(5X, 'USED A SOIL MODULUS OF ', D12.4)", {s.curve.Es0});
        }
        report.line(lines[k]);
    }
    WriteMultiplierLine(report, m.p, m.y);
}

}  // namespace

void SoftClayCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ResistanceIntegral INTPU(ctx, L);

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        // Soil properties at the excavation-side depth serve both sides.
        SoftClaySoil soil;
        soil.b = ctx.b;
        soil.c = StrengthAt(ctx.profile.strength, z[j]);
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.eps50 = E50At(ctx.profile.strength, z[j]);
        if (!(soil.eps50 > 0)) {
            StopOnProperty(ctx, L, "E50", soil.eps50, z[j],
                           "A SOFT CLAY NEEDS E50 ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        if (j == sub.firstCurve && L > 0) {
            ctx.EQD[L] = ClayEquivalentDepth(ctx.FPREV(L), soil.c, soil.gamma, soil.b);
        }
        const double offset = SoftClayOffset(soil.b, soil.c, ctx.SIGV0);
        const PyContext::Multipliers m = ctx.multipliersAt(z[j]);
        const auto sides = ComputeSides(ctx, L, z[j], m, offset, [&](const SideDepths& d) {
            const double x = ResistanceDepth(d, L, sub, ctx.EQD[L]);
            return ComputeSoftClayCurve(soil, x, d.X0, ctx.continuousWall());
        });

        INTPU.add(j, sides[0].curve.pu);

        WriteCurve(ctx, z[j], sides, {'F', 20, 3}, kSoilDataPoint1X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines, m);
                   });
    }
}

}  // namespace torvex::py
