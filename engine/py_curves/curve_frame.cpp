#include "py_curves/curve_frame.h"

#include <cmath>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/multipliers.h"

namespace torvex::py {

double PyContext::FPREV(int L) const {
    double sum = 0.0;
    for (int k = 0; k < L; ++k) sum += INTPU[k];
    return sum;
}

double PyContext::pMultiplier(double d) const { return PMultiplier(d, r, HFREE, *pymod); }

double PyContext::yMultiplier(double d) const { return YMultiplier(d, *pymod); }

PyContext::Multipliers PyContext::multipliersAt(double z) const {
    const double Dm = HFREE + z;
    return {pMultiplier(Dm), yMultiplier(Dm)};
}

void PyContext::writeFixedLine(std::string_view editList, std::initializer_list<io::EditArg> labels) {
    auto it = fixedLines_.find(editList);
    if (it == fixedLines_.end()) it = fixedLines_.emplace(editList, io::Edit(editList, labels)).first;
    report->line(it->second);
}

ResistanceIntegral::ResistanceIntegral(PyContext& ctx, int L)
    : INTPU_(ctx.INTPU[L]),
      z_(ctx.profile.curveDepth),
      first_(ctx.profile.sublayers[L].firstCurve),
      BOT_(ctx.profile.sublayers[L].BOT) {
    INTPU_ = 0.0;
}

void ResistanceIntegral::add(int j, double pu, double factor) {
    if (j > first_) INTPU_ += (pu + previous_) / 2 * factor * (z_[j] - z_[j - 1]);
    previous_ = pu;
}

void ResistanceIntegral::addBelowLastCurve(int j, double pu) { INTPU_ += (BOT_ - z_[j]) * pu; }

SideDepths DepthsOnSide(int side, double z, double HFREE) {
    SideDepths d;
    d.D = side == kExcavationSide ? z : HFREE + z;
    d.X0 = d.D;  // the first sublayer starts at the excavation level
    d.Dm = HFREE + z;
    return d;
}

double ResistanceDepth(const SideDepths& d, int L, const PySublayer& sub, double EQD) {
    if (L == 0) return d.X0;
    return d.D - sub.TOP + EQD;
}

CurvePoints FinalPoints(const CurvePoints& model, double pmult, double ymult, double offset,
                        int side) {
    CurvePoints out;
    for (int k = 0; k < kCurvePoints; ++k) {
        out.p[k] = side == kExcavationSide ? pmult * model.p[k] - offset
                                           : pmult * model.p[k] + offset;
        out.y[k] = ymult * model.y[k];
    }
    return out;
}

void WriteSideTitle(io::TextOut& report, int side) {
    report.blank(2);
    report.line(side == kExcavationSide ? "         AT THE EXCAVATION SIDE"
                                        : "         AT THE BACKFILL SIDE");
}

void WriteMultiplierLine(io::TextOut& report, double pmult, double ymult) {
    report.blank();
    report.edit("(21X, ' P-Multiplier = ', E10.3, ' Y-Multiplier = ', E10.3)", {pmult, ymult});
}

namespace {

std::string FormatField(double v, PointField f) {
    if (f.kind == 'F') return io::FormatF(v, f.w, f.d);
    return io::FormatE(v, f.w, f.d, -1, f.kind);
}

std::string Line(std::size_t capacity) {
    std::string line;
    line.reserve(capacity);
    return line;
}

}  // namespace

std::string PointLine(double y, double p, PointField field) {
    std::string line = Line(21 + 2 * static_cast<std::size_t>(field.w));
    line.append(21, ' ');
    line += FormatField(y, field);
    line += FormatField(p, field);
    return line;
}

CurvePointLines FormatPointLines(const CurvePoints& front, const CurvePoints& back,
                                 PointField field) {
    CurvePointLines lines;
    const std::size_t capacity = 21 + 2 * static_cast<std::size_t>(field.w);
    for (int k = 0; k < kCurvePoints; ++k) {
        const std::string y = FormatField(front.y[k], field);
        std::string& a = lines.front[k];
        a = Line(capacity);
        a.append(21, ' ');
        a += y;
        a += FormatField(front.p[k], field);
        std::string& b = lines.back[k];
        b = Line(capacity);
        b.append(21, ' ');
        b += back.y[k] == front.y[k] ? y : FormatField(back.y[k], field);
        b += FormatField(back.p[k], field);
    }
    return lines;
}

void WritePointLines(io::TextOut& report, const PointLines& lines) {
    for (const std::string& line : lines) report.line(line);
}

namespace {

std::string SoilDataLineWithY(int k, double p, const std::string& yText, SoilDataLayout layout) {
    std::string line = Line(32);
    line += io::FormatI(k, 5);
    line.append(layout.beforeP, ' ');
    line += io::FormatE(p, 10, 3);
    line.append(layout.beforeY, ' ');
    line += yText;
    return line;
}

}  // namespace

std::string SoilDataLine(int k, double p, double y, SoilDataLayout layout) {
    return SoilDataLineWithY(k, p, io::FormatE(y, 10, 3), layout);
}

void WriteSoilDataRecord(io::TextOut& soildata, double depth, const CurvePoints& front,
                         const CurvePoints& back, SoilDataLayout layout) {
    soildata.line(io::FreeLine({depth, 2 * kCurvePoints}));
    std::array<std::string, kCurvePoints> y;
    for (int k = 0; k < kCurvePoints; ++k) {
        y[k] = io::FormatE(front.y[k], 10, 3);
        soildata.line(SoilDataLineWithY(k + 1, front.p[k], y[k], layout));
    }
    for (int k = 0; k < kCurvePoints; ++k) {
        const std::string yText = back.y[k] == front.y[k] ? y[k] : io::FormatE(back.y[k], 10, 3);
        soildata.line(SoilDataLineWithY(k + 1, back.p[k], yText, layout));
    }
}

const char* SoilModelName(int KSOIL) {
    switch (KSOIL) {
        case 2: return "STIFF CLAY BELOW THE WATER TABLE";
        case 3: return "STIFF CLAY ABOVE THE WATER TABLE";
        case 4: return "SAND";
        case 5: return "SILT";
        case 6: return "ROCK";
        case 7: return "WEAK ROCK";
        default: return "SOFT CLAY";
    }
}

void StopOnProperty(const PyContext& ctx, int L, const std::string& property, double value,
                    double z, const std::string& reason) {
    const PySublayer& sub = ctx.profile.sublayers[L];
    std::vector<std::string> lines{
        "", "",
        io::Edit("(5X, 'ERROR -- LAYER', I3, ', ', A, ': ', A, ' =', E11.4, ' AT DEPTH', F10.2, A)",
                 {L + 1, SoilModelName(sub.KSOIL), property, value, ctx.HFREE + z,
                  ctx.labels->LEN3}),
        io::Edit("(14X, A)", {reason})};
    throw AnalysisStop(std::move(lines), "p-y curves of layer " + std::to_string(L + 1) + ": " +
                                             property + " " + reason);
}

void CheckCurveFinite(const PyContext& ctx, int L, double z, const CurvePoints& out) {
    for (int k = 0; k < kCurvePoints; ++k) {
        if (std::isfinite(out.p[k]) && std::isfinite(out.y[k])) continue;
        const PySublayer& sub = ctx.profile.sublayers[L];
        throw AnalysisStop(
            {"", "",
             io::Edit("(5X, 'ERROR -- LAYER', I3, ', ', A, ': THE SOIL DATA GIVE NO DEFINED "
                      "P-Y CURVE AT DEPTH', F10.2, A)",
                      {L + 1, SoilModelName(sub.KSOIL), ctx.HFREE + z, ctx.labels->LEN3}),
             "              PLEASE CHECK THE PROPERTIES OF THIS LAYER."},
            "p-y curves of layer " + std::to_string(L + 1) + ": undefined curve");
    }
}

}  // namespace torvex::py
