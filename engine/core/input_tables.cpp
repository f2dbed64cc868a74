// The three range tables of the wall: stiffness, loads and springs (with the
// tiebacks), distributed onto the station arrays.
#include <cmath>

#include "core/analysis_stop.h"
#include "core/input.h"
#include "core/report_header.h"

namespace torvex {

namespace {

constexpr double kPi4 = 3.1416f;  // pi as the tieback inclination has always used it

// A table's records distributed by the range rule.  A record covers
// stations NODE1 … NODE2; uncontinued records put a uniform value there
// (ends halved), continued records open or extend a linearly varying range.
class RangeTable {
public:
    static constexpr int kValues = 6;  // EI, Q, S, T, R, P
    struct Record {
        int NODE1 = 0, NODE2 = 0, KINTERP = 1;
        double v[kValues] = {0, 0, 0, 0, 0, 0};
    };

    explicit RangeTable(Problem& problem) : p_(problem) {}

    // Adds the record to the arrays and returns its kind 1 … 4.  `which`
    // names the record in messages ("STIFFNESS RECORD 2").
    int add(const Record& r, const std::string& which) {
        checkStation(r.NODE1, which);
        checkStation(r.NODE2, which);
        if (r.KINTERP != 1 && r.KINTERP != 2)
            StopInput("THE CONTINUATION CODE KINTERP OF " + which + " MUST BE 1 OR 2 (READ " +
                      std::to_string(r.KINTERP) + ")");
        const int c = r.KINTERP - 1;
        const int kind = 2 * previous_ + c + 1;
        previous_ = c;
        switch (kind) {
            case 1:
                if (r.NODE2 < r.NODE1) StopStationsNotInOrder();
                spread(r.NODE1, r.v, r.NODE2, r.v);
                break;
            case 2:
                remember(r.NODE1, r.v);
                break;
            default:  // 3 and 4: close the range opened earlier
                if (r.NODE2 < start_) StopStationsNotInOrder();
                spread(start_, startValues_, r.NODE2, r.v);
                if (kind == 4) remember(r.NODE2, r.v);
                break;
        }
        return kind;
    }

private:
    void checkStation(int station, const std::string& which) const {
        if (station < -3 || station > p_.NINC + 3)
            StopInput(which + " REFERS TO STATION " + std::to_string(station) + " OUTSIDE THE WALL (STATIONS -3 TO " +
                      std::to_string(p_.NINC + 3) + ")");
    }

    void remember(int station, const double* v) {
        start_ = station;
        for (int i = 0; i < kValues; ++i) startValues_[i] = v[i];
    }

    // Adds values varying linearly by station from (a, va) to (b, vb); when
    // a < b the two end stations get half.
    void spread(int a, const double* va, int b, const double* vb) {
        StationArray<double>* arrays[kValues] = {&p_.EI, &p_.Q, &p_.S, &p_.T, &p_.R, &p_.P};
        const double span = (b == a) ? 1.0 : static_cast<double>(b - a);
        for (int j = a; j <= b; ++j) {
            const double factor = (a < b && (j == a || j == b)) ? 0.5 : 1.0;
            for (int i = 0; i < kValues; ++i) {
                const double value = va[i] + (vb[i] - va[i]) * (j - a) / span;
                (*arrays[i])[j] += value * factor;
            }
        }
    }

