#include "py_curves/sand.h"

#include <algorithm>
#include <cmath>

#include "py_curves/property_lookup.h"

namespace torvex::py {

SandResistance SandWedgeAndFlow(const AngleQuantities& q, double phi, double gamma, double b,
                                double x) {
    const double tanPhi = std::tan(phi), tanAlpha = std::tan(q.alpha);
    const double tanBeta = std::tan(q.beta), sinBeta = std::sin(q.beta);
    const double tanBetaPhi = std::tan(q.beta - phi);
    SandResistance r;
    r.pst = gamma * x *
            (q.K0 * x * tanPhi * sinBeta / (tanBetaPhi * std::cos(q.alpha)) +
             (b + x * tanBeta * tanAlpha) * tanBeta / tanBetaPhi +
             q.K0 * x * tanBeta * (tanPhi * sinBeta - tanAlpha) - q.Ka * b);
    r.psd = q.Ka * b * gamma * x * (std::pow(tanBeta, 8) - 1) +
            q.K0 * b * gamma * x * tanPhi * std::pow(tanBeta, 4);
    return r;
}

double ContinuousWallKp(double phi, double delta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1 - root) * (1 - root));
}

SandShape SandShapedCurve(double pu, double pm, double b, double ksx, double x) {
    SandShape s;
    s.ym = b / 60;
    s.yu = 3 * b / 80;
    s.m = (pu - pm) / (s.yu - s.ym);
    s.n = pm / (s.m * s.ym);
    s.C = pm / std::pow(s.ym, 1 / s.n);
    s.yk = x <= 0 ? 2 * b : std::pow(s.C / ksx, s.n / (s.n - 1));

    std::array<double, kCurvePoints>& y = s.points.y;
    y[0] = 0.0;
    for (int k = 2; k <= 13; ++k) y[k - 1] = (k - 1) * s.ym / 12;
    y[13] = s.yu;
    y[14] = s.yu + b;
    y[15] = s.yu + 2 * b;
    y[16] = s.yu + 3 * b;
    for (int k = 0; k < kCurvePoints; ++k) {
        double p;
        if (y[k] <= s.yk) {
            p = ksx * y[k];
        } else if (y[k] <= s.ym) {
            p = s.C * std::pow(y[k], 1 / s.n);
        } else if (y[k] <= s.yu) {
            p = pm + s.m * (y[k] - s.ym);
        } else {
            p = pu;
        }
        s.points.p[k] = std::min(p, ksx * y[k]);
    }
    return s;
}

double SandOffset(double SIGV0, double Ka, double b) {
    const double offset = SIGV0 * Ka * b;
    return offset < 1.0E-5 ? 0.0 : offset;
}

SandCurve ComputeSandCurve(const SandSoil& soil, const AngleQuantities& q, double x, double X0,
                           double D, bool continuousWall) {
    SandCurve curve;
    curve.resistance = SandWedgeAndFlow(q, soil.phi, soil.gamma, soil.b, x);
    curve.ps = std::min(curve.resistance.pst, curve.resistance.psd);
    if (continuousWall) {
        // Passive resistance with wall friction phi/2 over the full depth.
        curve.ps = ContinuousWallKp(soil.phi, soil.phi / 2) * soil.gamma * soil.b * X0;
    }
    curve.A = SandCoefficient(D, soil.b, SandTable::A);
    curve.B = SandCoefficient(D, soil.b, SandTable::B);
    curve.pu = curve.A * curve.ps;
    curve.pm = curve.B * curve.ps;
    curve.shape = SandShapedCurve(curve.pu, curve.pm, soil.b, x * soil.KPY, x);
    return curve;
}

namespace {

using Side = ModelSide<SandCurve>;

void WriteSide(PyContext& ctx, int side, const SandSoil& soil, const Side& s,
               const PointLines& lines, const PyContext::Multipliers& m) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    WriteSideTitle(report, side);
    report.blank(2);
    ctx.writeFixedLine("(11X, 'DEPTH BELOW GS', 2X, 'DIAM', 3X, 'PHI', 2X, 'GAMMA AVG', 4X, 'A', 4X, 'B', "
                "5X, 'PCT', 7X, 'PCD')");
    ctx.writeFixedLine("(17X, A, 9X, A, 9X, A)", {u.LEN2, u.LEN2, u.unitWeight()});
    report.edit("(10X, F10.2, 4X, F7.2, F7.2, E9.2, 2X, F5.2, F5.2, E9.2, E9.2)",
                {s.depths.D, soil.b, soil.phi * 180 / kPi4, soil.gamma, s.curve.A, s.curve.B,
                 s.curve.resistance.pst, s.curve.resistance.psd});
    report.blank();
    ctx.writeFixedLine("(38X, 'Y', 19X, 'P')");
    ctx.writeFixedLine("(38X, A, 15X, A)", {u.LEN2, u.forcePerLength()});
    WritePointLines(report, lines);
    WriteMultiplierLine(report, m.p, m.y);
}

}  // namespace

void SandCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ResistanceIntegral INTPU(ctx, L);

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        SandSoil soil;
        soil.b = ctx.b;
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        soil.phi = PhiAt(ctx.profile.strength, z[j]);
        soil.KPY = sub.KPY;
        if (!(soil.phi > 0)) {
            StopOnProperty(ctx, L, "FRICTION ANGLE", soil.phi * 180 / kPi4, z[j],
                           "A SAND NEEDS A FRICTION ANGLE ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        if (!(soil.gamma > 0)) {
            StopOnProperty(ctx, L, "GAMMA AVG", soil.gamma, z[j],
                           "A SAND WITHOUT EFFECTIVE WEIGHT HAS NO RESISTANCE: "
                           "ITS P-Y CURVE IS UNDEFINED.");
        }
        const AngleQuantities q = SandAngles(soil.phi, kPi4);
        if (j == sub.firstCurve && L > 0) {
            ctx.EQD[L] = SandEquivalentDepth(ctx.FPREV(L), q, soil.gamma, soil.b, z[j]);
        }
        const double offset = SandOffset(ctx.SIGV0, q.Ka, soil.b);
        const PyContext::Multipliers m = ctx.multipliersAt(z[j]);
        const auto sides = ComputeSides(ctx, L, z[j], m, offset, [&](const SideDepths& d) {
            const double x = ResistanceDepth(d, L, sub, ctx.EQD[L]);
            return ComputeSandCurve(soil, q, x, d.X0, d.D, ctx.continuousWall());
        });

        INTPU.add(j, sides[0].curve.pu);
        if (j == sub.lastCurve && j > sub.firstCurve) INTPU.addBelowLastCurve(j, sides[0].curve.pu);

        WriteCurve(ctx, z[j], sides, {'F', 20, 3}, kSoilDataPoint1X,
                   [&](int side, const Side& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s, lines, m);
                   });
    }
}

}  // namespace torvex::py
