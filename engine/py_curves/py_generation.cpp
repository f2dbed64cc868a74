#include "py_curves/py_generation.h"

#include <algorithm>
#include <iostream>
#include <string>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/curve_frame.h"
#include "py_curves/py_models.h"
#include "py_curves/soil_profile.h"

namespace torvex {

namespace {

using py::PyContext;

// An integer field just wide enough: the given width, or more for a count
// that would not fit in it.
std::string CountField(int value, int width) {
    const int digits = static_cast<int>(std::to_string(value).size());
    return io::FormatI(value, std::max(width, digits));
}

const char* SoilText(int KSOIL) {
    switch (KSOIL) {
        case 1: return "THE SOIL IS A SOFT CLAY";
        case 2: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
        case 3: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
        case 4: return "THE SOIL IS A SAND";
        case 5: return "THE SOIL IS A SILT";
        case 6: return "THE LAYER IS ROCK";
        case 7: return "THE LAYER IS WEAK ROCK";
        default: return nullptr;
    }
}

void WriteProfileEcho(const PyContext& ctx) {
    io::TextOut& report = *ctx.report;
    const UnitLabels& u = *ctx.labels;
    const py::SoilProfile& profile = ctx.profile;
    const std::string stars = "      " + std::string(50, '*');

    report.blank(2);
    report.line(stars);
    report.line("      *        SOIL LAYERS AND STRENGTH DATA           *");
    report.line(stars);
    report.blank();

    const double surface = profile.sublayers.empty() ? 0.0 : profile.sublayers[0].TOP;
    report.blank();
    report.edit("(9X, 'X AT THE SURFACE OF EXCAVATION SIDE     = ', F10.2, A)",
                {ctx.HFREE + surface, u.LEN3});
    report.blank();
    const int n = static_cast<int>(profile.sublayers.size());
    report.line("         " + CountField(n, 1) + " LAYER(S) OF SOIL");
    for (int i = 0; i < n; ++i) {
        report.blank();
        report.edit("(9X, 'LAYER', I3)", {i + 1});
        if (const char* text = SoilText(profile.sublayers[i].KSOIL)) report.line(std::string(9, ' ') + text);
    }

    report.blank(2);
    report.edit("(9X, 'DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH')");
    report.line(std::string(27, ' ') + CountField(profile.unitWeightPointsOfLayers, 2) + " POINTS");
    report.blank();
    report.edit("(21X, 'X,', A, 3X, 'WEIGHT,', A)", {u.LEN2, u.unitWeight()});
    for (const py::UnitWeightPoint& p : profile.unitWeight) {
        report.edit("(10X, F15.4, D15.4)", {ctx.HFREE + p.X, p.G});
    }

    report.blank(2);
    report.edit("(9X, 'DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH')");
    report.line(std::string(27, ' ') + CountField(static_cast<int>(profile.strength.size()), 2) +
                " POINTS");
    report.blank();
    report.edit("(21X, 'X,', A, 5X, 'S,', A, 6X, 'PHI,DEGREES', 6X, 'E50')",
                {u.LEN2, u.stress()});
    for (const py::StrengthPoint& p : profile.strength) {
        const double phiDegrees = p.PHI * 180 / py::kPi4;
        if (p.E50 <= 1.0E-6) {
            report.edit("(10X, F15.2, 2X, D13.4, 2X, F13.3, 7X, '-----')",
                        {ctx.HFREE + p.X, p.C, phiDegrees});
        } else {
            report.edit("(10X, F15.2, 2X, D13.4, 2X, F13.3, D15.4)",
                        {ctx.HFREE + p.X, p.C, phiDegrees, p.E50});
        }
    }

    if (!ctx.pymod->empty()) {
        report.blank();
        report.edit("(9X, 'REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS')");
        report.line(std::string(7 + 33, ' '));
        report.edit("(7X, '      DEPTH     P-FACTOR     Y-FACTOR        ')");
        report.blank();
        for (const PyModRecord& row : *ctx.pymod) {
            report.edit("(12X, F7.2, 4X, F6.2, 6X, F6.2)", {row.depth, row.pmult, row.ymult});
        }
    }

    report.blank(2);
    report.edit("(8X, 'P-Y CURVES DATA')");
    report.blank();
}

void WriteSoilDataHead(io::TextOut& soildata, const std::vector<UserPyCurve>& user,
                       int generated) {
    soildata.line(io::FreeLine({static_cast<int>(user.size()) + generated}));
    for (const UserPyCurve& c : user) {
        const int npts = static_cast<int>(std::min(c.y.size(), c.p.size()));
        soildata.line(io::FreeLine({c.NODE, npts}));
        for (int i = 0; i < npts; ++i) soildata.line(io::FreeLine({i + 1, c.p[i], c.y[i]}));
    }
}

[[noreturn]] void StopOnWallWidth(double WP, const UnitLabels& u) {
    throw AnalysisStop(
        {"", "",
         io::Edit("(5X, 'ERROR -- THE WALL WIDTH FOR SOIL RESISTANCE WP =', E11.4, A)", {WP, u.LEN3}),
         "              MUST BE ABOVE 0 TO GENERATE P-Y CURVES."},
        "the wall width for p-y curves must be above 0");
}

// Runs the soil model of every sublayer that holds curves, in depth order.
void DispatchCurveGeneration(PyContext& ctx) {
    for (int L = 0; L < static_cast<int>(ctx.profile.sublayers.size()); ++L) {
        const py::PySublayer& sub = ctx.profile.sublayers[L];
        if (!sub.hasCurves()) continue;
        py::GenerateSublayerCurves(ctx, L, sub.KSOIL);
    }
}

// Closes SOILDATA on every way out when this call opened it.
class OwnedFile {
public:
    explicit OwnedFile(io::TextOut& file) : file_(file) {}
    ~OwnedFile() {
        if (owned_) file_.close();
    }
    void own() { owned_ = true; }

private:
    io::TextOut& file_;
    bool owned_ = false;
};

}  // namespace

double GeneratePyCurves(const PyGenerationInput& in, UnitLabels& labels, io::TextOut& report,
                        io::TextOut& soildata) {
    static const std::vector<PyModRecord> kNoRows;
    static const std::vector<UserPyCurve> kNoCurves;
    static const SoilRecords kNoSoil;
    const SoilRecords& soil = in.soil != nullptr ? *in.soil : kNoSoil;
    const std::vector<UserPyCurve>& user = in.userCurves != nullptr ? *in.userCurves : kNoCurves;

    OwnedFile soildataGuard(soildata);
    if (!soildata.isOpen()) {
        if (!soildata.open("SOILDATA")) {
            throw AnalysisStop({"", "", "     ERROR -- THE SCRATCH FILE SOILDATA CANNOT BE WRITTEN"},
                               "cannot write the scratch file SOILDATA");
        }
        soildataGuard.own();
    }
    std::ostream& console = in.console != nullptr ? *in.console : std::cerr;
    console << " READ SOIL DATA....\n";
    SetUnitLabels(labels, in.UNITS == 2 ? -1 : 1);

    PyContext ctx;
    ctx.UNITS = in.UNITS;
    ctx.HFREE = soil.HFREE;
    ctx.b = soil.WP;
    ctx.SIGV0 = in.SIGV0;
    ctx.pymod = in.pymod != nullptr ? in.pymod : &kNoRows;
    ctx.labels = &labels;
    ctx.report = &report;
    ctx.soildata = &soildata;

    py::ProfileInput profileInput;
    profileInput.UNITS = in.UNITS;
    profileInput.NINC = in.NINC;
    profileInput.INCLEN = in.INCLEN;
    profileInput.HFREE = soil.HFREE;
    profileInput.DWB = soil.DWB;
    profileInput.layers = &soil.layers;
    ctx.profile = py::BuildSoilProfile(profileInput);

    WriteProfileEcho(ctx);
    const int n = static_cast<int>(ctx.profile.sublayers.size());
    if (n > 0 && !(soil.WP > 0)) StopOnWallWidth(soil.WP, labels);

    WriteSoilDataHead(soildata, user, static_cast<int>(ctx.profile.curveDepth.size()));
    ctx.r = n > 0 ? soil.WA / soil.WP : 0.0;
    ctx.INTPU.assign(n, 0.0);
    ctx.EQD.assign(n, 0.0);
    DispatchCurveGeneration(ctx);
    return soil.HFREE;
}

}  // namespace torvex
