// Reading a problem: station arrays by the range rule, tiebacks, restraint
// codes, curve store, earth-pressure loads, and the stops on bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/analysis_stop.h"
#include "core/input.h"
#include "core/report_header.h"
#include "engine/core/engine_fixture.h"
#include "io/edit_format.h"
#include "support/test_support.h"

namespace torvex::test {
namespace {

DataFile Wall(int ninc = 10) {
    DataFile d;
    d.NINC = ninc;
    return d;
}

// The report lines an AnalysisStop carries, joined.
std::string StopText(const DataFile& d) {
    try {
        ReadProblemText(d.text());
    } catch (const AnalysisStop& stop) {
        std::string text;
        for (const auto& l : stop.reportLines()) text += l + "\n";
        return text;
    }
    return "(no stop)";
}

struct RangeCase {
    const char* name;
    std::vector<std::string> records;  // STIFFNESS: NODE1 NODE2 KINTERP EI
    std::vector<std::pair<int, double>> expected;  // station, EI
};

class RangeRule : public testing::TestWithParam<RangeCase> {};

TEST_P(RangeRule, DistributesStiffnessOverStations) {
    DataFile d = Wall();
    d.stiffness = GetParam().records;
    const auto run = ReadProblemText(d.text());
    for (const auto& [station, ei] : GetParam().expected)
        EXPECT_DOUBLE_EQ(run->problem.EI[station], ei) << "station " << station;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RangeRule,
    testing::Values(
        RangeCase{"UniformHalvesTheEnds", {"0\t10\t1\t100"}, {{0, 50}, {1, 100}, {9, 100}, {10, 50}, {11, 0}}},
        RangeCase{"SingleStationTakesTheWholeValue", {"4\t4\t1\t100"}, {{3, 0}, {4, 100}, {5, 0}}},
        RangeCase{"AdjacentRecordsAverageTheSharedStation",
                  {"0\t5\t1\t100", "5\t10\t1\t200"},
                  {{0, 50}, {4, 100}, {5, 150}, {6, 200}, {10, 100}}},
        RangeCase{"ContinuedPairInterpolates", {"0\t0\t2\t100", "0\t10\t1\t200"}, {{0, 50}, {5, 150}, {10, 100}}},
        RangeCase{"ChainOfContinuedRecords",
                  {"0\t0\t2\t100", "0\t5\t2\t200", "0\t10\t1\t300"},
                  {{0, 50}, {3, 160}, {5, 200}, {8, 260}, {10, 150}}},
        RangeCase{"OverlappingRecordsAdd", {"0\t10\t1\t100", "2\t4\t1\t10"}, {{2, 105}, {3, 110}, {4, 105}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputTables, AxialLoadIsStoredNegatedAndEchoedAsRead) {
    DataFile d = Wall();
    d.stiffness = {"0\t10\t1\t1000"};
    d.loads = {"1\t3\t3\t5\t0\t1000"};
    const auto run = ReadProblemText(d.text());
    EXPECT_DOUBLE_EQ(run->problem.P[3], -1000.0);
    EXPECT_DOUBLE_EQ(run->problem.Q[3], 5.0);
    // FROM TO CONTD, then EI at NODE1, Q, S, T, R, P as read.
    EXPECT_NE(run->report.text().find("        3   3  0  0.100E+04 0.500E+01 0.000E+00 0.000E+00 0.000E+00 0.100E+04\n"),
              std::string::npos)
        << run->report.text();
}

TEST(InputTables, CouplesAreListedPerLoadRecord) {
    DataFile d = Wall();
    d.INCLEN = 6;
    d.stiffness = {"0\t10\t1\t1000"};
    d.loads = {"1\t2\t2\t0\t120\t0", "1\t4\t4\t7\t0\t0", "1\t6\t6\t0\t-60\t0"};
    const auto run = ReadProblemText(d.text());
    ASSERT_EQ(run->problem.couples.size(), 2u);
    EXPECT_EQ(run->problem.couples[0].KCPL, 2);
    EXPECT_DOUBLE_EQ(run->problem.couples[0].CPL, 10.0);  // 120 / (2 x 6)
    EXPECT_EQ(run->problem.couples[1].KCPL, 6);
    EXPECT_DOUBLE_EQ(run->problem.couples[1].CPL, -5.0);
    EXPECT_DOUBLE_EQ(run->problem.T[2], 120.0);
}

TEST(InputTables, TiebackBecomesASpringAtItsNearestStation) {
    constexpr double kPi4 = 3.1416f;
    struct Case {
        int units;
        double inclen;
        std::string record;  // DEPTH AREA EMOD LUNB ANGLE SPACING
        int station;
        double stiffness;
    };
    const double wa = 12.0;
    const Case cases[] = {
        // 5 ft with 6-inch increments: station 10.
        {1, 6.0, "5\t1.5\t29000000\t20\t15\t8", 10,
         1.5 * 29.0e6 * std::cos(15 * kPi4 / 180.0) / ((8 * 12.0 / wa) * (20 * 12.0))},
        // 2.25 m with 0.5 m increments: 4.5 rounds away from zero to 5.
        {2, 0.5, "2.25\t0.001\t200000000\t6\t0\t2", 5, 0.001 * 200.0e6 * 1.0 / ((2 / wa) * 6)},
        // Consistent units: the SI formula without conversion factors.
        {3, 1.0, "3\t2\t100\t10\t60\t4", 3, 2 * 100 * std::cos(60 * kPi4 / 180.0) / ((4 / wa) * 10)},
    };
    for (const Case& c : cases) {
        DataFile d = Wall(20);
        d.UNITS = c.units;
        d.INCLEN = c.inclen;
        d.WA = wa;
        d.stiffness = {"0\t20\t1\t1000"};
        d.tiebacks = {c.record};
        const auto run = ReadProblemText(d.text());
        EXPECT_DOUBLE_EQ(run->problem.S[c.station], c.stiffness) << c.record;
        EXPECT_DOUBLE_EQ(run->problem.R[c.station], 0.0);
        EXPECT_DOUBLE_EQ(run->ties.ZTIEN, c.station * c.inclen);
        EXPECT_DOUBLE_EQ(run->ties.ZTIE1, c.station * c.inclen);  // the only record of the table
        EXPECT_EQ(run->ties.NSPR, 1);
    }
}

TEST(InputTables, SpringDepthsForTheEnvelopeSkipRecordsThatAreRanges) {
    DataFile d = Wall(20);
    d.INCLEN = 6;
    d.stiffness = {"0\t20\t1\t1000"};
    d.springs = {"2\t6\t1\t50\t0", "8\t8\t1\t70\t0"};
    const auto run = ReadProblemText(d.text());
    EXPECT_DOUBLE_EQ(run->ties.ZTIE1, 0.0);  // first record is a range: not stored
    EXPECT_DOUBLE_EQ(run->ties.ZTIEN, 48.0);
    EXPECT_EQ(run->ties.NSPR, 2);
    EXPECT_DOUBLE_EQ(run->problem.S[2], 25.0);
    EXPECT_DOUBLE_EQ(run->problem.S[8], 70.0);
}

// Reads a further problem of the same run into the context, as the run
// driver does after a NEXT record.
void ReadNextProblem(RunContext& run, const DataFile& d) {
    run.data.openText(d.text(), "wall.tx5d");
    run.TITLE = FixedTitle(run.data.readLine("TITLE"));
    run.NPROB += 1;
    ResetProblem(run.problem);
    ReadControl(run);
    ReadProblemInput(run);
}

// What a problem does not set itself it keeps from the one before: the
// spring depths for the anchored-wall envelope (a range is not a depth, a
// problem without stiffness records reads no springs), and the unit labels
// of a problem in consistent units.
TEST(InputRun, LaterProblemsKeepWhatTheyDoNotSet) {
    DataFile first = Wall(20);
    first.INCLEN = 6;
    first.stiffness = {"0\t20\t1\t1000"};
    first.springs = {"4\t4\t1\t10\t0", "8\t8\t1\t10\t0", "12\t12\t1\t10\t0"};
    auto run = ReadProblemText(first.text());
    EXPECT_DOUBLE_EQ(run->ties.ZTIE1, 24.0);
    EXPECT_DOUBLE_EQ(run->ties.ZTIEN, 72.0);
    EXPECT_EQ(run->ties.NSPR, 3);

    DataFile ranges = first;
    ranges.UNITS = 3;
    ranges.springs = {"2\t6\t1\t10\t0", "10\t14\t1\t10\t0"};
    ReadNextProblem(*run, ranges);
    EXPECT_DOUBLE_EQ(run->ties.ZTIE1, 24.0);
    EXPECT_DOUBLE_EQ(run->ties.ZTIEN, 72.0);
    EXPECT_EQ(run->ties.NSPR, 2);
    EXPECT_EQ(run->labels.LEN3, " IN");  // the English code of problem 1 again
    EXPECT_EQ(run->labels.FORCE4, " LBS");

    DataFile noStiffness = Wall(20);
    noStiffness.NSTIFF = 0;
    noStiffness.NTIE = 1;
    ReadNextProblem(*run, noStiffness);
    EXPECT_DOUBLE_EQ(run->ties.ZTIEN, 72.0);
    EXPECT_EQ(run->ties.NSPR, 2);

    DataFile tieback = Wall(20);
    tieback.UNITS = 2;
    tieback.INCLEN = 0.5;
    tieback.stiffness = {"0\t20\t1\t1000"};
    tieback.springs = {"0\t20\t1\t10\t0"};
    tieback.tiebacks = {"3\t0.001\t200000000\t6\t0\t2"};
    ReadNextProblem(*run, tieback);
    EXPECT_DOUBLE_EQ(run->ties.ZTIE1, 24.0);  // first record is a range
    EXPECT_DOUBLE_EQ(run->ties.ZTIEN, 3.0);   // the tieback, station 6
    EXPECT_EQ(run->ties.NSPR, 2);
}

TEST(InputRestraints, CodesMarkTheStationsOfEachCase) {
    DataFile d = Wall();
    d.restraints = {"0\t1\t0.5\t0", "1\t3\t0.25\t0", "2\t5\t0\t0.01", "5\t8\t0.1\t0.02"};
    d.stiffness = {"0\t10\t1\t1000"};
    const auto run = ReadProblemText(d.text());
    const auto& K = run->problem.KASE;
    EXPECT_EQ(K[0], 1);
    EXPECT_EQ(K[1], 2);  // KCASE 0: deflection only
    EXPECT_EQ(K[3], 2);  // KCASE 1: deflection only
    EXPECT_EQ(K[4], 3);  // KCASE 2: slope at 5
    EXPECT_EQ(K[5], 1);
    EXPECT_EQ(K[6], 5);
    EXPECT_EQ(K[7], 3);  // KCASE 5: both at 8
    EXPECT_EQ(K[8], 4);
    EXPECT_EQ(K[9], 5);
    const std::string& r = run->report.text();
    // (10X, I3, 7X, I2, 3X, 2(5X, E10.3)) with "NONE" for the absent value:
    // each given value keeps its column of the full row.
    const std::string deflectionOnly = "            1        0         0.500E+00         NONE";
    const std::string slopeOnly = "            5        2           NONE         0.100E-01";
    const std::string both = "            8        5         0.100E+00      0.200E-01";
    for (const std::string& row : {deflectionOnly, slopeOnly, both})
        EXPECT_NE(r.find("\n" + row + "\n"), std::string::npos) << row << "\n" << r;
}

TEST(InputRestraints, DeflectionsMayBeGivenAtTheFictitiousEndStations) {
    DataFile d = Wall();
    d.restraints = {"1\t-1\t0\t0", "1\t11\t0\t0"};
    d.stiffness = {"0\t10\t1\t1000"};
    const auto run = ReadProblemText(d.text());
    EXPECT_EQ(run->problem.KASE[-1], 2);
    EXPECT_EQ(run->problem.KASE[11], 2);
}

TEST(InputRestraints, NoRestraintsWriteABlankLine) {
    DataFile d = Wall();
    d.stiffness = {"0\t10\t1\t1000"};
    const auto run = ReadProblemText(d.text());
    EXPECT_NE(run->report.text().find("\n\n" + std::string(20, ' ') + "\n"), std::string::npos);
    EXPECT_EQ(run->report.text().find("     STA      CASE"), std::string::npos);
}

TEST(InputStops, MessagesOfBadInput) {
    const std::string tooMuch = "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n";
    const std::string order = "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n";
    struct Case {
        const char* name;
        DataFile data;
        std::string expected;
    };
    std::vector<Case> cases;
    const auto add = [&](const char* name, auto change, std::string expected) {
        DataFile d = Wall();
        d.stiffness = {"0\t10\t1\t1000"};
        change(d);
        cases.push_back({name, d, std::move(expected)});
    };
    add("too many restraints", [](DataFile& d) {
        for (int i = 0; i < 21; ++i) d.restraints.push_back("1\t0\t0\t0");
    }, tooMuch);
    add("too many increments", [](DataFile& d) { d.NINC = 408; }, tooMuch);
    add("restraints decreasing", [](DataFile& d) { d.restraints = {"1\t4\t0\t0", "1\t3\t0\t0"}; }, order);
    add("first restraint below -1", [](DataFile& d) { d.restraints = {"1\t-2\t0\t0"}; }, order);
    // A slope needs equations on both sides of its station.
    add("slope at station -1", [](DataFile& d) { d.restraints = {"2\t-1\t0\t0.01"}; },
        "RESTRAINT RECORD 1: A SLOPE CAN BE SPECIFIED AT STATIONS 0 TO 10 ONLY (READ STATION -1)");
    add("slope and deflection below the tip", [](DataFile& d) { d.restraints = {"1\t0\t0\t0", "3\t11\t0\t0"}; },
        "RESTRAINT RECORD 2: A SLOPE CAN BE SPECIFIED AT STATIONS 0 TO 10 ONLY (READ STATION 11)");
    add("range ending before its start", [](DataFile& d) { d.stiffness = {"0\t0\t2\t1", "0\t-1\t1\t1"}; }, order);
    add("data beyond the tip", [](DataFile& d) { d.loads = {"1\t11\t11\t5\t0\t0"}; },
        "\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n");
    add("continuation code 3", [](DataFile& d) { d.stiffness = {"0\t10\t3\t1"}; },
        "KINTERP OF STIFFNESS RECORD 1 MUST BE 1 OR 2 (READ 3)");
    add("negative restraint count", [](DataFile& d) { d.NRESTR = -1; }, "THE COUNT NRESTR OF RECORD CONTROL IS NEGATIVE (-1)");
    add("station outside the wall", [](DataFile& d) { d.stiffness = {"0\t14\t1\t1"}; }, "OUTSIDE THE WALL");
    add("zero increment length", [](DataFile& d) { d.INCLEN = 0; },
        "THE INCREMENT LENGTH INCLEN OF RECORD WALL MUST BE GREATER THAN 0 (READ 0.0)");
    add("restraint below the wall", [](DataFile& d) { d.restraints = {"1\t12\t0\t0"}; },
        "RESTRAINT RECORD 1: STATION 12 LIES BEYOND THE WALL (LAST STATION 10)");
    // Tiebacks are named as tiebacks, with their depth, not as spring records.
    add("tieback below the wall", [](DataFile& d) { d.tiebacks = {"100\t1\t1\t10\t0\t5"}; },
        "TIEBACK 1 AT DEPTH 100.0 REFERS TO STATION 100 OUTSIDE THE WALL (STATIONS -3 TO 13)");
    add("tieback too deep for a station", [](DataFile& d) { d.tiebacks = {"1e12\t1\t1\t10\t0\t5"}; },
        "TIEBACK 1 AT DEPTH 1e+12 IS TOO LARGE TO BECOME A STATION NUMBER");
    add("tieback without spacing", [](DataFile& d) { d.tiebacks = {"5\t1\t1\t10\t0\t0"}; },
        "TIEBACK 1 AT DEPTH 5.0: THE SPACING MUST BE GREATER THAN 0 (READ 0.0)");
    add("too many curve points", [](DataFile& d) {
        d.KPYOP = 1;
        d.NPYSET = 1;
        d.curves = {"5\t35\t1\t1"};
        for (int i = 0; i < 35; ++i) d.curves.push_back(std::to_string(i) + "\t0");
    }, tooMuch);
    add("user curves with an unknown p-y option", [](DataFile& d) {
        d.KPYOP = 3;
        d.NPYSET = 1;
        d.curves = {"5\t2\t1\t1", "0\t0", "1\t-10"};
    }, "THE P-Y OPTION KPYOP OF RECORD CONTROL MUST BE 0, 1 OR 2 WHEN USER CURVES ARE GIVEN (READ 3)");
    add("too many curves", [](DataFile& d) { d.KPYOP = 1; d.NPYSET = 64; }, tooMuch);
    add("too many M-EI records", [](DataFile& d) { d.NMEI = 21; }, tooMuch);
    add("too many M-EI points", [](DataFile& d) { d.NMEI = 1; d.mei = {"0\t10\t101"}; }, tooMuch);
    add("too many earth-pressure rows", [](DataFile& d) {
        d.KOUTPT = 1;
        d.distload.assign(2001, "1\t1");
    }, tooMuch);
    for (const Case& c : cases) {
        const std::string text = StopText(c.data);
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.name << ":\n" << text;
    }
}

TEST(InputStops, NegativeTableCountNamesTheRecord) {
    DataFile d = Wall();
    d.stiffness = {"0\t10\t1\t1000"};
    std::string text = d.text();
    text.replace(text.find("\r\n0\r\n0\r\n"), 8, "\r\n-3\r\n0\r\n");  // NCONC
    try {
        ReadProblemText(text);
        FAIL() << "no stop";
    } catch (const AnalysisStop& stop) {
        EXPECT_EQ(stop.reportLines().back(), "     ERROR -- THE COUNT NCONC IS NEGATIVE (-3)");
    }
}

TEST(InputCurves, WithoutStiffnessRecordsTheNextRecordIsTheFirstCurve) {
    DataFile d = Wall();
    d.NSTIFF = 0;
    d.KPYOP = 1;
    d.NPYSET = 1;
    d.curves = {"4\t2\t1\t1", "0\t0", "1\t-10"};
    const auto run = ReadProblemText(d.text());
    ASSERT_EQ(run->problem.curves.size(), 1u);
    EXPECT_EQ(run->problem.curves[0].KFROM, 8);
    EXPECT_EQ(run->problem.curves[0].NPTS, 2);
}

TEST(InputCurves, UserCurvesAreScaledAndInterpolatedBelowTheExcavation) {
    DataFile d = Wall();
    d.INCLEN = 6;
    d.HFREE = 30;
    d.stiffness = {"0\t10\t1\t1000"};
    d.KPYOP = 1;
    d.NPYSET = 2;
    d.curves = {"4\t2\t2\t0.5", "0\t0", "1\t-10", "5\t3\t1\t1", "-1\t3", "0\t0", "1\t-3"};
    const auto run = ReadProblemText(d.text());
    const auto& c = run->problem.curves;
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].KCONT, 0);  // 4 x 6 = 24 above the free height 30
    EXPECT_EQ(c[1].KCONT, 1);  // 5 x 6 = 30 at the free height
    EXPECT_DOUBLE_EQ(c[0].YC[1], 0.5);             // y x YMULT
    EXPECT_DOUBLE_EQ(c[0].PC[1], -10 * 2.0 * 6.0);  // p x PMULT x INCLEN
    const auto plot = Lines(run->plot.text());
    // p-y block: UNITS and count, then station and points with multipliers applied.
    const std::vector<std::string> expected = {" 1 2", " 4 2", " 0.0 0.0", " 0.5 -20.0", " 5 3"};
    ASSERT_GE(plot.size(), 6u);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(plot[i + 1], expected[i]) << i;
    // Echo: the first curve has kind 1 (station twice), the second kind 2.
    const std::string& r = run->report.text();
    EXPECT_NE(r.find("        4   4  0          0.200E+01     0.500E+00           2\n"), std::string::npos) << r;
    EXPECT_NE(r.find("        5      1          0.100E+01     0.100E+01            3\n"), std::string::npos);
}

// Generated curves come back from the scratch file: each 34-line record
// (17 points per side, y ascending) becomes one two-sided curve of 33 points
// at the station nearest its depth, interpolated with the next curve, with
// p times INCLEN in the store and as read in the plot file.  User curves of
// the same problem come first, uninterpolated, and the plot headers turn
// from depths to station numbers.
TEST(InputCurves, GeneratedCurvesAreMirroredFromTheScratchFile) {
    for (const int userCurves : {0, 1}) {
        TempDir dir;
        ScopedCurrentDir here(dir.path());
        DataFile d = Wall(60);
        d.INCLEN = 6;
        d.HFREE = 144;
        d.stiffness = {"0\t60\t1\t8000000000"};
        d.KPYOP = 2;
        d.soil = {"144\t12\t12\t600\t600\t1\t1\t0", "0\t0\t0\t0\t0\t0", "0", "1", "4 480 ",
                  "0.066550926 0.0  32 0.0  90 0 ", "0.066550926 0.0  32 0.0  90 0 "};
        if (userCurves == 1) {
            d.NPYSET = 1;
            d.curves = {"30\t2\t2\t0.5", "0\t0", "1\t-10"};
        }
        const auto run = ReadProblemText(d.text());
        const Problem& p = run->problem;

        std::istringstream file(ReadFile(dir.file("SOILDATA")));
        int count = 0;
        file >> count;
        ASSERT_EQ(static_cast<int>(p.curves.size()), count) << userCurves;
        ASSERT_GT(count, userCurves + 1);
        const auto plot = Lines(run->plot.text());
        EXPECT_EQ(plot.at(1), " 1 " + std::to_string(count));  // after the empty earth-pressure block
        std::size_t line = 2;
        for (int k = 0; k < userCurves; ++k) {
            int node = 0, npts = 0;
            file >> node >> npts;
            EXPECT_EQ(node, 30);
            for (int i = 0; i < npts; ++i) {
                double index = 0, pv = 0, yv = 0;
                file >> index >> pv >> yv;  // repeated user points, read past
            }
            EXPECT_EQ(p.curves[0].KFROM, 34);
            EXPECT_EQ(p.curves[0].KCONT, 0);
            EXPECT_DOUBLE_EQ(p.curves[0].PC[1], -10 * 2.0 * 6.0);
            EXPECT_EQ(plot.at(line), " 30 2");
            EXPECT_EQ(plot.at(line + 2), " 0.5 -20.0");
            line += 3;
        }
        for (int k = userCurves; k < count; ++k) {
            double depth = 0;
            int lines = 0;
            file >> depth >> lines;
            ASSERT_EQ(lines, 34);
            double y[35] = {}, pp[35] = {};
            for (int i = 1; i <= 34; ++i) {
                int index = 0;
                file >> index >> pp[i] >> y[i];
            }
            const PyCurve& c = p.curves[static_cast<std::size_t>(k)];
            const int station = static_cast<int>(std::lround(depth / 6.0));
            EXPECT_EQ(c.KFROM, station + 4);
            EXPECT_EQ(c.KTO, station + 4);
            EXPECT_EQ(c.KCONT, 1);
            ASSERT_EQ(c.NPTS, 33);
            for (int m = 1; m <= 33; ++m) {
                const double ym = m <= 17 ? -y[35 - m] : y[m - 16];
                const double pm = m <= 17 ? pp[35 - m] : -pp[m - 16];
                EXPECT_DOUBLE_EQ(c.YC[static_cast<std::size_t>(m - 1)], ym) << k << " point " << m;
                EXPECT_DOUBLE_EQ(c.PC[static_cast<std::size_t>(m - 1)], pm * 6.0) << k << " point " << m;
            }
            // Deflections ascend across the two sides.
            for (int m = 1; m < 33; ++m) EXPECT_LE(c.YC[static_cast<std::size_t>(m - 1)], c.YC[static_cast<std::size_t>(m)]);
            const std::string header = userCurves == 0 ? io::Edit("(1X, F10.2, 1X, I5)", {depth, 33})
                                                       : " " + std::to_string(station) + " 33";
            EXPECT_EQ(plot.at(line), header) << k;
            std::istringstream first(plot.at(line + 1));
            double py = 0, ppt = 0;
            first >> py >> ppt;
            EXPECT_DOUBLE_EQ(py, -y[34]);
            EXPECT_DOUBLE_EQ(ppt, pp[34]);  // as read, before INCLEN
            line += 34;
        }
    }
}

TEST(InputEarthPressure, UserTableLoadsTheWallByInterpolation) {
    DataFile d = Wall(20);
    d.INCLEN = 6;
    d.stiffness = {"0\t20\t1\t1000"};
    d.KOUTPT = 1;
    d.distload = {"0\t0", "60\t10", "90\t10"};
    const auto run = ReadProblemText(d.text());
    const auto& Q = run->problem.Q;
    EXPECT_DOUBLE_EQ(Q[0], 0.0);        // the top station gets no earth-pressure load
    EXPECT_DOUBLE_EQ(Q[1], 6.0 * 1.0);  // 6 in: 1 lb/in, times INCLEN
    EXPECT_DOUBLE_EQ(Q[5], 6.0 * 5.0);
    EXPECT_DOUBLE_EQ(Q[15], 6.0 * 10.0);  // 90 in = last row = NEAREST(90/6)
    EXPECT_DOUBLE_EQ(Q[16], 0.0);
    const auto plot = Lines(run->plot.text());
    ASSERT_GE(plot.size(), 4u);
    EXPECT_EQ(plot[0], " 3");
    // A soil pressure of exactly 0 is written as 1.0E-7.
    EXPECT_EQ(plot[1], "   0.000E+00   0.000E+00   0.100E-06   0.000E+00");
    EXPECT_EQ(plot[2], "   0.600E+02   0.100E+02   0.100E+02   0.000E+00");
}

// Generated earth pressure in SI units on a 10 m wall: the module's table of
// 201 rows (one every 0.05 m) is echoed and plotted every fourth row, with
// the width WA down to the free height and WP below it.
TEST(InputEarthPressure, GeneratedTableIsSampledAndTakesTheWidthsOfEachSide) {
    const auto plotRows = [](double WA, double WP) {
        TempDir dir;  // the module's scratch files
        ScopedCurrentDir here(dir.path());
        DataFile d = Wall(40);
        d.UNITS = 2;
        d.INCLEN = 0.25;
        d.HFREE = 4;
        d.WA = WA;
        d.stiffness = {"0\t40\t1\t50000"};
        d.KOUTPT = 2;
        d.soil = {"4\t" + std::to_string(WA) + "\t" + std::to_string(WP) + "\t20\t20\t1\t1\t0",
                  "10\t0\t0\t0\t0\t0", "0", "1", "4 12 ", "18 0.0  30 0.0  20000 0 ", "18 0.0  30 0.0  20000 0 "};
        const auto run = ReadProblemText(d.text());
        std::vector<std::vector<double>> rows;
        const auto lines = Lines(run->plot.text());
        EXPECT_EQ(lines.at(0), " 51");
        for (std::size_t i = 1; i <= 51 && i < lines.size(); ++i) {
            std::istringstream in(lines[i]);
            std::vector<double> row(4);
            for (double& v : row) in >> v;
            rows.push_back(row);
        }
        return rows;
    };
    const auto unit = plotRows(1, 1);
    const auto wide = plotRows(2, 3);
    ASSERT_EQ(unit.size(), 51u);
    ASSERT_EQ(wide.size(), 51u);
    for (std::size_t i = 0; i < unit.size(); ++i) {
        EXPECT_NEAR(unit[i][0], 0.2 * static_cast<double>(i), 1e-9) << i;  // rows 1, 5, 9 ... 201
        const double width = unit[i][0] <= 4.0 ? 2.0 : 3.0;
        for (int column : {1, 2}) {
            if (unit[i][column] < 1e-6) continue;  // no pressure at the surface
            // Three digits survive the scratch file and three the plot field.
            EXPECT_NEAR(wide[i][column] / unit[i][column], width, 1e-2 * width) << "depth " << unit[i][0];
        }
    }
    EXPECT_GT(unit[20][1], 0.0);  // the free height lies inside the loaded part
}

TEST(InputUnits, OtherUnitsKeepThePreviousLabels) {
    DataFile d = Wall();
    d.UNITS = 3;
    d.stiffness = {"0\t10\t1\t1000"};
    const auto run = ReadProblemText(d.text());
    EXPECT_EQ(run->labels.LEN3, "  L");
    EXPECT_EQ(run->labels.FORCE4, "   F");
    EXPECT_NE(run->report.text().find("INCREMENT LENGTH" + std::string(35, ' ') + "=  12.000  L\n"), std::string::npos)
        << run->report.text();
}

}  // namespace
}  // namespace torvex::test