    Problem& p_;
    int previous_ = 0;
    int start_ = 0;
    double startValues_[kValues] = {0, 0, 0, 0, 0, 0};
};

// Echo of one range record: the station columns by kind, CONTD = KINTERP - 1.
void EchoRecord(io::TextOut& out, int kind, int NODE1, int NODE2, int KINTERP, const double (&v)[6]) {
    const int contd = KINTERP - 1;
    std::vector<io::EditArg> args;
    const char* layout = "(5X, 2I4, I3, 1X, 6E10.3)";
    if (kind == 2) {
        layout = "(5X, I4, 4X, I3, 1X, 6E10.3)";
        args = {NODE1, contd};
    } else if (kind == 3 || kind == 4) {
        layout = "(9X, I4, I3, 1X, 6E10.3)";
        args = {NODE2, contd};
    } else {
        args = {NODE1, NODE2, contd};
    }
    for (double x : v) args.emplace_back(x);
    out.edit(layout, args);
}

void WriteStiffnessHeading(RunContext& run) {
    io::TextOut& out = run.report;
    const UnitLabels& u = run.labels;
    WriteBanner(out, "STIFFNESS AND LOAD DATA");
    out.line("      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,");
    out.line("      S - STIFFNESS OF TRANSVERSE RESISTANCE,");
    out.line("      T - TORQUE,              P - AXIAL LOAD,");
    out.line("      R - STIFFNESS OF TORSIONAL RESISTANCE.");
    out.blank();
    out.line("     FROM TO CONTD     EI         Q        S'        T         R         P");
    out.blank();
    // Each unit right-justified under its 10-character value column.
    out.edit("(17X, A4, A1, A2, A2, A1, 6X, A4, 3X, A4, A1, A2, 3X, A3, A1, A3, 3X, A3, A1, A3, 6X, A4)",
             {u.FORCE4, UnitLabels::DASH, u.LEN2, UnitLabels::POW, UnitLabels::TWO, u.FORCE4, u.FORCE4,
              UnitLabels::SLASH, u.LEN2, u.LEN3, UnitLabels::DASH, u.FORCE3, u.LEN3, UnitLabels::DASH, u.FORCE3,
              u.FORCE4});
}

int CountOf(io::FreeReader& in, const char* record) {
    in.beginRead(record);
    const int n = in.readInt(record);
    if (n < 0) StopInput(std::string("THE COUNT ") + record + " IS NEGATIVE (" + std::to_string(n) + ")");
    return n;
}

void ReadStiffness(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    RangeTable table(p);
    for (int k = 1; k <= p.NSTIFF; ++k) {
        in.beginRead("STIFFNESS");
        RangeTable::Record r;
        r.NODE1 = in.readInt("NODE1");
        r.NODE2 = in.readInt("NODE2");
        r.KINTERP = in.readInt("KINTERP");
        r.v[0] = in.readReal("EI");
        const int kind = table.add(r, "STIFFNESS RECORD " + std::to_string(k));
        EchoRecord(run.report, kind, r.NODE1, r.NODE2, r.KINTERP, {r.v[0], 0, 0, 0, 0, 0});
    }
}

void ReadLoads(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    const int n = CountOf(in, "NCONC");
    RangeTable table(p);
    for (int k = 1; k <= n; ++k) {
        in.beginRead("CONCLOAD");
        RangeTable::Record r;
        r.KINTERP = in.readInt("KINTERP");
        r.NODE1 = in.readInt("NODE1");
        r.NODE2 = in.readInt("NODE2");
        const double q = in.readReal("Q");
        const double t = in.readReal("T");
        const double axial = in.readReal("P");
        r.v[1] = q;
        r.v[3] = t;
        r.v[5] = -axial;  // compression is stored with the sign reversed
        const int kind = table.add(r, "CONCLOAD RECORD " + std::to_string(k));
        if (t != 0.0) p.couples.push_back({r.NODE1, t / (2.0 * p.INCLEN)});
        EchoRecord(run.report, kind, r.NODE1, r.NODE2, r.KINTERP, {p.EI[r.NODE1], q, 0, t, 0, axial});
    }
}

void ReadSprings(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    const int n = CountOf(in, "NSPRING");
    if (p.NTIE < 0) StopInput("THE COUNT NTIE OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NTIE) + ")");
    RangeTable table(p);
    const int total = n + p.NTIE;
    for (int k = 1; k <= total; ++k) {
        RangeTable::Record r;
        std::string which = "SPRING RECORD " + std::to_string(k);
        if (k <= n) {
            in.beginRead("SPRING");
            r.NODE1 = in.readInt("NODE1");
            r.NODE2 = in.readInt("NODE2");
            r.KINTERP = in.readInt("KINTERP");
            r.v[2] = in.readReal("S");
            r.v[4] = in.readReal("R");
        } else {
            in.beginRead("TIEBACK");
            const double DEPTH = in.readReal("DEPTH");
            const double AREA = in.readReal("AREA");
            const double EMOD = in.readReal("EMOD");
            const double LUNB = in.readReal("LUNB");
            const double ANGLE = in.readReal("ANGLE");
            const double SPACING = in.readReal("SPACING");
            which = "TIEBACK " + std::to_string(k - n) + " AT DEPTH " + ShownReal(DEPTH);
            if (!(SPACING > 0.0)) StopInput(which + ": THE SPACING MUST BE GREATER THAN 0 (READ " + ShownReal(SPACING) + ")");
            if (!(LUNB > 0.0))
                StopInput(which + ": THE UNBONDED LENGTH MUST BE GREATER THAN 0 (READ " + ShownReal(LUNB) + ")");
            if (!(p.WA > 0.0))
                StopInput(which + ": THE WIDTH WA OF RECORD WALL MUST BE GREATER THAN 0 (READ " + ShownReal(p.WA) + ")");
            const double theta = ANGLE * kPi4 / 180.0;
            // English: depth, free length and spacing in feet, the wall in
            // inches.  SI: metres throughout.  Consistent ("other") units:
            // the SI formula without conversion factors.
            if (p.UNITS == 1) {
                r.NODE1 = NEAREST(DEPTH * 12.0 / p.INCLEN, which);
                r.v[2] = AREA * EMOD * std::cos(theta) / ((SPACING * 12.0 / p.WA) * (LUNB * 12.0));
            } else {
                r.NODE1 = NEAREST(DEPTH / p.INCLEN, which);
                r.v[2] = AREA * EMOD * std::cos(theta) / ((SPACING / p.WA) * LUNB);
            }
            r.NODE2 = r.NODE1;
            r.KINTERP = 1;
        }
        const int kind = table.add(r, which);
        EchoRecord(run.report, kind, r.NODE1, r.NODE2, r.KINTERP, {p.EI[r.NODE1], 0, r.v[2], 0, r.v[4], 0});
        const bool single = r.NODE1 == r.NODE2;
        if (k == 1 && single) run.ties.ZTIE1 = r.NODE1 * p.INCLEN;
        if (k == total && single) run.ties.ZTIEN = r.NODE1 * p.INCLEN;
    }
    run.ties.NSPR = total;
}

}  // namespace

bool ReadStiffnessAndLoads(RunContext& run) {
    Problem& p = run.problem;
    WriteStiffnessHeading(run);
    if (p.NSTIFF < 0) StopInput("THE COUNT NSTIFF OF RECORD CONTROL IS NEGATIVE (" + std::to_string(p.NSTIFF) + ")");
    if (p.NSTIFF == 0) {
        run.report.blank();
        run.report.line(std::string(20, ' '));
        return false;
    }
    ReadStiffness(run);
    ReadLoads(run);
    ReadSprings(run);
    return true;
}

}  // namespace torvex
