#include "core/input.h"

#include <cmath>

#include "core/analysis_stop.h"
#include "core/report_header.h"
#include "core/unit_labels.h"

namespace torvex {

int NEAREST(double value, const std::string& what) {
    const double r = std::round(value);  // halves away from zero
    if (!(r > -2.0e9 && r < 2.0e9)) StopInput(what + " IS TOO LARGE TO BECOME A STATION NUMBER");
    return static_cast<int>(r);
}

std::string ShownReal(double value) {
    const std::string text = io::FreeLine({value});
    return text.empty() ? text : text.substr(1);
}

void StopTooMuchData(const std::string& detail) {
    std::vector<std::string> lines = {"", "", "     TOO MUCH DATA FOR AVAILABLE STORAGE", "", ""};
    if (!detail.empty()) lines.push_back("     " + detail);
    throw AnalysisStop(std::move(lines));
}

void StopStationsNotInOrder(const std::string& detail) {
    std::vector<std::string> lines = {"", "", "     ERROR STOP -- STATIONS NOT IN ORDER"};
    if (!detail.empty()) lines.push_back("     " + detail);
    throw AnalysisStop(std::move(lines));
}

void StopInput(const std::string& text) { throw AnalysisStop({"", "", "     ERROR -- " + text}); }

namespace {

// A count read from the file; a negative one ends the analysis with its name.
int ReadCount(io::FreeReader& in, const char* record, const char* item) {
    const int n = in.readInt(item);
    if (n < 0)
        StopInput(std::string("THE COUNT ") + item + " OF RECORD " + record + " IS NEGATIVE (" +
                  std::to_string(n) + ")");
    return n;
}

void WriteControlLine(io::TextOut& out, const char* label, int value) {
    out.line("      " + PadRight(label, 51) + "= " + io::FormatI(value, 2));
}

}  // namespace

void ReadControl(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    in.beginRead("CONTROL");
    p.UNITS = in.readInt("UNITS");
    p.NRESTR = in.readInt("NRESTR");
    p.NSTIFF = in.readInt("NSTIFF");
    p.NPYMOD = in.readInt("NPYMOD");
    p.KOUTPT = in.readInt("KOUTPT");
    p.KPYOP = in.readInt("KPYOP");
    p.NPYSET = in.readInt("NPYSET");
    p.NSTAGE = in.readInt("NSTAGE");
    p.NMEI = in.readInt("NMEI");
    p.NTIE = in.readInt("NTIE");
    run.NSTAGE = p.NSTAGE;
    run.UNITS = p.UNITS;
}

void ReadWall(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    in.beginRead("WALL");
    p.NINC = in.readInt("NINC");
    p.INCLEN = in.readReal("INCLEN");
    p.XDEFMAX = in.readReal("XDEFMAX");
    p.TOL = in.readReal("TOL");
    p.HFREE = in.readReal("HFREE");
    p.WA = in.readReal("WA");
    if (p.NINC > kMaxIncrements)
        StopTooMuchData("NUMBER OF INCREMENTS " + std::to_string(p.NINC) + " EXCEEDS " +
                        std::to_string(kMaxIncrements));
    if (p.NINC < 1)
        StopInput("THE NUMBER OF INCREMENTS NINC OF RECORD WALL MUST BE AT LEAST 1 (READ " + std::to_string(p.NINC) + ")");
    if (!(p.INCLEN > 0.0))
        StopInput("THE INCREMENT LENGTH INCLEN OF RECORD WALL MUST BE GREATER THAN 0 (READ " + ShownReal(p.INCLEN) + ")");
    p.INCLEN2 = 2.0 * p.INCLEN;
    p.INCLENSQ = p.INCLEN * p.INCLEN;
    p.INCLENCU = p.INCLEN * p.INCLEN * p.INCLEN;

    io::TextOut& out = run.report;
    const UnitLabels& u = run.labels;
    out.blank();
    out.line("      " + PadRight("NUMBER OF INCREMENTS", 51) + "= " + io::FormatI(p.NINC, 3));
    out.line("      " + PadRight("INCREMENT LENGTH", 51) + "= " + io::FormatF(p.INCLEN, 7, 3) + u.LEN3);
    out.line("      " + PadRight("FREE HEIGHT OF WALL", 51) + "= " + io::FormatF(p.HFREE, 7, 3) + u.LEN3);
    out.blank();
    out.line("      " + PadRight("MAXIMUM ALLOWABLE DEFLECTION", 51) + "= " + io::FormatF(p.XDEFMAX, 7, 3) + u.LEN3);
    out.line("      " + PadRight("DEFLECTION CLOSURE TOLERANCE", 51) + "= " + io::FormatF(p.TOL, 7, 5) + u.LEN3);
}

void ReadRestraints(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    io::TextOut& out = run.report;
    if (p.NRESTR < 0) StopInput("THE COUNT NRESTR OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NRESTR) + ")");
    if (p.NRESTR == 0) {
        out.blank();
        out.line(std::string(20, ' '));
        return;
    }
    WriteBanner(out, "SPECIFIED DEFLECTIONS AND SLOPES");
    out.blank();
    out.line("     STA      CASE       DEFLECTION        SLOPE");
    out.blank();
    if (p.NRESTR > kMaxRestraints)
        StopTooMuchData("SPECIFIED DEFLECTIONS AND SLOPES: " + std::to_string(p.NRESTR) + " POINTS, AT MOST " +
                        std::to_string(kMaxRestraints));
    int previous = -1;
    for (int k = 0; k < p.NRESTR; ++k) {
        in.beginRead("RESTRAINT");
        const int KCASE = in.readInt("KCASE");
        const int NODE = in.readInt("NODE");
        const double defl = in.readReal("DEFL");
        const double slope = in.readReal("SLOPE");
        if (NODE < previous) StopStationsNotInOrder();
        previous = NODE;
        // The solution writes equations for stations -1 to NINC+1 only.
        if (NODE > p.NINC + 1)
            StopInput("RESTRAINT RECORD " + std::to_string(k + 1) + ": STATION " + std::to_string(NODE) +
                      " LIES BEYOND THE WALL (LAST STATION " + std::to_string(p.NINC) + ")");
        // A slope ties the deflections of the stations on both sides of it
        // together; at station -1 or NINC+1 one of them has no equation, and
        // the solution would divide by zero or pin the wrong station.
        if (KCASE >= 2 && (NODE < 0 || NODE > p.NINC))
            StopInput("RESTRAINT RECORD " + std::to_string(k + 1) + ": A SLOPE CAN BE SPECIFIED AT STATIONS 0 TO " +
                      std::to_string(p.NINC) + " ONLY (READ STATION " + std::to_string(NODE) + ")");
        p.DEFL.push_back(defl);
        p.SLOPE.push_back(slope);
        // A given value stays in its column of the full row (deflection in
        // columns 31-40, slope in 46-55); "NONE" stands in for the other.
        if (KCASE <= 1) {
            p.KASE[NODE] = 2;
            out.edit("(10X, I3, 7X, I2, 8X, E10.3, 9X, 'NONE')", {NODE, KCASE, defl});
        } else if (KCASE == 2) {
            p.KASE[NODE - 1] = 3;
            p.KASE[NODE + 1] = 5;
            out.edit("(10X, I3, 7X, I2, 11X, 'NONE', 8X, E10.3)", {NODE, KCASE, slope});
        } else {
            p.KASE[NODE - 1] = 3;
            p.KASE[NODE] = 4;
            p.KASE[NODE + 1] = 5;
            out.edit("(10X, I3, 7X, I2, 3X, 2(5X, E10.3))", {NODE, KCASE, defl, slope});
        }
    }
}

void ReadPyModifiers(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    if (p.NPYMOD < 0) StopInput("THE COUNT NPYMOD OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NPYMOD) + ")");
    for (int k = 0; k < p.NPYMOD; ++k) {
        in.beginRead("PYMOD");
        PyModRecord r;
        r.depth = in.readReal("DEPTH");
        r.pmult = in.readReal("PMULT");
        r.ymult = in.readReal("YMULT");
        p.pymod.push_back(r);
    }
}

void CheckEndOfWall(const RunContext& run) {
    const Problem& p = run.problem;
    const int n1 = p.NINC + 1, n2 = p.NINC + 2;
    const double sum = p.EI[n1] + p.EI[n2] + p.Q[n1] + p.S[n1] + p.T[n1] + p.T[n2] + p.R[n1] + p.R[n2] +
                       p.P[n1] + p.P[n2];
    if (sum != 0.0) throw AnalysisStop({"", "", "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"});
}

void ReadMeiCurves(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    if (p.NMEI < 0) StopInput("THE COUNT NMEI OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NMEI) + ")");
    if (p.NMEI > kMaxMeiRecords)
        StopTooMuchData("MOMENT-EI RECORDS: " + std::to_string(p.NMEI) + ", AT MOST " + std::to_string(kMaxMeiRecords));
    for (int k = 0; k < p.NMEI; ++k) {
        MeiCurve c;
        in.beginRead("MEISET");
        c.MFROM = in.readInt("NODE1");
        c.MTO = in.readInt("NODE2");
        c.NMP = ReadCount(in, "MEISET", "NPTS");
        if (c.NMP > kMaxMeiPoints)
            StopTooMuchData("MOMENT-EI RECORD " + std::to_string(k + 1) + ": " + std::to_string(c.NMP) +
                            " POINTS, AT MOST " + std::to_string(kMaxMeiPoints));
        if (c.NMP < 2)
            StopInput("MOMENT-EI RECORD " + std::to_string(k + 1) + " NEEDS AT LEAST 2 POINTS (READ " +
                      std::to_string(c.NMP) + ")");
        // The rigidity update reads the deflections on both sides of a station.
        if (c.MFROM < -2 || c.MTO > p.NINC + 2)
            StopInput("MOMENT-EI RECORD " + std::to_string(k + 1) + " COVERS STATIONS " + std::to_string(c.MFROM) +
                      " TO " + std::to_string(c.MTO) + " OUTSIDE THE WALL");
        for (int m = 0; m < c.NMP; ++m) {
            in.beginRead("MEIPT");
            c.MC[static_cast<std::size_t>(m)] = in.readReal("MOMENT");
            c.EIC[static_cast<std::size_t>(m)] = in.readReal("EI");
        }
        p.mei.push_back(c);
    }
}

void ReadProblemInput(RunContext& run) {
    Problem& p = run.problem;
    int code = run.unitLabelCode;
    if (p.UNITS == 1) code = 1;
    if (p.UNITS == 2) code = -1;
    SetUnitLabels(run.labels, code);
    run.unitLabelCode = code;

    io::TextOut& out = run.report;
    WriteBanner(out, "PROGRAM CONTROL PARAMETERS");
    out.blank();
    WriteControlLine(out, "NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES", p.NRESTR);
    WriteControlLine(out, "NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA", p.NSTIFF);
    WriteControlLine(out, "GENERATE EARTH PRESSURE INTERNALLY", p.KOUTPT >= 2 ? 1 : 0);
    WriteControlLine(out, "GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY", p.KPYOP == 2 ? 1 : 0);
    WriteControlLine(out, "NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES", p.NPYMOD);
    WriteControlLine(out, "NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES", p.NPYSET);

    ReadWall(run);
    ReadRestraints(run);
    if (ReadStiffnessAndLoads(run)) {
        ReadPyModifiers(run);
        ReadEarthPressure(run);
        CheckEndOfWall(run);
    } else {
        // Without stiffness records the file holds no records up to the soil
        // layers; the plot file still gets its (empty) earth-pressure block so
        // that it stays readable.
        run.plot.line(io::FreeLine({0}));
    }
    ReadPyCurves(run);
    ReadMeiCurves(run);
    p.W.fill(0.0);
}

}  // namespace torvex
