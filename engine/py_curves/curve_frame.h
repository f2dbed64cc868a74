// The frame every soil model runs its curves in: the state of one generation
// call, the depths of a curve on either side of the wall, the multipliers and
// active-pressure offset applied to the model's points, and the report and
// SOILDATA lines common to the models.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "io/text_out.h"
#include "py_curves/py_constants.h"
#include "py_curves/soil_profile.h"

namespace torvex::py {

// State of one call of the generator (one problem).
struct PyContext {
    int UNITS = 1;
    double HFREE = 0.0;
    double b = 0.0;      // WP, the wall width for soil resistance
    double r = 0.0;      // WA / WP
    double SIGV0 = 0.0;  // effective vertical stress at the excavation level
    SoilProfile profile;
    const std::vector<PyModRecord>* pymod = nullptr;
    // Per sublayer (0-based): integrated ultimate resistance on the
    // excavation side, and equivalent depth.
    std::vector<double> INTPU, EQD;
    const UnitLabels* labels = nullptr;
    io::TextOut* report = nullptr;
    io::TextOut* soildata = nullptr;

    bool continuousWall() const { return r < kContinuousWallRatio; }
    // Integrated resistance of every sublayer above L.
    double FPREV(int L) const;
    double pMultiplier(double d) const;
    double yMultiplier(double d) const;
    // Both multipliers of the curve at z below the excavation level, taken at
    // its depth below the top of the wall.
    struct Multipliers {
        double p = 1.0, y = 1.0;
    };
    Multipliers multipliersAt(double z) const;

