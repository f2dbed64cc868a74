// p-y curves of a problem: the user's curves, the generated ones read back
// from "SOILDATA", their echo and the p-y block of the plot file.
#include "core/analysis_stop.h"
#include "core/input.h"
#include "py_curves/py_generation.h"
#include "core/report_header.h"

namespace torvex {

namespace {

constexpr int kGeneratedPoints = 33;  // the two-sided curve built from 2 x 17 points
constexpr int kSoilDataPoints = 34;   // lines per generated curve in SOILDATA

struct UserCurveEcho {
    double PMULT = 1.0, YMULT = 1.0;
    int NODE = 0;
    std::vector<double> y, p;  // as read, before multipliers
};

void CheckCurveCount(std::size_t count) {
    if (count > static_cast<std::size_t>(kMaxCurves))
        StopTooMuchData("P-Y CURVES: " + std::to_string(count) + ", AT MOST " + std::to_string(kMaxCurves));
}

void EchoUserCurve(RunContext& run, const UserCurveEcho& c, int KCONT, int kind, bool generatedToo) {
    io::TextOut& out = run.report;
    const UnitLabels& u = run.labels;
    const int n = static_cast<int>(c.y.size());
    out.line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
    out.blank();
    if (generatedToo || kind >= 3) {
        out.edit("(9X, I4, I3, 5X, 2E14.3, 10X, I3)", {c.NODE, KCONT, c.PMULT, c.YMULT, n});
    } else if (kind == 1) {
        out.edit("(5X, 2I4, I3, 5X, 2E14.3, 8X, I4)", {c.NODE, c.NODE, KCONT, c.PMULT, c.YMULT, n});
    } else {
        out.edit("(5X, I4, 4X, I3, 5X, 2E14.3, 10X, I3)", {c.NODE, KCONT, c.PMULT, c.YMULT, n});
    }
    out.blank(2);
    out.edit("(18X, A, 12X, A)", {"    Y    ", "   P    "});
    out.edit("(20X, A3, 16X, A4, A1, A2)", {u.LEN3, u.FORCE4, UnitLabels::SLASH, u.LEN2});
    out.edit("(18X, A, 12X, A)", {"---------", "--------"});
    for (int m = 0; m < n; ++m) {
        const auto i = static_cast<std::size_t>(m);
        out.edit("(17X, E10.3, 10X, E10.3)", {c.YMULT * c.y[i], c.PMULT * c.p[i]});
    }
}

void PlotUserCurve(RunContext& run, const UserCurveEcho& c) {
    run.plot.line(io::FreeLine({c.NODE, static_cast<int>(c.y.size())}));
    for (std::size_t m = 0; m < c.y.size(); ++m) run.plot.line(io::FreeLine({c.YMULT * c.y[m], c.PMULT * c.p[m]}));
}

// PYSET and PYPT of every user curve into the store.  Returns them as read
// for the plot file.
std::vector<UserCurveEcho> ReadUserCurves(RunContext& run, bool generatedToo) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    WriteBanner(run.report, "INPUTTED  SOIL RESISTANCE (P-Y) CURVES");
    CheckCurveCount(static_cast<std::size_t>(p.NPYSET));
    std::vector<UserCurveEcho> curves;
    int previousKCONT = 0;
    for (int k = 0; k < p.NPYSET; ++k) {
        UserCurveEcho c;
        in.beginRead("PYSET");
        c.NODE = in.readInt("NODE");
        const int npts = in.readInt("NPTS");
        p.PMULT = in.readReal("PMULT");
        p.YMULT = in.readReal("YMULT");
        c.PMULT = p.PMULT;
        c.YMULT = p.YMULT;
        const std::string which = "P-Y CURVE " + std::to_string(k + 1);
        if (npts < 0) StopInput("THE POINT COUNT OF " + which + " IS NEGATIVE (" + std::to_string(npts) + ")");
        if (npts < 2) StopInput(which + " NEEDS AT LEAST 2 POINTS (READ " + std::to_string(npts) + ")");
        if (npts > kMaxCurvePoints)
            StopTooMuchData(which + ": " + std::to_string(npts) + " POINTS, AT MOST " + std::to_string(kMaxCurvePoints));
        if (c.NODE < -3 || c.NODE > kStationSlots - kStationOffset)
            StopInput(which + " IS AT STATION " + std::to_string(c.NODE) + " OUTSIDE THE WALL");
        for (int m = 0; m < npts; ++m) {
            in.beginRead("PYPT");
            c.y.push_back(in.readReal("Y"));
            c.p.push_back(in.readReal("P"));
        }
        PyCurve store;
        store.KFROM = store.KTO = c.NODE + kStationOffset;
        store.KCONT = generatedToo ? 0 : (c.NODE * p.INCLEN >= p.HFREE ? 1 : 0);
        store.NPTS = npts;
        for (int m = 0; m < npts; ++m) {
            const auto i = static_cast<std::size_t>(m);
            store.YC[i] = c.y[i] * p.YMULT;
            store.PC[i] = c.p[i] * p.PMULT * p.INCLEN;
        }
        const int kind = 2 * previousKCONT + store.KCONT + 1;
        previousKCONT = store.KCONT;
        EchoUserCurve(run, c, store.KCONT, kind, generatedToo);
        p.curves.push_back(store);
        curves.push_back(std::move(c));
    }
    return curves;
}

// Reads "SOILDATA" back: the count, the user curves repeated (read past),
// then per generated curve a depth and 34 points, mirrored into one
// two-sided curve of 33 points.
void ReadSoilData(RunContext& run, const std::vector<UserCurveEcho>& user) {
    Problem& p = run.problem;
    io::FreeReader in;
    if (!in.open("SOILDATA")) StopInput("THE SCRATCH FILE SOILDATA OF THE P-Y CURVES CANNOT BE READ");
    in.beginRead("SOILDATA count");
    const int count = in.readInt("NCURV");
    if (count < 0) StopInput("THE CURVE COUNT OF SOILDATA IS NEGATIVE (" + std::to_string(count) + ")");
    CheckCurveCount(static_cast<std::size_t>(count));
    const int userCount = static_cast<int>(user.size());
    if (count < userCount) StopInput("SOILDATA HOLDS FEWER CURVES THAN THE USER CURVES");
    run.plot.line(io::FreeLine({p.UNITS, count}));

    for (int k = 0; k < userCount; ++k) {
        in.beginRead("SOILDATA user curve");
        in.readInt("NODE");
        const int npts = in.readInt("NPTS");
        if (npts < 0 || npts > kMaxCurvePoints) StopInput("SOILDATA HOLDS A USER CURVE OF " + std::to_string(npts) + " POINTS");
        for (int m = 0; m < npts; ++m) {
            in.beginRead("SOILDATA user point");
            in.readInt("index");
            in.readReal("P");
            in.readReal("Y");
        }
        PlotUserCurve(run, user[static_cast<std::size_t>(k)]);
    }

    for (int k = userCount; k < count; ++k) {
        in.beginRead("SOILDATA curve");
        const double depth = in.readReal("DEPTH");
        in.readInt("NPTS");  // always 34 lines follow; the curve has 33 points
        double y[kSoilDataPoints + 1] = {};
        double pp[kSoilDataPoints + 1] = {};
        for (int i = 1; i <= kSoilDataPoints; ++i) {
            in.beginRead("SOILDATA point");
            in.readInt("index");
            pp[i] = in.readReal("P");
            y[i] = in.readReal("Y");
        }
        const std::string which = "THE GENERATED P-Y CURVE AT DEPTH " + ShownReal(depth);
        const int station = NEAREST(depth / p.INCLEN, which);
        if (station < -3 || station > kStationSlots - kStationOffset) StopInput(which + " LIES OUTSIDE THE WALL");
        PyCurve c;
        c.KFROM = c.KTO = station + kStationOffset;
        c.KCONT = 1;
        c.NPTS = kGeneratedPoints;
        for (int m = 1; m <= 17; ++m) {
            c.YC[static_cast<std::size_t>(m - 1)] = -y[35 - m];
            c.PC[static_cast<std::size_t>(m - 1)] = pp[35 - m];
        }
        for (int m = 18; m <= 33; ++m) {
            c.YC[static_cast<std::size_t>(m - 1)] = y[m - 16];
            c.PC[static_cast<std::size_t>(m - 1)] = -pp[m - 16];
        }
        if (userCount == 0) {
            run.plot.edit("(1X, F10.2, 1X, I5)", {depth, kGeneratedPoints});
        } else {
            run.plot.line(io::FreeLine({station, kGeneratedPoints}));
        }
        for (int m = 0; m < kGeneratedPoints; ++m) {
            const auto i = static_cast<std::size_t>(m);
            run.plot.line(io::FreeLine({c.YC[i], c.PC[i]}));
            c.PC[i] *= p.INCLEN;
        }
        p.curves.push_back(c);
    }
}

// Generated curves: the generator writes "SOILDATA" (user curves first) in
// the current folder and returns the free height it worked with.
void GenerateCurves(RunContext& run, const std::vector<UserCurveEcho>& user) {
    Problem& p = run.problem;
    std::vector<UserPyCurve> curves;
    for (const UserCurveEcho& c : user) {
        UserPyCurve u;
        u.NODE = c.NODE;
        for (std::size_t m = 0; m < c.y.size(); ++m) {
            u.y.push_back(c.YMULT * c.y[m]);
            u.p.push_back(c.PMULT * c.p[m]);
        }
        curves.push_back(std::move(u));
    }
    PyGenerationInput in;
    in.UNITS = p.UNITS;
    in.NINC = p.NINC;
    in.INCLEN = p.INCLEN;
    in.soil = &p.soil;
    in.pymod = &p.pymod;
    in.userCurves = &curves;
    in.SIGV0 = run.SIGV0;
    io::TextOut soildata;
    if (!soildata.open("SOILDATA")) StopInput("THE SCRATCH FILE SOILDATA OF THE P-Y CURVES CANNOT BE WRITTEN");
    p.HFREE = GeneratePyCurves(in, run.labels, run.report, soildata);
    soildata.close();
    // The generator labels its own sections as inch-pound whenever the
    // problem is not SI; the rest of this problem's report keeps the labels
    // of its own units.
    SetUnitLabels(run.labels, run.unitLabelCode);
}

}  // namespace

