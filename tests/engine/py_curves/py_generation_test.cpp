#include "py_curves/py_generation.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "core/analysis_stop.h"
#include "io/free_reader.h"
#include "py_curves/equivalent_depth.h"
#include "py_curves/soft_clay.h"
#include "support/test_support.h"

namespace torvex {
namespace {

SoilLayerRecord Layer(int KSOIL, double ZBOT, std::initializer_list<double> values) {
    SoilLayerRecord layer;
    layer.KSOIL = KSOIL;
    layer.ZBOT = ZBOT;
    int i = 0;
    for (double v : values) layer.top[i] = layer.bottom[i] = v, ++i;
    return layer;
}

// Sand values: gamma, c, phi, E50, k.  Clay values likewise.
SoilLayerRecord Sand(double ZBOT) { return Layer(4, ZBOT, {0.0405, 0, 35, 0, 90, 0}); }
SoilLayerRecord SoftClay(double ZBOT) { return Layer(1, ZBOT, {0.06, 5, 0, 0.01, 0, 0}); }

// English units: a 480-in wall of 40 increments, excavation at 120 in, 24-in
// elements 84 in apart (no group reduction, no continuous wall).
struct Problem {
    SoilRecords soil;
    std::vector<PyModRecord> pymod;
    std::vector<UserPyCurve> user;
    int UNITS = 1, NINC = 40;
    double INCLEN = 12, SIGV0 = 0;
    UnitLabels labels;
    io::TextOut report, soildata;
    std::ostringstream console;

    Problem() {
        soil.present = true;
        soil.HFREE = 120;
        soil.WP = 24;
        soil.WA = 84;
        soil.DWB = 10000;
        report.openMemory();
        soildata.openMemory();
    }

    double run() {
        PyGenerationInput in;
        in.UNITS = UNITS;
        in.NINC = NINC;
        in.INCLEN = INCLEN;
        in.soil = &soil;
        in.pymod = &pymod;
        in.userCurves = &user;
        in.SIGV0 = SIGV0;
        in.console = &console;
        return GeneratePyCurves(in, labels, report, soildata);
    }

