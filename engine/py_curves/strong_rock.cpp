#include "py_curves/strong_rock.h"

#include "py_curves/property_lookup.h"

namespace torvex::py {

StrongRockCurve ComputeStrongRockCurve(const StrongRockSoil& soil, double X0, double f) {
    StrongRockCurve curve;
    const double su = soil.su, b = soil.b;
    curve.Kir = 2000 * su;
    curve.y1 = 0.0004 * b;
    curve.p1 = curve.Kir * curve.y1;
    curve.pur = su * b;
    curve.y2 = curve.y1 + (curve.pur - curve.p1) / (100 * su);
    for (int k = 0; k < kCurvePoints; ++k) {
        // Point 16 lies exactly at y2 (15 y2 / 15 may round below it and
        // would miss the drop to the residual).
        const double y = k == 15 ? curve.y2 : k * curve.y2 / 15;
        double p;
        if (y < curve.y1) {
            p = f * curve.Kir * y;
        } else if (y < curve.y2) {
            p = f * (curve.p1 + 100 * su * (y - curve.y1));
        } else {
            p = 0.5 * soil.gamma * b * X0;  // residual of the broken rock
        }
        curve.points.y[k] = y;
        curve.points.p[k] = p;
    }
    return curve;
}

namespace {

void WriteSide(PyContext& ctx, int side, const StrongRockSoil& soil, double X0,
               const PointLines& lines) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    report.blank(2);
    ctx.writeFixedLine(side == kExcavationSide
                    ? "(17X, 'DEPTH-EXCAVATION SIDE', 5X, 'DIAM', 8X, 'C', 7X)"
                    : "(17X, 'DEPTH-BACKFILL SIDE  ', 5X, 'DIAM', 8X, 'C', 7X)");
    ctx.writeFixedLine("(30X, A, 12X, A, 5X, A, 1X)", {u.LEN2, u.LEN2, u.stress()});
    report.edit("(24X, F10.2, 5X, F10.3, E10.1)", {X0, soil.b, soil.su});
    ctx.writeFixedLine("(38X, 'Y', 19X, 'P')");
    ctx.writeFixedLine("(38X, A, 15X, A)", {u.LEN2, u.forcePerLength()});
    WritePointLines(report, lines);
}

}  // namespace

void StrongRockCurves(PyContext& ctx, int L) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    const std::vector<double>& z = ctx.profile.curveDepth;
    ctx.INTPU[L] = 0.0;  // rock adds nothing to the resistance above deeper layers

    for (int j = sub.firstCurve; j <= sub.lastCurve; ++j) {
        StrongRockSoil soil;
        soil.b = ctx.b;
        soil.su = 0.5 * StrengthAt(ctx.profile.strength, z[j]);
        soil.gamma = AverageUnitWeight(ctx.profile.unitWeight, z[j]);
        if (!(soil.su > 0)) {
            StopOnProperty(ctx, L, "QU", 2 * soil.su, z[j],
                           "ROCK NEEDS A COMPRESSIVE STRENGTH ABOVE 0: ITS P-Y CURVE IS UNDEFINED.");
        }
        const PyContext::Multipliers m = ctx.multipliersAt(z[j]);

        // Properties at z on both sides; the residual grows with the depth
        // below each side's surface.  The p-multiplier scales the two lines
        // inside the model and leaves the residual alone; no offset in rock.
        const auto sides = ComputeSides(ctx, L, z[j], {1.0, m.y}, 0.0, [&](const SideDepths& d) {
            return ComputeStrongRockCurve(soil, d.X0, m.p);
        });

        WriteCurve(ctx, z[j], sides, {'D', 20, 3}, SoilDataLayout{1, 0},
                   [&](int side, const ModelSide<StrongRockCurve>& s, const PointLines& lines) {
                       WriteSide(ctx, side, soil, s.depths.X0, lines);
                   });
    }
}

}  // namespace torvex::py