void ReadPyCurves(RunContext& run) {
    Problem& p = run.problem;
    if (p.NPYSET < 0) StopInput("THE COUNT NPYSET OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NPYSET) + ")");
    // An option without a meaning would leave the user curves unread and
    // take them for the records that follow.
    if (p.KPYOP > 2 && p.NPYSET > 0)
        StopInput("THE P-Y OPTION KPYOP OF RECORD CONTROL MUST BE 0, 1 OR 2 WHEN USER CURVES ARE GIVEN (READ " +
                  std::to_string(p.KPYOP) + ")");
    if (p.KPYOP == 2) {
        std::vector<UserCurveEcho> user;
        if (p.NPYSET > 0) user = ReadUserCurves(run, true);
        GenerateCurves(run, user);
        ReadSoilData(run, user);
        return;
    }
    if (p.KPYOP < 2 && p.NPYSET > 0) {
        const std::vector<UserCurveEcho> user = ReadUserCurves(run, false);
        run.plot.line(io::FreeLine({p.UNITS, p.NPYSET}));
        for (const UserCurveEcho& c : user) PlotUserCurve(run, c);
        return;
    }
    // No curves (or an option without a meaning): the empty block keeps the
    // plot file readable.
    run.plot.line(io::FreeLine({p.UNITS, 0}));
}

}  // namespace torvex