    // The stop's report lines joined, or "" when the run did not stop.
    std::string runExpectingStop() {
        try {
            run();
        } catch (const AnalysisStop& stop) {
            std::string text;
            for (const std::string& line : stop.reportLines()) text += line + "\n";
            return text;
        }
        return "";
    }
};

// Half a unit in the last place of a value written in E10.3 (0.ddd mantissa).
double HalfUnitE103(double v) {
    if (v == 0) return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 2) * (1 + 1e-9);
}

struct SoilDataCurve {
    double depth = 0;
    std::vector<double> p, y;  // 34 values: excavation side, then backfill side
};

struct SoilData {
    int count = 0;
    std::vector<UserPyCurve> user;
    std::vector<SoilDataCurve> generated;
};

// Reads SOILDATA back as the input phase does: free format, record by record.
SoilData ReadSoilData(const std::string& text, int userCurves) {
    io::FreeReader r;
    r.openText(text, "SOILDATA");
    SoilData data;
    r.beginRead("count");
    data.count = r.readInt("NCURV");
    for (int k = 0; k < data.count; ++k) {
        r.beginRead("curve head");
        if (k < userCurves) {
            UserPyCurve c;
            c.NODE = r.readInt("NODE");
            const int npts = r.readInt("NPTS");
            for (int i = 0; i < npts; ++i) {
                r.beginRead("point");
                EXPECT_EQ(r.readInt("index"), i + 1);
                c.p.push_back(r.readReal("p"));
                c.y.push_back(r.readReal("y"));
            }
            data.user.push_back(c);
            continue;
        }
        SoilDataCurve c;
        c.depth = r.readReal("depth");
        EXPECT_EQ(r.readInt("points"), 34);
        for (int i = 0; i < 34; ++i) {
            r.beginRead("point");
            EXPECT_EQ(r.readInt("index"), i % 17 + 1);
            c.p.push_back(r.readReal("p"));
            c.y.push_back(r.readReal("y"));
        }
        data.generated.push_back(c);
    }
    EXPECT_TRUE(r.atEnd());
    return data;
}

TEST(PyGeneration, SoilDataHoldsUserCurvesThenGeneratedCurvesInDepthOrder) {
    Problem pr;
    pr.soil.layers = {Sand(300), SoftClay(600)};
    pr.user = {{10, {0, 0.5, 1}, {0, 100, 150}}};
    pr.SIGV0 = 2.0;
    EXPECT_DOUBLE_EQ(pr.run(), 120.0);
    const SoilData data = ReadSoilData(pr.soildata.text(), 1);
    EXPECT_EQ(data.count, 1 + 10);
    ASSERT_EQ(data.user.size(), 1u);
    EXPECT_EQ(data.user[0].NODE, 10);
    EXPECT_EQ(data.user[0].p, (std::vector<double>{0, 100, 150}));
    EXPECT_EQ(data.user[0].y, (std::vector<double>{0, 0.5, 1}));

    // Sand 0..180 and clay 180..384 (cut two increments below the tip), in
    // depths below the top of the wall.
    const double depths[10] = {120.1, 165, 210, 255, 299.9, 300.1, 351, 402, 453, 503.9};
    ASSERT_EQ(data.generated.size(), 10u);
    for (int j = 0; j < 10; ++j) {
        SCOPED_TRACE(j);
        const SoilDataCurve& c = data.generated[j];
        EXPECT_NEAR(c.depth, depths[j], 1e-9);
        // Both sides start at y = 0 with the offset: minus in front, plus behind.
        EXPECT_EQ(c.y[0], 0.0);
        EXPECT_EQ(c.y[17], 0.0);
        EXPECT_NEAR(c.p[0], -c.p[17], 1e-12);
        EXPECT_LE(c.p[0], 0.0);
        for (int i = 1; i < 17; ++i) {
            EXPECT_GE(c.y[i], c.y[i - 1]);
            EXPECT_GE(c.y[17 + i], c.y[17 + i - 1]);
        }
    }
    // Sand offset SIGV0 Ka b = 2 x 0.27099 x 24; clay b (SIGV0 - 2c) < 0 gives none.
    EXPECT_NEAR(data.generated[0].p[0], -13.0, 0.05);
    EXPECT_EQ(data.generated[5].p[0], 0.0);
    EXPECT_EQ(pr.console.str(), " READ SOIL DATA....\n");
}

TEST(PyGeneration, SoilDataKeepsThreeSignificantDigits) {
    Problem pr;
    pr.soil.layers = {SoftClay(600)};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    ASSERT_FALSE(data.generated.empty());
    // The first curve, 0.1 in below the excavation, in front of the wall.
    py::SoftClaySoil soil{24, 5, 0.06, 0.01};
    const py::SoftClayCurve exact = py::ComputeSoftClayCurve(soil, 0.1, 0.1, false);
    for (int k = 0; k < 17; ++k) {
        SCOPED_TRACE(k);
        const double p = data.generated[0].p[k], y = data.generated[0].y[k];
        EXPECT_NEAR(p, exact.points.p[k], HalfUnitE103(exact.points.p[k]));
        EXPECT_NEAR(y, exact.points.y[k], HalfUnitE103(exact.points.y[k]));
        // E10.3: a mantissa of three digits.
        if (p != 0) {
            const double scale = std::pow(10.0, std::floor(std::log10(std::fabs(p))) - 2);
            EXPECT_NEAR(p / scale, std::round(p / scale), 1e-6);
        }
    }
}

TEST(PyGeneration, GroupReductionScalesEveryGeneratedCurve) {
    // WA = 2 WP: 0.5292 x 2^0.5659 = 0.7834 against elements 3.5 widths apart.
    Problem reduced, single;
    for (Problem* pr : {&reduced, &single}) pr->soil.layers = {Sand(300), SoftClay(600)};
    reduced.soil.WA = 48;
    single.soil.WA = 84;
    reduced.run();
    single.run();
    const SoilData a = ReadSoilData(reduced.soildata.text(), 0);
    const SoilData b = ReadSoilData(single.soildata.text(), 0);
    ASSERT_EQ(a.generated.size(), b.generated.size());
    for (std::size_t j = 0; j < a.generated.size(); ++j) {
        for (int i = 0; i < 34; ++i) {
            const double full = b.generated[j].p[i];
            const double reduced = a.generated[j].p[i];
            EXPECT_NEAR(reduced, 0.78338 * full, HalfUnitE103(reduced) + 0.78338 * HalfUnitE103(full));
            EXPECT_EQ(a.generated[j].y[i], b.generated[j].y[i]);
        }
    }
    EXPECT_NE(reduced.report.text().find("P-Multiplier =  0.783E+00 Y-Multiplier =  0.100E+01"),
              std::string::npos);
}

TEST(PyGeneration, ModificationFactorsReplaceTheGroupReduction) {
    Problem pr;
    pr.soil.WA = 48;
    pr.soil.layers = {SoftClay(600)};
    pr.pymod = {{0, 1.0, 1.0}, {300, 0.5, 2.0}, {300, 0.8, 2.0}, {600, 0.8, 2.0}};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    // The curve at 120.1 in: p-factor 1 - 0.5 x 120.1 / 300, y-factor 1 + 120.1 / 300.
    const double pf = 1 - 0.5 * 120.1 / 300, yf = 1 + 120.1 / 300;
    py::SoftClaySoil soil{24, 5, 0.06, 0.01};
    const py::SoftClayCurve exact = py::ComputeSoftClayCurve(soil, 0.1, 0.1, false);
    EXPECT_NEAR(data.generated[0].p[16], pf * exact.pu, HalfUnitE103(pf * exact.pu));
    EXPECT_NEAR(data.generated[0].y[16], yf * exact.points.y[16],
                HalfUnitE103(yf * exact.points.y[16]));
    EXPECT_NE(pr.report.text().find("REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS"),
              std::string::npos);
}

// The same soil split into two layers must give nearly the curves of one
// thick layer: the lower layer's resistance builds on the equivalent depth
// instead of restarting at its top.
TEST(PyGeneration, LowerLayerContinuesFromTheEquivalentDepth) {
    struct Case {
        const char* name;
        SoilLayerRecord (*layer)(double);
        double tolerance;
    } cases[] = {{"soft clay", SoftClay, 0.01}, {"sand", Sand, 0.03}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Problem split, whole;
        split.soil.layers = {c.layer(240), c.layer(600)};
        whole.soil.layers = {c.layer(600)};
        split.run();
        whole.run();
        const SoilData s = ReadSoilData(split.soildata.text(), 0);
        const SoilData w = ReadSoilData(whole.soildata.text(), 0);
        ASSERT_EQ(s.generated.size(), 10u);
        // The lower layer's first curve (240.1 in) lies between the whole
        // layer's curves at 216 in and 312 in, and so does its ultimate
        // resistance; restarting at the layer top would give far less.
        const double pu = s.generated[5].p[16];
        EXPECT_GT(pu, w.generated[1].p[16] * (1 - c.tolerance));
        EXPECT_LT(pu, w.generated[2].p[16]);
        // At the bottom (503.9 in) both profiles have a curve: they agree.
        EXPECT_NEAR(s.generated[9].p[16], w.generated[4].p[16],
                    c.tolerance * w.generated[4].p[16]);
    }
}

TEST(PyGeneration, NoLayerBelowTheExcavationGivesOnlyUserCurves) {
    Problem pr;
    pr.soil.layers = {Sand(100)};
    pr.user = {{5, {0, 1}, {0, 10}}};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 1);
    EXPECT_EQ(data.count, 1);
    EXPECT_TRUE(data.generated.empty());
    EXPECT_NE(pr.report.text().find("         0 LAYER(S) OF SOIL"), std::string::npos);
}

