// Linearisation of p-y curves, the iteration's ways out, the monitor and
// the results table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/iterate.h"
#include "engine/core/engine_fixture.h"
#include "support/test_support.h"

namespace torvex::test {
namespace {

PyCurve Curve(std::vector<std::pair<double, double>> points, int station = 0, int KCONT = 0) {
    PyCurve c;
    c.KFROM = c.KTO = station + 4;
    c.KCONT = KCONT;
    c.NPTS = static_cast<int>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        c.YC[i] = points[i].first;
        c.PC[i] = points[i].second;
    }
    return c;
}

TEST(CurveEvaluation, SegmentAndOffFlag) {
    const PyCurve c = Curve({{-1, 10}, {0, 0}, {1, -10}, {2, -12}});
    struct Case {
        double y;
        double k, q;
        int off;
    };
    const Case cases[] = {
        {0.5, 10, 0, 0},    // inside the middle segment: force q - k y = -5
        {1.0, 10, 0, 0},    // at a point: the segment that ends there
        {1.5, 2, -8, 0},    // k = 2, q = 2*1 + (-10)
        {-3.0, 10, 0, 1},   // below the first point: first segment extended
        {5.0, 2, -8, 1},    // beyond the last point: last segment extended
    };
    for (const Case& t : cases) {
        int off = 0;
        const Segment s = EvaluateCurve(c, t.y, off);
        EXPECT_DOUBLE_EQ(s.k, t.k) << t.y;
        EXPECT_DOUBLE_EQ(s.q, t.q) << t.y;
        EXPECT_EQ(off, t.off) << t.y;
    }
}

TEST(CurveEvaluation, TwoPointCurveIsAlwaysOff) {
    int off = 0;
    EvaluateCurve(Curve({{-1, 1}, {1, -1}}), 0.0, off);
    EXPECT_EQ(off, 1);
}

TEST(CurveEvaluation, EqualDeflectionsGiveNoSpring) {
    int off = 0;
    const Segment s = EvaluateCurve(Curve({{0, 0}, {0, 5}, {1, 5}}), 0.0, off);
    EXPECT_EQ(s.k, 0.0);
    EXPECT_EQ(s.q, 0.0);
}

// Two interpolated curves at stations 10 and 20: half of the first at 10,
// the mean of both at 15, half of the second at 20.
TEST(SoilLinearization, RangeBetweenTwoCurvesHalvesItsEnds) {
    auto run = ReadProblemText([] {
        DataFile d;
        d.NINC = 30;
        d.stiffness = {"0\t30\t1\t1000"};
        return d.text();
    }());
    Problem& p = run->problem;
    p.curves = {Curve({{-1, 100}, {1, -100}, {2, -100}}, 10, 1), Curve({{-1, 300}, {1, -300}, {2, -300}}, 20, 1)};
    SolveWork work;
    LinearizeSoil(p, work);
    EXPECT_DOUBLE_EQ(work.S0[10], 50.0);
    EXPECT_DOUBLE_EQ(work.S0[15], 200.0);
    EXPECT_DOUBLE_EQ(work.S0[20], 150.0);
    EXPECT_DOUBLE_EQ(work.S0[9], 0.0);
    EXPECT_DOUBLE_EQ(work.S0[21], 0.0);
}

// A curve that is not interpolated with a neighbour acts at its station
// with full weight: one with KCONT = 0, and one with KCONT = 1 whose range
// never gets a second curve (a single user curve below the excavation).
TEST(SoilLinearization, CurveWithoutARangeActsAtItsStationWithFullWeight) {
    const auto soft = [](int station, int KCONT) { return Curve({{-1, 100}, {1, -100}, {2, -100}}, station, KCONT); };
    const auto stiff = [](int station, int KCONT) { return Curve({{-1, 300}, {1, -300}, {2, -300}}, station, KCONT); };
    const struct {
        const char* name;
        std::vector<PyCurve> curves;
        std::vector<std::pair<int, double>> expected;  // station, S0
    } cases[] = {
        {"uninterpolated curve", {soft(12, 0)}, {{11, 0}, {12, 100}, {13, 0}}},
        {"interpolated curve alone", {soft(12, 1)}, {{11, 0}, {12, 100}, {13, 0}}},
        {"interpolated curve after an uninterpolated one", {soft(8, 0), stiff(14, 1)},
         {{8, 100}, {9, 0}, {13, 0}, {14, 300}}},
        {"second curve at the same station is ignored", {soft(12, 1), stiff(12, 1)}, {{12, 100}}},
    };
    for (const auto& c : cases) {
        auto run = ReadProblemText([] {
            DataFile d;
            d.NINC = 30;
            d.stiffness = {"0\t30\t1\t1000"};
            return d.text();
        }());
        Problem& p = run->problem;
        p.curves = c.curves;
        SolveWork work;
        LinearizeSoil(p, work);
        for (const auto& [station, s0] : c.expected) EXPECT_DOUBLE_EQ(work.S0[station], s0) << c.name << ", station " << station;
    }
}

// Elastic-perfectly-plastic soil: once the top curves yield the iteration
// needs several passes; the soil then carries the load within its
// capacity, and global equilibrium holds.
TEST(Iteration, ElasticPlasticSoilConvergesWithinCapacity) {
    const int N = 40;
    const double h = 6.0, pu = 300.0, ky = 0.05, H = 9000.0;
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 100;
    d.TOL = 1e-6;
    d.stiffness = {"0\t40\t1\t5e9"};
    d.loads = {"1\t0\t0\t" + std::to_string(H) + "\t0\t0"};
    d.KPYOP = 1;
    d.NPYSET = 9;
    for (int s = 0; s <= N; s += 5) {
        d.curves.push_back(std::to_string(s) + "\t5\t1\t1");
        for (auto [y, p] : {std::pair{-50.0, pu}, {-ky, pu}, {0.0, 0.0}, {ky, -pu}, {50.0, -pu}})
            d.curves.push_back(std::to_string(y) + "\t" + std::to_string(p));
    }
    const auto run = SolveProblemText(d.text());
    const auto monitor = Lines(run->notes.text());
    ASSERT_GE(monitor.size(), 6u);
    EXPECT_EQ(monitor[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(monitor[4], "     ----------------------");
    const int iterations = static_cast<int>(monitor.size()) - 5;
    EXPECT_GT(iterations, 2);
    EXPECT_LT(iterations, 100);
    EXPECT_NE(monitor.back().find("       NO          0  "), std::string::npos) << monitor.back();
    const std::string& report = run->report.text();
    EXPECT_NE(report.find("     RESULTS -- ITERATION" + std::string(iterations < 10 ? "  " : " ") +
                          std::to_string(iterations) + "\n     --------------------\n"),
              std::string::npos);
    EXPECT_EQ(report.find("SOLUTION NOT CLOSED"), std::string::npos);
    // The net reaction of a station is its load plus the soil's force.  The
    // soil never exceeds its capacity, pu per unit length over one
    // increment (half at the two ends of the wall), and where the wall has
    // moved past the elastic limit it carries exactly that.
    const PlotResults& r = run->results;
    const double cap = pu * h;
    for (int s = 0; s <= N; ++s) {
        const double soil = r.PR[s] - (s == 0 ? H : 0.0);
        const double limit = (s == 0 || s == N) ? 0.5 * cap : cap;
        EXPECT_LE(std::fabs(soil), limit * (1 + 1e-9)) << s;
        if (std::fabs(r.PW[s]) > ky && s > 0 && s < N) {
            EXPECT_NEAR(soil, -cap * (r.PW[s] > 0 ? 1 : -1), 1e-6 * cap) << s;
        }
    }
    EXPECT_GT(r.PW[0], ky);
}

TEST(Iteration, DeflectionBeyondTheAllowedStopsAtOnce) {
    DataFile d;
    d.NINC = 10;
    d.XDEFMAX = 0.001;
    d.restraints = {"3\t10\t0\t0"};
    d.stiffness = {"0\t10\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const std::string& report = run->report.text();
    EXPECT_NE(report.find("     RESULTS -- ITERATION  1\n"), std::string::npos);
    EXPECT_NE(report.find("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  10  *** STATIONS *****"),
              std::string::npos)
        << report;
    EXPECT_EQ(Lines(run->notes.text()).size(), 6u);
}

TEST(Iteration, LinearProblemConvergesInTheSecondIteration) {
    DataFile d;
    d.NINC = 10;
    d.restraints = {"3\t10\t0\t0"};
    d.stiffness = {"0\t10\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const auto notes = Lines(run->notes.text());
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(notes[5].substr(0, 25), "      1       NO         ");
    EXPECT_EQ(notes[6].substr(0, 27), "      2       NO          0");
    EXPECT_NE(run->report.text().find("     RESULTS -- ITERATION  2\n"), std::string::npos);
    // Rows for stations 0 … NINC in the report, NINC + 2 in the plot results.
    EXPECT_EQ(run->results.NROWS, 12);
}

TEST(Iteration, ShortWallPrintsZeroForMissingMonitorStations) {
    DataFile d;
    d.NINC = 3;
    d.restraints = {"3\t3\t0\t0"};
    d.stiffness = {"0\t3\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const auto notes = Lines(run->notes.text());
    EXPECT_EQ(notes[5].substr(notes[5].size() - 20), " 0.000E+00 0.000E+00");
}

TEST(Iteration, CurveOffItsPointsIsFlaggedInTheResults) {
    DataFile d;
    d.NINC = 10;
    d.INCLEN = 12;
    d.stiffness = {"0\t10\t1\t1e8"};
    d.loads = {"1\t0\t0\t1000\t0\t0"};
    d.KPYOP = 1;
    d.NPYSET = 2;
    d.curves = {"5\t3\t1\t1", "-0.001\t1", "0\t0", "0.001\t-1", "10\t3\t1\t1", "-0.001\t100", "0\t0", "0.001\t-100"};
    const auto run = SolveProblemText(d.text());
    EXPECT_NE(run->report.text().find("\n\n     ***** DEFLECTION OFF Q - W CURVES *****\n"), std::string::npos);
    EXPECT_NE(Lines(run->notes.text()).back().find("YES"), std::string::npos);
}

// M-EI: the rigidity follows the moment onto a bilinear M-EI line.
TEST(Iteration, MomentRigidityCurvesSoftenTheSection) {
    const int N = 20;
    const double h = 12, EI0 = 1e9, Q = 1000;
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 1e6;
    d.TOL = 1e-9;
    d.restraints = {"3\t20\t0\t0"};
    d.stiffness = {"0\t20\t1\t" + std::to_string(EI0)};
    d.loads = {"1\t0\t0\t" + std::to_string(Q) + "\t0\t0"};
    d.NMEI = 1;
    // Rigidity EI0 up to 1e5, half of it beyond.
    d.mei = {"1\t19\t3", "0\t1e9", "100000\t1e9", "1e9\t5e8"};
    const auto run = SolveProblemText(d.text());
    const Problem& p = run->problem;
    // Near the top the moment is small: full rigidity; near the base it is
    // large: rigidity reduced between the two values.
    EXPECT_NEAR(p.EI[2], EI0, 1e-6 * EI0);
    EXPECT_LT(p.EI[18], EI0);
    EXPECT_GT(p.EI[18], 0.5 * EI0);
    EXPECT_EQ(run->report.text().find("SOLUTION NOT CLOSED"), std::string::npos);
}

TEST(ResultsTable, HeaderUnitsAndRowLayout) {
    DataFile d;
    d.NINC = 4;
    d.restraints = {"3\t4\t0\t0"};
    d.stiffness = {"0\t4\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const auto lines = Lines(run->report.text());
    std::size_t at = 0;
    while (at < lines.size() && lines[at].rfind("   STA I", 0) != 0) ++at;
    ASSERT_LT(at + 7, lines.size());
    EXPECT_EQ(lines[at], "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI ");
    EXPECT_EQ(lines[at + 1], "             IN          IN                   LBS-IN        LBS         LBS       LBS-IN**2");
    EXPECT_EQ(lines[at + 2], "   ------    ----        ----       -----      ------      ------    ---------    ----------");
    EXPECT_EQ(lines[at + 3].substr(0, 18), "     0   0.000E+00");
    EXPECT_EQ(lines[at + 3].size(), 18u + 6u * 12u);
    EXPECT_EQ(lines[at + 7].substr(0, 18), "     4   0.480E+02");
}

// Generated curves in consistent units: the p-y sections are computed and
// labelled as inch-pound, but the results of the problem keep the generic
// labels F and L of its own units.
TEST(ResultsTable, OtherUnitsKeepTheirLabelsAfterGeneratedCurves) {
    TempDir dir;  // the generator's scratch file
    ScopedCurrentDir here(dir.path());
    DataFile d;
    d.UNITS = 3;
    d.NINC = 60;
    d.INCLEN = 6;
    d.HFREE = 144;
    d.stiffness = {"0\t60\t1\t8000000000"};
    d.KPYOP = 2;
    d.soil = {"144\t12\t12\t600\t600\t1\t1\t0", "0\t0\t0\t0\t0\t0", "0", "1", "4 480 ",
              "0.066550926 0.0  32 0.0  90 0 ", "0.066550926 0.0  32 0.0  90 0 "};
    const auto run = SolveProblemText(d.text());
    const auto lines = Lines(run->report.text());
    const auto header = std::find(lines.begin(), lines.end(),
                                  "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI ");
    ASSERT_NE(header, lines.end());
    const auto sp = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    EXPECT_EQ(*(header + 1), sp(14) + "L" + sp(11) + "L" + sp(21) + "F- L" + sp(10) + "F" + sp(11) + "F" + sp(9) + "F- L**2");
}

}  // namespace
}  // namespace torvex::test
