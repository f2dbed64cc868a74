#include "py_curves/silt.h"

#include <algorithm>
#include <cmath>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/property_lookup.h"

namespace torvex::py {

namespace {

// pi as this model takes it.
const double kPiSilt = 4 * std::atan(1.0);
// Wall friction of a continuous wall in silt: 10 degrees.
constexpr double kWallFriction = 0.17453;

}  // namespace

double SiltOffset(double SIGV0, double Ka, double c, double b) {
    const double offset = SIGV0 * Ka * b - 2 * c * std::sqrt(Ka) * b;
    return offset < 1.0E-5 ? 0.0 : offset;
}

SiltCurve ComputeSiltCurve(const SiltSoil& soil, const AngleQuantities& q, double x, double X0,
                           bool continuousWall) {
    SiltCurve curve;
    const double b = soil.b, c = soil.c, gamma = soil.gamma;
    curve.resistance = SandWedgeAndFlow(q, soil.phi, gamma, b, x);
    curve.psand = std::min(curve.resistance.pst, curve.resistance.psd);
    if (continuousWall) curve.psand = ContinuousWallKp(soil.phi, kWallFriction) * gamma * b * X0;

    // Without cohesion the bearing factor takes its limit and adds nothing.
    curve.Np = c > 0 ? std::min(3 + gamma * x / c + 0.5 * x / b, 9.0) : 9.0;
    curve.pc = c * curve.Np * b;
    if (continuousWall) curve.pc = gamma * X0 * b + 2 * c * b;

    curve.A = SandCoefficient(x, b, SandTable::A);
    curve.B = SandCoefficient(x, b, SandTable::B);
    curve.pu = curve.A * curve.psand + curve.pc;
    curve.pm = curve.B * curve.psand + curve.pc;
    curve.shape = SandShapedCurve(curve.pu, curve.pm, b, x * soil.KPY, x);
    return curve;
}

namespace {

[[noreturn]] void StopOnFriction(const PyContext& ctx, int L, double phiDegrees, double z) {
    std::string console = "\n\n";
    console += "       WARNING-------The Angle of the slope can not\n";
    console += "                     be greater than the internal  \n";
    console += "                     friction angle of the sand.   \n";
    console += "\n";
    throw AnalysisStop(
        {"", "", io::Edit("(5X, 'ERROR -- LAYER', I3, ', SILT: THE FRICTION ANGLE IS', F7.2, "
                  "' DEGREES AT DEPTH', F10.2, A, '; A SILT NEEDS A FRICTION ANGLE ABOVE 0')",
                  {L + 1, phiDegrees, ctx.HFREE + z, ctx.labels->LEN3})},
        console);
}

using Side = ModelSide<SiltCurve>;

void WriteSide(PyContext& ctx, int side, const SiltSoil& soil, const Side& s,
               const PointLines& lines, const PyContext::Multipliers& m) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank(2);
    // The last title is Pu followed by the Greek phi (UTF-8).
    ctx.writeFixedLine("(5X, 'DEPTH', 6X, 'DIAM', 6X, 'PHI', 2X, 'GAMMA AVG', 8X, 'A', 9X, 'B', 5X, "
                "'Puc', 7X, A)",
                {std::string("Pu\u03c6")});
    ctx.writeFixedLine("(7X, A, 8X, A, 12X, A)", {u.LEN2, u.LEN2, u.unitWeight()});
    report.edit("(F10.2, F10.2, F10.1, E10.3, F10.2, F10.2, E10.3, E10.3)",
                {s.depths.D, soil.b, soil.phi * 180 / kPiSilt, soil.gamma, s.curve.A, s.curve.B,
                 s.curve.pc, s.curve.psand});
    report.blank();
    ctx.writeFixedLine("(37X, 'Y', 19X, 'P')");
    ctx.writeFixedLine("(37X, A, 16X, A)", {u.LEN2, u.forcePerLength()});
    WritePointLines(report, lines);
    WriteMultiplierLine(report, m.p, m.y);
}

}  // namespace

void SiltCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ResistanceIntegral INTPU(ctx, L);

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        SiltSoil soil;
        soil.b = ctx.b;
        soil.c = StrengthAt(ctx.profile.strength, z[j]);
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.phi = PhiAt(ctx.profile.strength, z[j]);
        soil.KPY = sub.KPY;
        const double cos = std::cos(soil.phi);
        if (1 - cos * cos < 1.0E-10) StopOnFriction(ctx, L, soil.phi * 180 / kPiSilt, z[j]);
        if (!(soil.gamma > 0)) {
            StopOnProperty(ctx, L, "GAMMA AVG", soil.gamma, z[j],
                           "A SILT WITHOUT EFFECTIVE WEIGHT GIVES NO DEFINED P-Y CURVE.");
        }
        const AngleQuantities q = SandAngles(soil.phi, kPiSilt);
        if (j == sub.firstCurve) {
            ctx.EQD[L] = SiltEquivalentDepth(ctx.FPREV(L), q, soil.c, soil.gamma, soil.b, z[j]);
        }
        const double offset = SiltOffset(ctx.SIGV0, q.Ka, soil.c, soil.b);
        const PyContext::Multipliers m = ctx.multipliersAt(z[j]);
        const auto sides = ComputeSides(ctx, L, z[j], m, offset, [&](const SideDepths& d) {
            // The equivalent depth applies in every sublayer, 0 in the first.
            const double x = d.D - sub.TOP + ctx.EQD[L];
            return ComputeSiltCurve(soil, q, x, d.X0, ctx.continuousWall());
        });

        INTPU.add(j, sides[0].curve.pu);
        if (j == sub.lastCurve && j > sub.firstCurve) INTPU.addBelowLastCurve(j, sides[0].curve.pu);

        WriteCurve(ctx, z[j], sides, {'E', 20, 3}, kSoilDataPoint2X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines, m);
                   });
    }
}

}  // namespace torvex::py
