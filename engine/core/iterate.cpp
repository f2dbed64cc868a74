#include "core/iterate.h"

#include <cmath>
#include <memory>

#include "core/analysis_stop.h"
#include "core/input.h"
#include "core/report_header.h"

namespace torvex {

Segment EvaluateCurve(const PyCurve& c, double y, int& off) {
    const int n = c.NPTS;
    Segment s;
    if (n < 2) {
        off = 1;
        return s;
    }
    const auto Y = [&](int m) { return c.YC[static_cast<std::size_t>(m - 1)]; };
    const auto Pp = [&](int m) { return c.PC[static_cast<std::size_t>(m - 1)]; };
    int m = 0;
    for (int i = 2; i <= n; ++i) {
        if (y < Y(i) || y == Y(i)) {
            m = i;
            break;
        }
    }
    if (m != 0 && y < Y(m) && y < Y(1)) off = 1;
    if (m == 0 || n < 3) {
        off = 1;
        m = n;
    }
    const double dy = Y(m) - Y(m - 1);
    if (dy == 0.0) return s;
    s.k = -(Pp(m) - Pp(m - 1)) / dy;
    s.q = s.k * Y(m - 1) + Pp(m - 1);
    return s;
}

namespace {

void AddAt(Problem& p, SolveWork& work, int J, const PyCurve& ca, const PyCurve& cb, double t, double factor,
           int& off) {
    const double y = p.W.atJ(J);
    const Segment s1 = EvaluateCurve(ca, y, off);
    const Segment s2 = EvaluateCurve(cb, y, off);
    work.S0.atJ(J) += (s1.k + (s2.k - s1.k) * t) * factor;
    work.Q0.atJ(J) += (s1.q + (s2.q - s1.q) * t) * factor;
}

// Applies the range from curve a to curve b.  False when nothing was
// applied because b shares a's station (the range then stays open from a).
bool ApplyRange(Problem& p, SolveWork& work, std::size_t a, std::size_t b, int& off) {
    const PyCurve& ca = p.curves[a];
    const PyCurve& cb = p.curves[b];
    const int tip = p.NINC + 4;
    const int first = ca.KFROM;
    int last = cb.KTO;
    const int span = last - first;
    if (span < 0) StopStationsNotInOrder();
    if (span == 0) {
        if (a != b) return false;
        if (first <= tip) AddAt(p, work, first, ca, ca, 0.0, 1.0, off);
        return true;
    }
    if (first >= tip) return true;  // range at or below the tip adds nothing
    if (last > tip) last = tip;
    for (int J = first; J <= last; ++J) AddAt(p, work, J, ca, cb, double(J - first) / span, 1.0, off);
    // The end stations of a range receive half.
    AddAt(p, work, first, ca, cb, 0.0, -0.5, off);
    AddAt(p, work, last, ca, cb, double(last - first) / span, -0.5, off);
    return true;
}

}  // namespace

int LinearizeSoil(Problem& p, SolveWork& work) {
    int off = 0;
    bool open = false;
    bool startUsed = false;  // the open range's first curve already acts on the wall
    std::size_t a = 0;
    for (std::size_t c = 0; c < p.curves.size(); ++c) {
        if (!open) {
            a = c;
            if (p.curves[c].KCONT != 0) {
                open = true;
                startUsed = false;
                continue;
            }
        }
        if (!ApplyRange(p, work, a, c, off)) continue;
        if (p.curves[c].KCONT == 1) {
            p.curves[c].KFROM = p.curves[c].KTO;
            a = c;
            open = true;
            startUsed = true;
        } else {
            open = false;
        }
    }
    // A curve meant to be interpolated with a next one that never comes (a
    // single user curve below the excavation) acts at its own station, as an
    // uninterpolated curve does, instead of being dropped.
    if (open && !startUsed) ApplyRange(p, work, a, a, off);
    return off;
}

void UpdateRigidities(Problem& p) {
    for (const MeiCurve& c : p.mei) {
        const auto MC = [&](int m) { return c.MC[static_cast<std::size_t>(m - 1)]; };
        const auto EIC = [&](int m) { return c.EIC[static_cast<std::size_t>(m - 1)]; };
        for (int station = c.MFROM; station <= c.MTO; ++station) {
            const int J = station + kStationOffset;
            const double phi = std::fabs(p.W.atJ(J - 1) - 2.0 * p.W.atJ(J) + p.W.atJ(J + 1)) / p.INCLENSQ;
            int m1 = c.NMP;
            for (int m = 2; m <= c.NMP - 1; ++m) {
                if (phi * EIC(m) < MC(m)) {
                    m1 = m;
                    break;
                }
            }
            const int m0 = m1 - 1;
            const double t = (MC(m0) - phi * EIC(m0)) / ((EIC(m1) - EIC(m0)) * phi - MC(m1) + MC(m0));
            p.EI.atJ(J) = EIC(m0) + (EIC(m1) - EIC(m0)) * t;
        }
    }
}

IterationOutcome Iterate(RunContext& run, SolveWork& work) {
    Problem& p = run.problem;
    io::TextOut& notes = run.notes;
    notes.blank(3);
    notes.line("     ITERATION MONITOR DATA");
    notes.line("     ----------------------");

    StationArray<double> WOLD;  // deflections at the last rigidity update
    IterationOutcome out;
    out.iterations = p.ITMAX;
    for (int ITER = 1; ITER <= p.ITMAX; ++ITER) {
        for (int J = 3; J <= p.NINC + 5; ++J) {
            work.S0.atJ(J) = p.S.atJ(J);
            work.Q0.atJ(J) = p.Q.atJ(J);
        }
        out.NOFF = LinearizeSoil(p, work);
        out.counts = Solve(p, work);

        // Deflections of stations 1 to 5; a shorter wall shows 0 beyond its tip.
        double wmon[5];
        for (int s = 1; s <= 5; ++s) wmon[s - 1] = s <= p.NINC ? p.W[s] : 0.0;
        const char* layout = out.NOFF == 0 ? "(3X, I4, 7X, 'NO', 7X, I4, 2X, 5E10.3)"
                                           : "(3X, I4, 7X, 'YES', 6X, I4, 2X, 5E10.3)";
        notes.edit(layout, {ITER, out.counts.NNC, wmon[0], wmon[1], wmon[2], wmon[3], wmon[4]});

        if (out.counts.NEXC > 0) {
            out.iterations = ITER;
            break;
        }
        if (out.counts.NNC == 0) {
            if (p.mei.empty()) {
                out.iterations = ITER;
                break;
            }
            int moved = 0;
            for (int J = 4; J <= p.NINC + 4; ++J)
                if (std::fabs(p.W.atJ(J) - WOLD.atJ(J)) > p.TOL) moved += 1;
            out.counts.NNC = moved;
            if (moved == 0) {
                out.iterations = ITER;
                break;
            }
            for (int J = 4; J <= p.NINC + 4; ++J) WOLD.atJ(J) = p.W.atJ(J);
            UpdateRigidities(p);
        }
    }
    return out;
}

void WriteResults(RunContext& run, const IterationOutcome& outcome) {
    Problem& p = run.problem;
    StationArray<double>& W = p.W;
    const int NINC = p.NINC;
    W.atJ(2) = 2.0 * W.atJ(3) - W.atJ(4);
    W.atJ(NINC + 6) = 2.0 * W.atJ(NINC + 5) - W.atJ(NINC + 4);

    io::TextOut& out = run.report;
    const UnitLabels& u = run.labels;
    out.blank(2);
    out.edit("('     RESULTS -- ITERATION', I3)", {outcome.iterations});
    out.line("     --------------------");
    if (outcome.NOFF == 1) {
        out.blank();
        out.line("     ***** DEFLECTION OFF Q - W CURVES *****");
    }
    if (outcome.counts.NEXC > 0) {
        out.blank();
        out.edit("('     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***', I4, '  *** STATIONS *****')",
                 {outcome.counts.NEXC});
    }
    if (outcome.counts.NNC > 0) {
        out.blank();
        out.line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
    }
    out.blank();
    out.line("   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI ");
    out.edit("(12X, A3, 9X, A3, 19X, A3, A1, A2, 7X, A4, 8X, A4, 7X, A3, A1, A2, A2, A1)",
             {u.LEN3, u.LEN3, u.FORCE3, UnitLabels::DASH, u.LEN2, u.FORCE4, u.FORCE4, u.FORCE3, UnitLabels::DASH,
              u.LEN2, UnitLabels::POW, UnitLabels::TWO});
    out.line("   ------    ----        ----       -----      ------      ------    ---------    ----------");

    StationArray<double> M;  // moments, M(2) = M(3) = 0
    PlotResults& r = run.results;
    for (int J = 3; J <= NINC + 5; ++J) {
        const int s = J - kStationOffset;
        const double X = p.INCLEN * s;
        const double slope = (W.atJ(J + 1) - W.atJ(J - 1)) / p.INCLEN2;
        M.atJ(J + 1) = (W.atJ(J) - 2.0 * W.atJ(J + 1) + W.atJ(J + 2)) * p.EI.atJ(J + 1) / p.INCLENSQ;
        double V = (M.atJ(J + 1) - M.atJ(J - 1)) / p.INCLEN2;
        double NR = (M.atJ(J - 1) - 2.0 * M.atJ(J) + M.atJ(J + 1)) / p.INCLEN;
        for (const CoupleEntry& c : p.couples) {
            if (s == c.KCPL) V -= c.CPL;
            if (s - 1 == c.KCPL) {
                V -= 0.5 * c.CPL;
                NR += c.CPL;
            }
            if (s + 1 == c.KCPL) {
                V -= 0.5 * c.CPL;
                NR -= c.CPL;
            }
        }
        if (s >= 0 && s <= NINC)
            out.edit("(2X, I4, 2X, E10.3, 6E12.3)", {s, X, W.atJ(J), slope, M.atJ(J), V, NR, p.EI.atJ(J)});
        if (s >= 0) {
            const auto i = static_cast<std::size_t>(s);
            r.PX[i] = X;
            r.PW[i] = W.atJ(J);
            r.PM[i] = M.atJ(J);
            r.PV[i] = V;
            r.PR[i] = NR;
            r.NROWS = s + 1;
        }
    }
}

void AnalyseProblem(RunContext& run) {
    WriteTitleLine(run);
    auto work = std::make_unique<SolveWork>();
    const IterationOutcome outcome = Iterate(run, *work);
    WriteResults(run, outcome);
}

}  // namespace torvex