    // Writes a report line that depends only on its edit list and the unit
    // labels (headings, unit lines): rendered at its first use in the call,
    // then reused for every curve.
    void writeFixedLine(std::string_view editList, std::initializer_list<io::EditArg> labels = {});

private:
    std::unordered_map<std::string_view, std::string> fixedLines_;
};

enum WallSide { kExcavationSide = 1, kBackfillSide = 2 };

// INTPU of sublayer L as a model accumulates it on the excavation side: the
// trapezoid rule on its ultimate resistance over the curve depths, from 0 at
// its first curve.
class ResistanceIntegral {
public:
    ResistanceIntegral(PyContext& ctx, int L);
    // The resistance pu at curve j, weighted by factor over the step from the
    // previous curve.
    void add(int j, double pu, double factor = 1.0);
    // Adds pu held from the last curve j down to the sublayer bottom.
    void addBelowLastCurve(int j, double pu);

private:
    double& INTPU_;
    const std::vector<double>& z_;
    int first_;
    double BOT_;
    double previous_ = 0.0;
};

// Depths of a curve at z below the excavation level on one side: D for the
// property and coefficient lookups and the report, X0 below that side's
// ground surface, Dm below the top of the wall for the multipliers.
struct SideDepths {
    double D = 0.0, X0 = 0.0, Dm = 0.0;
};
SideDepths DepthsOnSide(int side, double z, double HFREE);

// Depth entering the ultimate resistance: X0 in the first sublayer, below it
// the depth into the sublayer plus its equivalent depth.
double ResistanceDepth(const SideDepths& d, int L, const PySublayer& sub, double EQD);

struct CurvePoints {
    std::array<double, kCurvePoints> y{}, p{};
};

// The values that leave the model: p times the p-multiplier less the offset
// in front of the wall (plus it behind), y times the y-multiplier.
CurvePoints FinalPoints(const CurvePoints& model, double pmult, double ymult, double offset,
                        int side);

// A model's curve on one side of the wall: its depths, the model's own
// values and the points that leave the model.
template <typename Curve>
struct ModelSide {
    SideDepths depths;
    Curve curve;
    CurvePoints out;
};
template <typename Curve>
using ModelSides = std::array<ModelSide<Curve>, 2>;  // excavation side, backfill side

// The model's own 17 points of a curve, before multipliers and offset; a
// model whose curve keeps them elsewhere overloads it (sand, silt).
template <typename Curve>
const CurvePoints& CurvePointsOf(const Curve& curve) {
    return curve.points;
}

// Last line of defence: a curve with a value that is not finite ends the
// analysis instead of reaching the solver.
void CheckCurveFinite(const PyContext& ctx, int L, double z, const CurvePoints& out);

// Runs the model on the excavation side, then the backfill side, of the curve
// at z in sublayer L: compute(depths) returns the model's curve for that
// side, whose points then take the multipliers and the offset.  A curve that
// is not finite ends the analysis.
template <typename Compute>
auto ComputeSides(const PyContext& ctx, int L, double z, const PyContext::Multipliers& m,
                  double offset, Compute compute) {
    using Curve = decltype(compute(SideDepths{}));
    ModelSides<Curve> sides;
    for (int side = kExcavationSide; side <= kBackfillSide; ++side) {
        ModelSide<Curve>& s = sides[side - 1];
        s.depths = DepthsOnSide(side, z, ctx.HFREE);
        s.curve = compute(s.depths);
        s.out = FinalPoints(CurvePointsOf(s.curve), m.p, m.y, offset, side);
        CheckCurveFinite(ctx, L, z, s.out);
    }
    return sides;
}

// Report pieces shared by the models.
void WriteSideTitle(io::TextOut& report, int side);
void WriteMultiplierLine(io::TextOut& report, double pmult, double ymult);

// The number field of a report point line: Fw.d, Ew.d or Dw.d.
struct PointField {
    char kind = 'F';
    int w = 20, d = 3;
};
// One point line, 21 blanks then y and p in the field: the edit list
// (21X, 2Fw.d) and its E and D forms.  The curves write thousands of these
// per problem, so they are formatted field by field, and a deflection both
// sides share is formatted once.
std::string PointLine(double y, double p, PointField field);
using PointLines = std::array<std::string, kCurvePoints>;
struct CurvePointLines {
    PointLines front, back;
};
CurvePointLines FormatPointLines(const CurvePoints& front, const CurvePoints& back,
                                 PointField field);
void WritePointLines(io::TextOut& report, const PointLines& lines);

// SOILDATA: the record of one curve - its head (depth below the top of the
// wall, 34 points), then the 17 point lines of the excavation side and the
// 17 of the backfill side: index (I5), p and y (E10.3) after the given
// numbers of blanks, the edit list (I5, nX, E10.3, mX, E10.3).
struct SoilDataLayout {
    int beforeP = 1, beforeY = 1;
};
std::string SoilDataLine(int k, double p, double y, SoilDataLayout layout);
void WriteSoilDataRecord(io::TextOut& soildata, double depth, const CurvePoints& front,
                         const CurvePoints& back, SoilDataLayout layout);
inline constexpr SoilDataLayout kSoilDataPoint1X{1, 1};
inline constexpr SoilDataLayout kSoilDataPoint2X{2, 2};

// Writes one curve: the report section of each side, by writeSide(side,
// modelSide, pointLines), then its SOILDATA record at z below the excavation
// level.
template <typename Curve, typename WriteSide>
void WriteCurve(PyContext& ctx, double z, const ModelSides<Curve>& sides, PointField field,
                SoilDataLayout layout, WriteSide writeSide) {
    const CurvePointLines lines = FormatPointLines(sides[0].out, sides[1].out, field);
    writeSide(kExcavationSide, sides[0], lines.front);
    writeSide(kBackfillSide, sides[1], lines.back);
    WriteSoilDataRecord(*ctx.soildata, ctx.HFREE + z, sides[0].out, sides[1].out, layout);
}

// Model names for messages.
const char* SoilModelName(int KSOIL);

// Ends the analysis because a soil property makes the curve undefined.  The
// report line names the sublayer (as numbered in the report), its model, the
// property and its value, and the depth below the top of the wall.
[[noreturn]] void StopOnProperty(const PyContext& ctx, int L, const std::string& property,
                                 double value, double z, const std::string& reason);

}  // namespace torvex::py
