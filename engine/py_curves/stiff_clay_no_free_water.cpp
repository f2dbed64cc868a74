#include "py_curves/stiff_clay_no_free_water.h"

#include <algorithm>
#include <cmath>

#include "py_curves/equivalent_depth.h"
#include "py_curves/property_lookup.h"
#include "py_curves/soft_clay.h"

namespace torvex::py {

StiffClayNoFreeWaterCurve ComputeStiffClayNoFreeWaterCurve(const StiffClayNoFreeWaterSoil& soil,
                                                           double x, double X0,
                                                           bool continuousWall) {
    StiffClayNoFreeWaterCurve curve;
    const double b = soil.b, c = soil.c, ca = soil.ca;
    const double deep = 9 * c * b;
    curve.pu = std::isinf(x) ? deep
                             : std::min(soil.gamma * b * x + 3 * ca * b + 0.5 * ca * x, deep);
    if (continuousWall) curve.pu = soil.gamma * X0 * b + 2 * c * b;

    const double y50 = 2.5 * soil.eps50 * b, yu = 16 * y50;
    curve.y50 = y50;
    static const double fraction[14] = {1.0E-5, 5.0E-5, 1.0E-4, 5.0E-4, 0.001, 0.005, 0.01,
                                        0.025,  0.05,   0.075,  0.1,    0.25,  0.5,   1.0};
    std::array<double, kCurvePoints>& y = curve.points.y;
    y[0] = 0.0;
    for (int k = 2; k <= 15; ++k) y[k - 1] = yu * fraction[k - 2];
    y[15] = 18 * y50;
    y[16] = 20 * y50;
    for (int k = 0; k < kCurvePoints; ++k) {
        curve.points.p[k] = y[k] <= 16 * y50 ? 0.5 * curve.pu * std::pow(y[k] / y50, 0.25) : curve.pu;
    }
    return curve;
}

namespace {

using Side = ModelSide<StiffClayNoFreeWaterCurve>;

void WriteSide(PyContext& ctx, int side, const StiffClayNoFreeWaterSoil& soil, const Side& s,
               const PointLines& lines, const PyContext::Multipliers& m) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank(2);
    ctx.writeFixedLine("(10X, 'DEPTH BELOW GS', 5X, 'DIAM', 8X, 'C', 7X, 'CAVG', 4X, 'GAMMA AVG', 5X, 'E50')");
    ctx.writeFixedLine("(16X, A, 12X, A, 5X, A, 1X, A, 1X, A, 1X)",
                {u.LEN2, u.LEN2, u.stress(), u.stress(), u.unitWeight()});
    report.edit("(10X, F10.2, 5X, F10.3, 3D10.2, D12.4)",
                {s.depths.D, soil.b, soil.c, soil.ca, soil.gamma, soil.eps50});
    ctx.writeFixedLine("(38X, 'Y', 19X, 'P')");
    ctx.writeFixedLine("(38X, A, 15X, A)", {u.LEN2, u.forcePerLength()});
    WritePointLines(report, lines);
    WriteMultiplierLine(report, m.p, m.y);
}

}  // namespace

void StiffClayNoFreeWaterCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ResistanceIntegral INTPU(ctx, L);

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        StiffClayNoFreeWaterSoil soil;
        soil.b = ctx.b;
        soil.c = StrengthAt(ctx.profile.strength, z[j]);
        soil.ca = AverageStrength(ctx.profile.strength, z[j], L + 1);
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.eps50 = E50At(ctx.profile.strength, z[j]);
        if (!(soil.eps50 > 0)) {
            StopOnProperty(ctx, L, "E50", soil.eps50, z[j],
                           "A STIFF CLAY NEEDS E50 ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        if (j == sub.firstCurve && L > 0) {
            ctx.EQD[L] = ClayEquivalentDepth(ctx.FPREV(L), soil.c, soil.gamma, soil.b);
        }
        const double offset = SoftClayOffset(soil.b, soil.c, ctx.SIGV0);
        const PyContext::Multipliers m = ctx.multipliersAt(z[j]);
        const auto sides = ComputeSides(ctx, L, z[j], m, offset, [&](const SideDepths& d) {
            const double x = ResistanceDepth(d, L, sub, ctx.EQD[L]);
            return ComputeStiffClayNoFreeWaterCurve(soil, x, d.X0, ctx.continuousWall());
        });

        INTPU.add(j, sides[0].curve.pu);

        WriteCurve(ctx, z[j], sides, {'F', 20, 5}, kSoilDataPoint1X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines, m);
                   });
    }
}

}  // namespace torvex::py
