#include "py_curves/weak_rock.h"

#include <algorithm>
#include <cmath>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/property_lookup.h"

namespace torvex::py {

namespace {

// Exponent of yA: 1 / (1 - 0.25), single precision.
constexpr double kYaExponent = 1.0f / (1.0f - 0.25f);

}  // namespace

WeakRockCurve ComputeWeakRockCurve(const WeakRockSoil& soil, double xr) {
    WeakRockCurve curve;
    const double b = soil.b;
    curve.alphaR = 1 - soil.RQD / 150;
    if (xr <= 3 * b) {
        curve.pur = curve.alphaR * soil.qua * b * (1 + 1.4 * xr / b);
        curve.Mir = (100 + 400 * xr / (3 * b)) * soil.Er;
    } else {
        curve.pur = 5.2 * curve.alphaR * soil.qua * b;
        curve.Mir = 500 * soil.Er;
    }
    curve.yrm = soil.krm * b;
    curve.yA = std::pow(0.5 * curve.pur / (std::pow(curve.yrm, 0.25) * curve.Mir), kYaExponent);

    static const double fraction[kCurvePoints] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02,
                                                  0.04,   0.06,  0.08,  0.1,   0.25,  0.5,
                                                  0.75,   1.0,   4.0,   8.0,   12.0};
    for (int k = 0; k < kCurvePoints; ++k) {
        const double y = curve.yrm * fraction[k];
        curve.points.y[k] = y;
        curve.points.p[k] = y < curve.yA
                                ? curve.Mir * y
                                : std::min(0.5 * curve.pur * std::pow(y / curve.yrm, 0.25), curve.pur);
    }
    return curve;
}

namespace {

[[noreturn]] void StopOnZeroStrength(const PyContext& ctx, int L, double qu, double z) {
    std::string console = "\n";
    console += "       --------------------WARNING----------------------\n";
    console += "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n";
    console += "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n";
    throw AnalysisStop(
        {"", "", io::Edit("(5X, 'ERROR -- LAYER', I3, ', WEAK ROCK: THE COMPRESSIVE STRENGTH IS', E11.4, "
                  "' AT DEPTH', F10.2, A, '; ENTER A STRENGTH ABOVE 0')",
                  {L + 1, qu, ctx.HFREE + z, ctx.labels->LEN3})},
        console);
}

using Side = ModelSide<WeakRockCurve>;

void WriteSide(PyContext& ctx, int side, const WeakRockSoil& soil, const Side& s,
               const PointLines& lines) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank(2);
    ctx.writeFixedLine("(14X, 'DEPTH', 5X, 'DIAM', 7X, 'Qu', 7X, ' Eu ', 3X, 'GAMMA AVG', 6X, 'E50')");
    ctx.writeFixedLine("(16X, A, 7X, A, 4X, A, 1X, A, 1X, A, 1X)",
                {u.LEN2, u.LEN2, u.stress(), u.stress(), u.unitWeight()});
    report.edit("(10X, F10.2, F10.3, E10.2, E10.2, E10.2, E12.3)",
                {s.depths.D, soil.b, soil.qu, soil.Er, soil.gamma, soil.krm});
    ctx.writeFixedLine("(37X, 'Y', 19X, 'P')");
    ctx.writeFixedLine("(37X, A, 16X, A)", {u.LEN2, u.forcePerLength()});
    WritePointLines(report, lines);
}

}  // namespace

void WeakRockCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    const std::vector<StrengthPoint>& strength = ctx.profile.strength;
    ctx.INTPU[L] = 0.0;  // rock adds nothing to the resistance above deeper layers

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        WeakRockSoil soil;
        soil.b = ctx.b;
        soil.qu = StrengthAt(strength, z[j]);
        if (j > sub.firstCurve && soil.qu < 1.0E-10) StopOnZeroStrength(ctx, L, soil.qu, z[j]);
        soil.RQD = RqdAt(strength, z[j]);
        soil.qua = L == 0 ? AverageStrength(strength, z[j], 1)
                          : (StrengthAt(strength, sub.TOP + 1.0E-8) + soil.qu) / 2;
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.krm = E50At(strength, z[j]);
        soil.Er = sub.KPY;
        if (!(soil.krm > 0)) {
            StopOnProperty(ctx, L, "KRM", soil.krm, z[j],
                           "WEAK ROCK NEEDS A STRAIN FACTOR KRM ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        // No active-pressure offset in rock.
        const auto sides = ComputeSides(ctx, L, z[j], ctx.multipliersAt(z[j]), 0.0,
                                        [&](const SideDepths& d) {
                                            // Depth below the rock top on this side.
                                            const double xr = d.D - sub.TOP + 1.0E-8;
                                            return ComputeWeakRockCurve(soil, xr);
                                        });

        WriteCurve(ctx, z[j], sides, {'E', 20, 3}, kSoilDataPoint2X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines);
                   });
    }
}

}  // namespace torvex::py
