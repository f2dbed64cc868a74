#include "py_curves/stiff_clay_free_water.h"

#include <algorithm>
#include <cmath>

#include "py_curves/property_lookup.h"
#include "py_curves/soft_clay.h"

namespace torvex::py {

StiffClayFreeWaterCurve ComputeStiffClayFreeWaterCurve(const StiffClayFreeWaterSoil& soil,
                                                       double x, double D, bool continuousWall) {
    StiffClayFreeWaterCurve curve;
    const double b = soil.b, c = soil.c, ca = soil.ca;
    curve.As = StiffClayAs(D, b);
    curve.pct = 2 * ca * b + soil.gamma * b * x + 2.83 * ca * x;
    curve.pcd = 11 * c * b;
    curve.pc = std::min(curve.pct, curve.pcd);
    if (continuousWall) curve.pc = soil.gamma * x * b + 2 * c * b;
    const double As = curve.As, pc = curve.pc;
    curve.R = 1.225 * std::sqrt(As) - 0.75 * As - 0.411;

    const double y50 = soil.eps50 * b;
    curve.y50 = y50;
    const double ksx = x * soil.KPY;
    std::array<double, kCurvePoints>& y = curve.points.y;
    for (int k = 1; k <= 13; ++k) y[k - 1] = (k - 1) * 0.5 * As * y50;
    y[13] = 10 * As * y50;
    y[14] = 14 * As * y50;
    y[15] = 18 * As * y50;
    y[16] = 200 * As * y50;
    // The peak lies at As y50; the curve falls to the residual at 18 As y50.
    const double peak = 0.5 * pc * std::sqrt(6 * As) - 0.411 * pc;
    for (int k = 0; k < kCurvePoints; ++k) {
        double p;
        if (y[k] <= As * y50) {
            p = 0.5 * pc * std::pow(y[k] / y50, 0.5);
        } else if (y[k] <= 6 * As * y50) {
            p = 0.5 * pc * std::pow(y[k] / y50, 0.5) -
                0.055 * pc * std::pow((y[k] - As * y50) / (As * y50), 1.25);
        } else if (y[k] <= 18 * As * y50) {
            p = peak - (0.0625 / y50) * pc * (y[k] - 6 * As * y50);
        } else {
            p = peak - 0.75 * pc * As;
        }
        curve.points.p[k] = std::min(p, ksx * y[k]);
    }
    return curve;
}

namespace {

using Side = ModelSide<StiffClayFreeWaterCurve>;

void WriteSide(PyContext& ctx, int side, const StiffClayFreeWaterSoil& soil, const Side& s,
               const PointLines& lines) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank(2);
    ctx.writeFixedLine("(9X, 'DEPTH BELOW GS', 6X, 'DIAM', 8X, 'C', 9X, 'CAVG', 4X, 'GAMMA AVG', 6X, 'E50')");
    ctx.writeFixedLine("(15X, A, 13X, A, 5X, A, 2X, A, 2X, A)",
                {u.LEN2, u.LEN2, u.stress(), u.stress(), u.unitWeight()});
    report.edit("(9X, F10.2, 5X, F10.3, 3(1X, D10.2), D12.4)",
                {s.depths.D, soil.b, soil.c, soil.ca, soil.gamma, soil.eps50});
    WritePointLines(report, lines);
}

}  // namespace

void StiffClayFreeWaterCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ResistanceIntegral INTPU(ctx, L);
    double cPrevious = 0.0;
    double strengthSum = 0.0;  // trapezoid sum of c over the curve depths so far

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        StiffClayFreeWaterSoil soil;
        soil.b = ctx.b;
        soil.c = StrengthAt(ctx.profile.strength, z[j]);
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.eps50 = E50At(ctx.profile.strength, z[j]);
        soil.KPY = sub.KPY;
        if (j == sub.firstCurve) {
            soil.ca = soil.c;
        } else {
            strengthSum += (z[j] - z[j - 1]) * (cPrevious + soil.c) / 2;
            soil.ca = strengthSum / (z[j] - z[sub.firstCurve]);
        }
        if (L == 0) soil.ca = AverageStrength(ctx.profile.strength, z[j], 1);
        if (!(soil.eps50 > 0)) {
            StopOnProperty(ctx, L, "E50", soil.eps50, z[j],
                           "A STIFF CLAY NEEDS E50 ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        const double offset = SoftClayOffset(soil.b, soil.c, ctx.SIGV0);
        const auto sides = ComputeSides(ctx, L, z[j], ctx.multipliersAt(z[j]), offset,
                                        [&](const SideDepths& d) {
                                            return ComputeStiffClayFreeWaterCurve(
                                                soil, d.X0, d.D, ctx.continuousWall());
                                        });

        // Integrated residual resistance, for the equivalent depth below.
        INTPU.add(j, sides[0].curve.pc, sides[0].curve.R);
        cPrevious = soil.c;

        WriteCurve(ctx, z[j], sides, {'F', 20, 3}, kSoilDataPoint1X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines);
                   });
    }
}

}  // namespace torvex::py