TEST(PyGeneration, UnknownSoilCodeIsTakenAsSoftClay) {
    Problem clay, unknown;
    clay.soil.layers = {SoftClay(600)};
    unknown.soil.layers = {SoftClay(600)};
    unknown.soil.layers[0].KSOIL = 9;
    clay.run();
    unknown.run();
    EXPECT_EQ(unknown.soildata.text(), clay.soildata.text());
    EXPECT_EQ(unknown.report.text().find("THE SOIL IS"), std::string::npos);
}

TEST(PyGeneration, WritesTheScratchFileInTheCurrentFolderWhenNoneIsOpen) {
    test::TempDir dir;
    test::ScopedCurrentDir cd(dir.path());
    Problem memory, file;
    memory.soil.layers = file.soil.layers = {Sand(600)};
    file.soildata.close();
    memory.run();
    file.run();
    EXPECT_FALSE(file.soildata.isOpen());
    EXPECT_EQ(test::ReadFile(dir.file("SOILDATA")), memory.soildata.text());
}

TEST(PyGeneration, UndefinedCurvesEndTheAnalysisNamingLayerAndValue) {
    struct Case {
        const char* name;
        std::vector<SoilLayerRecord> layers;
        double WP;
        const char* expected;
    } cases[] = {
        {"soft clay without E50", {Sand(240), Layer(1, 600, {0.06, 5, 0, 0, 0, 0})}, 24,
         "ERROR -- LAYER  2, SOFT CLAY: E50 = 0.0000E+00 AT DEPTH    240.10 IN"},
        {"sand without friction", {Layer(4, 600, {0.0405, 0, 0, 0, 90, 0})}, 24,
         "ERROR -- LAYER  1, SAND: FRICTION ANGLE = 0.0000E+00 AT DEPTH    120.10 IN"},
        {"sand without weight", {Layer(4, 600, {0.036, 0, 30, 0, 90, 0})}, 24,
         "ERROR -- LAYER  1, SAND: GAMMA AVG = 0.0000E+00 AT DEPTH    120.10 IN"},
        {"no wall width", {Sand(600)}, 0,
         "ERROR -- THE WALL WIDTH FOR SOIL RESISTANCE WP = 0.0000E+00 IN"},
        {"stiff clay below water without E50", {Layer(2, 600, {0.06, 10, 0, 0, 500, 0})}, 24,
         "ERROR -- LAYER  1, STIFF CLAY BELOW THE WATER TABLE: E50 = 0.0000E+00"},
        {"stiff clay above water without E50", {Layer(3, 600, {0.06, 10, 0, 0, 500, 0})}, 24,
         "ERROR -- LAYER  1, STIFF CLAY ABOVE THE WATER TABLE: E50 = 0.0000E+00"},
        {"strong rock without strength", {Sand(240), Layer(6, 600, {0.09, 0, 0, 0, 0, 0})}, 24,
         "ERROR -- LAYER  2, ROCK: QU = 0.0000E+00 AT DEPTH    240.10 IN"},
        {"weak rock without strain factor", {Layer(7, 600, {0.09, 1000, 0, 0, 50000, 50})}, 24,
         "ERROR -- LAYER  1, WEAK ROCK: KRM = 0.0000E+00 AT DEPTH    120.10 IN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Problem pr;
        pr.soil.layers = c.layers;
        pr.soil.WP = c.WP;
        pr.soil.DWB = 120;  // for the weightless sand: 0.036 below water
        const std::string stop = pr.runExpectingStop();
        EXPECT_NE(stop.find(c.expected), std::string::npos) << stop;
        EXPECT_EQ(pr.soildata.text().find("nan"), std::string::npos);
    }
}

TEST(PyGeneration, SoftClayWarnsOfDeflectionsBelowTheModulusLimit) {
    Problem pr;
    pr.soil.layers = {SoftClay(600)};
    pr.pymod = {{0, 1.0, 0.0}, {1000, 1.0, 0.0}};  // y-factor 0
    pr.run();
    const std::string& text = pr.report.text();
    int warnings = 0;
    for (std::size_t at = text.find("**** WARNING ****"); at != std::string::npos;
         at = text.find("**** WARNING ****", at + 1)) {
        ++warnings;
    }
    EXPECT_EQ(warnings, 5 * 2 * 16);
    EXPECT_NE(text.find("     DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\n"
                        "     USED A SOIL MODULUS OF "),
              std::string::npos);
}

// The profile echo, reviewed by eye against its layout: a sand over soft
// clay with the water table inside the sand, modification factors, and a
// clay whose E50 vanishes at its bottom.
TEST(PyGeneration, ProfileEchoLayout) {
    Problem pr;
    SoilLayerRecord clay = SoftClay(600);
    clay.bottom[3] = 0;
    pr.soil.layers = {Sand(300), clay};
    pr.soil.DWB = 240;
    pr.pymod = {{0, 1, 1}, {300, 0.8, 1}};
    pr.run();
    const std::string expected =
        "\n"
        "\n"
        "      **************************************************\n"
        "      *        SOIL LAYERS AND STRENGTH DATA           *\n"
        "      **************************************************\n"
        "\n"
        "\n"
        "         X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN\n"
        "\n"
        "         2 LAYER(S) OF SOIL\n"
        "\n"
        "         LAYER  1\n"
        "         THE SOIL IS A SAND\n"
        "\n"
        "         LAYER  2\n"
        "         THE SOIL IS A SOFT CLAY\n"
        "\n"
        "\n"
        "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n"
        "                            4 POINTS\n"
        "\n"
        "                     X,IN   WEIGHT,LBS/IN**3  \n"
        "                 120.0000     0.4050D-01\n"
        "                 240.0000     0.4050D-01\n"
        "                 240.0000     0.2400D-01\n"
        "                 600.0000     0.2400D-01\n"
        "\n"
        "\n"
        "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\n"
        "                            4 POINTS\n"
        "\n"
        "                     X,IN     S,LBS/IN**2      PHI,DEGREES      E50\n"
        "                   120.00     0.0000D+00         35.000       -----\n"
        "                   300.00     0.0000D+00         35.000       -----\n"
        "                   300.00     0.5000D+01          0.000     0.1000D-01\n"
        "                   504.00     0.5000D+01          0.000     0.3200D-02\n"
        "\n"
        "         REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n"
        "                                        \n"
        "             DEPTH     P-FACTOR     Y-FACTOR        \n"
        "\n"
        "               0.00      1.00        1.00\n"
        "             300.00      0.80        1.00\n"
        "\n"
        "\n"
        "        P-Y CURVES DATA\n"
        "\n";
    EXPECT_EQ(pr.report.text().substr(0, expected.size()), expected);
}

// One soft-clay and one sand curve section, reviewed by eye.
TEST(PyGeneration, CurveSectionLayouts) {
    Problem pr;
    pr.soil.layers = {Sand(240), SoftClay(600)};
    pr.run();
    const std::string& text = pr.report.text();
    const std::string sand =
        "\n"
        "\n"
        "         AT THE EXCAVATION SIDE\n"
        "\n"
        "\n"
        "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD\n"
        "                 IN         IN         LBS/IN**3  \n"
        "                0.10      24.00  35.00 0.41E-01   2.83 2.14 0.33E+00 0.52E+01\n"
        "\n"
        "                                      Y                   P\n"
        "                                      IN               LBS/IN\n"
        "                                    0.000               0.000\n";
    EXPECT_NE(text.find(sand), std::string::npos);
    const std::string clay =
        "\n"
        "\n"
        "         AT THE BACKFILL SIDE\n"
        "\n"
        "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50\n"
        "               IN             IN     LBS/IN**2  LBS/IN**3  \n";
    EXPECT_NE(text.find(clay), std::string::npos);
    EXPECT_NE(text.find("\n                                     Y,IN             P,LBS/IN\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n\n                      P-Multiplier =  0.100E+01 Y-Multiplier =  "
                        "0.100E+01\n"),
              std::string::npos);
}

}  // namespace
}  // namespace torvex

namespace torvex {
namespace {

SoilLayerRecord Silt(double ZBOT, double phi) { return Layer(5, ZBOT, {0.04, 2, phi, 0.01, 100, 0}); }
SoilLayerRecord WeakRock(double ZBOT) { return Layer(7, ZBOT, {0.09, 1000, 0, 0.0005, 50000, 50}); }
SoilLayerRecord StrongRock(double ZBOT) { return Layer(6, ZBOT, {0.09, 5000, 0, 0, 0, 0}); }
SoilLayerRecord StiffClay(int KSOIL, double ZBOT) {
    return Layer(KSOIL, ZBOT, {0.06, 10, 0, 0.005, 500, 0});
}

TEST(PyGenerationStops, SiltWithoutFrictionStopsWithItsWarning) {
    Problem pr;
    pr.soil.layers = {Sand(240), Silt(600, 0)};
    try {
        pr.run();
        FAIL() << "expected the analysis to stop";
    } catch (const AnalysisStop& stop) {
        // Two empty lines, as before every stop, then the one line.
        ASSERT_EQ(stop.reportLines().size(), 3u);
        EXPECT_EQ(stop.reportLines()[0], "");
        EXPECT_NE(stop.reportLines()[2].find("LAYER  2, SILT: THE FRICTION ANGLE IS   0.00 DEGREES"),
                  std::string::npos)
            << stop.reportLines()[2];
        EXPECT_EQ(stop.console(),
                  "\n\n"
                  "       WARNING-------The Angle of the slope can not\n"
                  "                     be greater than the internal  \n"
                  "                     friction angle of the sand.   \n"
                  "\n");
    }
    // The sand's five curves were written, none of the silt's.
    EXPECT_NE(pr.soildata.text().find("\n 239.9 34\n"), std::string::npos);
    EXPECT_EQ(pr.soildata.text().find("\n 240.1 34\n"), std::string::npos);
}

TEST(PyGenerationStops, WeakRockWithoutStrengthBelowItsTopStops) {
    // No strength at all: the first curve passes, the second (at 120 +
    // 120 in) stops.  Strength 0 at the top only is accepted.
    Problem none, topOnly;
    SoilLayerRecord rock = WeakRock(600);
    rock.top[1] = rock.bottom[1] = 0;
    none.soil.layers = {rock};
    try {
        none.run();
        FAIL() << "expected the analysis to stop";
    } catch (const AnalysisStop& stop) {
        ASSERT_EQ(stop.reportLines().size(), 3u);
        EXPECT_EQ(stop.reportLines()[1], "");
        EXPECT_NE(stop.reportLines()[2].find("LAYER  1, WEAK ROCK: THE COMPRESSIVE STRENGTH IS "
                                             "0.0000E+00 AT DEPTH    216.00 IN"),
                  std::string::npos)
            << stop.reportLines()[2];
        EXPECT_NE(stop.console().find("THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT"),
                  std::string::npos);
    }
    SoilLayerRecord rising = WeakRock(600);
    rising.top[1] = 0;
    topOnly.soil.layers = {rising};
    EXPECT_NO_THROW(topOnly.run());
}

// A rock sublayer adds nothing to the resistance above the layers below it:
// a soft clay under weak rock starts again as at the surface.
TEST(PyGeneration, RockAboveASoilLayerContributesNoResistance) {
    Problem pr;
    pr.soil.layers = {WeakRock(180), SoftClay(600)};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    ASSERT_EQ(data.generated.size(), 10u);
    // Clay's first curve 60.1 in below the excavation, x = 0.1 in: Np = 3 + ...
    const double Np = 3 + 0.06 * 0.1 / 5 + 0.5 * 0.1 / 24;
    EXPECT_NEAR(data.generated[5].p[14], 5 * Np * 24, HalfUnitE103(5 * Np * 24));
}

// Stiff clay below free water hands on its flow resistance 11cb weighted by
// the residual factor R: a soft clay below it starts from the equivalent depth
// of that integral.  The clay lies 120 in or more below the excavation (x/b
// >= 5), so pc = 11cb = 2640 lb/in and R = 1.225 sqrt(0.6) - 0.45 - 0.411 at
// every curve; the rock above it adds nothing.
TEST(PyGeneration, StiffClayBelowWaterPassesOnItsResidualResistance) {
    Problem pr;
    pr.soil.layers = {Layer(7, 240, {0.06, 1000, 0, 0.0005, 50000, 50}),
                      Layer(2, 480, {0.06, 10, 0, 0.005, 2000, 0}),
                      Layer(1, 600, {0.06, 5, 0, 0.01, 0, 0})};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    ASSERT_EQ(data.generated.size(), 15u);

    const double R = 1.225 * std::sqrt(0.6) - 0.75 * 0.6 - 0.411;
    const double FPREV = 11 * 10 * 24 * R * (359.9 - 120.1);
    // Soft clay's first curve, 0.1 in below its top, at 8 y50 (point 15): pu.
    const double x = 0.1 + py::ClayEquivalentDepth(FPREV, 5, 0.06, 24);
    const double pu = 5 * (3 + 0.06 * x / 5 + 0.5 * x / 24) * 24;
    EXPECT_NEAR(data.generated[10].p[14], pu, HalfUnitE103(pu));
}

TEST(PyGeneration, RockCurvesUseTheirOwnHeadingsAndRecords) {
    Problem pr;
    pr.soil.layers = {StrongRock(600)};
    pr.run();
    const std::string& text = pr.report.text();
    EXPECT_EQ(text.find("AT THE EXCAVATION SIDE"), std::string::npos);
    EXPECT_EQ(text.find("P-Multiplier"), std::string::npos);
    EXPECT_NE(text.find("\n                 DEPTH-EXCAVATION SIDE     DIAM        C"), std::string::npos);
    EXPECT_NE(text.find("\n                 DEPTH-BACKFILL SIDE       DIAM        C"), std::string::npos);
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    // Residual 0.5 gamma b depth: 0.1 in below the excavation in front,
    // 120.1 in below the backfill surface behind.
    EXPECT_NEAR(data.generated[0].p[16], 0.5 * 0.09 * 24 * 0.1, HalfUnitE103(0.108));
    EXPECT_NEAR(data.generated[0].p[33], 0.5 * 0.09 * 24 * 120.1, HalfUnitE103(129.7));
}

TEST(PyGeneration, WeakRockIsStrongerBehindTheWallNearItsTop) {
    Problem pr;
    pr.soil.layers = {WeakRock(600)};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    // First curve: xr = 0.1 in front, 120.1 in behind (beyond 3b = 72: 5.2 alpha qua b).
    EXPECT_NEAR(data.generated[0].p[33], std::min(0.5 * 83200 * std::pow(12.0, 0.25), 83200.0),
                HalfUnitE103(75000));
    EXPECT_LT(data.generated[0].p[16], data.generated[0].p[33]);
}

// Sand over stiff clay (both kinds) over silt over weak rock: every model
// generates its section in depth order.
TEST(PyGeneration, MixedProfileGeneratesEveryModelInOrder) {
    Problem pr;
    pr.NINC = 70;  // 840-in wall
    pr.soil.layers = {Sand(200), StiffClay(2, 300), StiffClay(3, 400), Silt(500, 30),
                      WeakRock(700), StrongRock(900)};
    pr.run();
    const SoilData data = ReadSoilData(pr.soildata.text(), 0);
    EXPECT_EQ(data.count, 30);
    for (std::size_t j = 1; j < data.generated.size(); ++j) {
        EXPECT_GT(data.generated[j].depth, data.generated[j - 1].depth);
    }
    const std::string& text = pr.report.text();
    std::size_t at = 0;
    for (const char* heading :
         {"PCT       PCD", "CAVG    GAMMA AVG      E50", "CAVG    GAMMA AVG     E50",
          "Puc       Pu\u03c6", " Eu    GAMMA AVG", "DEPTH-EXCAVATION SIDE"}) {
        at = text.find(heading, at);
        EXPECT_NE(at, std::string::npos) << heading;
    }
}

}  // namespace
}  // namespace torvex
