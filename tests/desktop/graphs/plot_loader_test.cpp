// Loading the engine's plot data file into the result graphs.
#include "graphs/graph_texts.h"
#include "graphs/plot_loader.h"
#include "graphs/plot_number_reader.h"
#include "graphs/result_graphs.h"
#include "grid/message_box.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torvex::graphs;

namespace {

QString Fixture(const char* name) { return QStringLiteral(TORVEX_TEST_DATA "/plot/") + QString::fromUtf8(name); }

// Counts the information boxes the loader asks for, and keeps the last text.
struct MessageLog {
    static inline int count = 0;
    static inline QString last;
    static void Record(QWidget*, const QString& text) {
        ++count;
        last = text;
    }
};

class PlotLoader : public ::testing::Test {
protected:
    void SetUp() override {
        MessageLog::count = 0;
        MessageLog::last.clear();
        previous_ = torvex::SetInformationHandler(&MessageLog::Record);
    }
    void TearDown() override { torvex::SetInformationHandler(previous_); }

    static std::vector<QString> Names(const TGraphPlot* plot) {
        std::vector<QString> names;
        for (int i = 0; i < plot->Curves.Count(); ++i) names.push_back(plot->DisplayName(i));
        return names;
    }
    static void ExpectPoint(const TLine& line, int j, double x, double y) {
        ASSERT_LT(j, line.Count());
        EXPECT_NEAR(static_cast<double>(line.Points[static_cast<std::size_t>(j)].X), x, 1e-9) << "point " << j;
        EXPECT_NEAR(static_cast<double>(line.Points[static_cast<std::size_t>(j)].Y), y, 1e-9) << "point " << j;
    }

    TResultGraphs graphs;
    torvex::InformationHandler previous_ = nullptr;
};

TEST_F(PlotLoader, ReadsEveryKindOfPlotFile) {
    const struct {
        const char* file;
        int nextCode;
        int curves;  // result curves (pltDef)
        int rows;    // points of pltDef's first curve
        int pyCurves;
        std::vector<QString> names;
        int units;
    } cases[] = {
        {"single_english.tx5p", 0, 1, 3, 2, {"Load #1"}, 1},
        {"pair_si.tx5p", 9, 2, 3, 1, {"Short-Term", "Long-Term"}, 2},
        {"pair_si.tx5p", 0, 2, 3, 1, {"Stage: 1", "Stage: 2"}, 2},
        {"three_stages_uneven.tx5p", 0, 3, 4, 2, {"Stage: 1", "Stage: 2", "Stage: 3"}, 2},
        {"zero_sets.tx5p", 0, 1, 0, 0, {"Load #1"}, 2},
        // Files written by the engine.
        {"cantilever_user_curves.tx5p", 0, 1, 42, 5, {"Load #1"}, 1},
        {"sand_cantilever.tx5p", 0, 1, 62, 5, {"Load #1"}, 1},
        {"long_term.tx5p", 9, 2, 62, 5, {"Short-Term", "Long-Term"}, 1},
        {"three_stages.tx5p", 0, 3, 122, 10, {"Stage: 1", "Stage: 2", "Stage: 3"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TResultGraphs g;
        TPlotProject project;
        project.Units = c.units;
        project.NextCode = c.nextCode;
        ASSERT_TRUE(g.Load(Fixture(c.file), true, project));
        EXPECT_TRUE(g.ResultsLoaded());
        EXPECT_EQ(MessageLog::count, 0);
        for (const TGraphPlot* plot : {g.pltDef, g.pltMom, g.pltShear, g.pltSoil}) {
            ASSERT_EQ(plot->Curves.Count(), c.curves);
            for (int i = 0; i < c.curves; ++i) EXPECT_EQ(plot->Curves[i].Count(), c.rows);
            EXPECT_EQ(Names(plot), c.names);
        }
        for (const TCurveList* list : {&g.pltDMS->Curves, &g.pltDMS->Curves2, &g.pltDMS->Curves3}) {
            ASSERT_EQ(list->Count(), c.curves);
            EXPECT_EQ((*list)[0].Count(), c.rows);
        }
        EXPECT_TRUE(g.pltDMS->ShowThree);
        EXPECT_EQ(g.pltLD->Curves.Count(), c.curves);
        EXPECT_EQ(g.PltCombine->Curves.Count(), 3);
        EXPECT_EQ(g.pltPY->Curves.Count(), c.pyCurves);
        for (const TGraphPlot* plot : g.All()) EXPECT_EQ(plot->Units(), c.units);
        EXPECT_EQ(g.pltDef->YCaption, c.units == 1 ? "Depth (ft)" : "Depth (m)");
    }
}

TEST_F(PlotLoader, EnglishResultsShowFeetInchKipsAndKips) {
    TPlotProject project;  // English
    ASSERT_TRUE(graphs.Load(Fixture("single_english.tx5p"), true, project));
    // Row: depth 120 in, deflection 0.5 in, moment 24000 lb-in, shear 3000 lb, reaction -15.
    ExpectPoint(graphs.pltDef->Curves[0], 1, 0.5, 10);
    ExpectPoint(graphs.pltMom->Curves[0], 1, 24, 10);
    ExpectPoint(graphs.pltShear->Curves[0], 1, 3, 10);
    ExpectPoint(graphs.pltSoil->Curves[0], 1, -15, 10);
    ExpectPoint(graphs.pltDMS->Curves2[0], 2, 12, 20);
    ExpectPoint(graphs.pltLD->Curves[0], 1, 33, 10);

    const TCurveList& combined = graphs.PltCombine->Curves;
    EXPECT_EQ(Names(graphs.PltCombine), (std::vector<QString>{"Total Earth Pressure", "from Soils ", "from Surcharge Loads"}));
    ExpectPoint(combined[0], 1, 33, 10);
    ExpectPoint(combined[1], 1, 30, 10);
    ExpectPoint(combined[2], 1, 3, 10);
    ExpectPoint(combined[1], 0, 1e-7, 0);

    // p-y curves: the header's depth becomes the name; the short curve
    // repeats its last point up to the longest curve's count.
    EXPECT_EQ(Names(graphs.pltPY), (std::vector<QString>{"Depth96", "Depth144"}));
    ASSERT_EQ(graphs.pltPY->Curves[1].Count(), 3);
    ExpectPoint(graphs.pltPY->Curves[1], 1, 1, 80);
    ExpectPoint(graphs.pltPY->Curves[1], 2, 1, 80);
    ExpectPoint(graphs.pltPY->Curves[0], 0, -1, -50);

    EXPECT_EQ(graphs.pltMom->XCaption, "Bending Moment (in-kips)");
    EXPECT_EQ(graphs.pltShear->XCaption, "Shear (kips)");
    EXPECT_EQ(graphs.pltLD->YCaption, "Depth (ft)");
    EXPECT_EQ(graphs.pltDMS->XAxisText(1), "Deflection (in)");
    EXPECT_EQ(graphs.pltDMS->XAxisText(2), "Bending Moment (in-kips)");
    EXPECT_EQ(graphs.pltDMS->XAxisText(3), "Shear (kips)");
    EXPECT_EQ(graphs.pltDMS->YAxisText(3), "Depth (ft)");
    EXPECT_EQ(graphs.pltSoil->XAxisText(1), "Reaction (lbs)");
    EXPECT_EQ(graphs.pltPY->YAxisText(1), "p (lbs/in)");
}

TEST_F(PlotLoader, CombinedPressureFollowsTheProjectUnitsAndTheRestTheFile) {
    TPlotProject project;
    project.Units = 2;  // the file says English
    ASSERT_TRUE(graphs.Load(Fixture("single_english.tx5p"), false, project));
    ExpectPoint(graphs.PltCombine->Curves[0], 1, 33, 120);
    ExpectPoint(graphs.pltLD->Curves[0], 1, 33, 10);
}

TEST_F(PlotLoader, EveryStageKeepsItsOwnRowsAndShortOnesRepeatTheirLast) {
    TPlotProject project;
    project.Units = 2;
    ASSERT_TRUE(graphs.Load(Fixture("three_stages_uneven.tx5p"), true, project));
    const TLine& second = graphs.pltDef->Curves[1];
    ExpectPoint(second, 0, 0.02, 0);
    ExpectPoint(second, 2, 0.01, 2);
    ExpectPoint(second, 3, 0.01, 2);  // padded
    ExpectPoint(graphs.pltDef->Curves[0], 3, 0.004, 3);
    ExpectPoint(graphs.pltDef->Curves[2], 3, 0.015, 3);
    ExpectPoint(graphs.pltMom->Curves[1], 3, 4, 2);
    ExpectPoint(graphs.pltDMS->Curves3[1], 3, -2, 2);
    ExpectPoint(graphs.pltDMS->Curves3[2], 1, 3, 1);

    ASSERT_EQ(graphs.pltLD->Curves[1].Count(), 3);
    ExpectPoint(graphs.pltLD->Curves[1], 1, 15, 3);
    ExpectPoint(graphs.pltLD->Curves[1], 2, 15, 3);
    ExpectPoint(graphs.pltLD->Curves[2], 2, 24, 4);

    // The combined pressure is the first stage's; the p-y curves the last
    // stage's, without lengthening.
    ExpectPoint(graphs.PltCombine->Curves[0], 2, 20, 4);
    ASSERT_EQ(graphs.pltPY->Curves.Count(), 2);
    EXPECT_EQ(graphs.pltPY->Curves[0].Count(), 3);
    EXPECT_EQ(graphs.pltPY->Curves[1].Count(), 2);
    ExpectPoint(graphs.pltPY->Curves[0], 1, 0.01, 15);
    EXPECT_EQ(graphs.pltMom->XCaption, "Bending Moment (m-kN)");
    EXPECT_EQ(graphs.pltShear->XCaption, "Shear (kN)");
}

TEST_F(PlotLoader, SoilColumnHasOneLinePerLayerThenTheWallTipAndExcavation) {
    TPlotProject project;  // English: wall lengths in inches, layer depths in feet
    project.Increments = 40;
    project.IncrementLength = 6;
    project.FreeHeight = 120;
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 9, 0};
    for (int i = 0; i < 9; ++i) project.SoilLayers.push_back({types[i], 5.0 * (i + 1)});
    ASSERT_TRUE(graphs.Load(Fixture("single_english.tx5p"), false, project));

    const TGraphPlot& dms = *graphs.pltDMS;
    ASSERT_EQ(dms.LayerLines.Count(), 11);
    EXPECT_EQ(dms.WallLineCount, 9);
    const struct {
        const char* name;
        int fill;
    } want[] = {{" CLAY ", 1},      {" CLAY ", 1},    {" CLAY ", 1}, {" SAND ", 7},   {" SILT ", 8}, {"STRONG ROCK", 9},
                {"WEAK ROCK", 10}, {"LAYER 8", 0},   {" CLAY ", 1}, {"PILE", 0},     {"PILE", 0}};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dms.LayerLines[i].Name, want[i].name);
        ASSERT_EQ(dms.LayerLines[i].Count(), 1);
        EXPECT_EQ(dms.LayerLines[i].Points[0].X, want[i].fill);
    }
    EXPECT_NEAR(static_cast<double>(dms.LayerLines[4].Points[0].Y), 25, 1e-12);
    EXPECT_NEAR(static_cast<double>(dms.LayerLines[9].Points[0].Y), 20, 1e-12);   // 40 x 6 in = 20 ft
    EXPECT_NEAR(static_cast<double>(dms.LayerLines[10].Points[0].Y), 10, 1e-12);  // 120 in = 10 ft

    // SI lengths stay in metres; no layers leaves the two wall lines alone.
    TResultGraphs si;
    TPlotProject bare;
    bare.Units = 2;
    bare.Increments = 120;
    bare.IncrementLength = 0.1;
    bare.FreeHeight = 4;
    ASSERT_TRUE(si.Load(Fixture("pair_si.tx5p"), false, bare));
    ASSERT_EQ(si.pltDMS->LayerLines.Count(), 2);
    EXPECT_EQ(si.pltDMS->WallLineCount, 0);
    EXPECT_NEAR(static_cast<double>(si.pltDMS->LayerLines[0].Points[0].Y), 12, 1e-12);
    EXPECT_NEAR(static_cast<double>(si.pltDMS->LayerLines[1].Points[0].Y), 4, 1e-12);
}

TEST_F(PlotLoader, ReadErrorsEndTheLoadAndSpeakOnlyWhenAsked) {
    const char* broken[] = {"truncated.tx5p", "malformed.tx5p", "no_such_file.tx5p"};
    for (const char* file : broken) {
        SCOPED_TRACE(file);
        for (bool messages : {false, true}) {
            MessageLog::count = 0;
            TResultGraphs g;
            EXPECT_FALSE(g.Load(Fixture(file), messages, TPlotProject{}));
            EXPECT_FALSE(g.ResultsLoaded());
            EXPECT_EQ(MessageLog::count, messages ? 1 : 0);
            if (messages) {
                EXPECT_EQ(MessageLog::last, "An error occured in running the main program.");
            }
        }
    }
    // What was read before the error stays: the file breaks off in its results.
    ASSERT_FALSE(graphs.Load(Fixture("truncated.tx5p"), false, TPlotProject{}));
    ASSERT_EQ(graphs.pltPY->Curves.Count(), 2);
    EXPECT_EQ(graphs.pltPY->Curves[1].Value, 144);
    ExpectPoint(graphs.pltLD->Curves[0], 1, 33, 10);
    // It breaks off before the third of three result rows: the first two stay.
    for (const TGraphPlot* plot : {graphs.pltDef, graphs.pltMom}) {
        ASSERT_EQ(plot->Curves.Count(), 1);
        EXPECT_EQ(plot->Curves[0].Count(), 2);
    }
    ExpectPoint(graphs.pltDef->Curves[0], 1, 0.5, 10);
    ExpectPoint(graphs.pltMom->Curves[0], 1, 24, 10);

    // A file that breaks off inside the points of a p-y curve keeps the points before the break.
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.tx5p");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(" 0\n 2 1\n 3.0 3\n 0 0\n 0.5 40\n 1\n");
    f.close();
    TResultGraphs cut;
    EXPECT_FALSE(cut.Load(path, false, TPlotProject{}));
    ASSERT_EQ(cut.pltPY->Curves.Count(), 1);
    ASSERT_EQ(cut.pltPY->Curves[0].Count(), 2);
    ExpectPoint(cut.pltPY->Curves[0], 1, 0.5, 40);
}

TEST_F(PlotLoader, ACountLargerThanTheFileCanHoldIsAPrematureEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.tx5p");
    // Earth-pressure rows, p-y curves, result sets, result rows, points of a p-y curve.
    for (const char* text : {" 2000000000\n", " 0\n 1 2000000000\n", " 0\n 1 0\n 2000000000 5 1\n",
                             " 0\n 1 0\n 1 2000000000 1\n", " 0\n 1 1\n 3.0 2000000000\n"}) {
        SCOPED_TRACE(text);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        TResultGraphs g;
        EXPECT_FALSE(g.Load(path, false, TPlotProject{}));
        EXPECT_LE(g.pltDef->Curves.Count(), 1);
        EXPECT_LE(g.pltPY->Curves.Count(), 1);
    }
}

TEST_F(PlotLoader, ANewLoadReplacesCurveCountsAndNames) {
    TPlotProject project;
    project.Units = 2;
    ASSERT_TRUE(graphs.Load(Fixture("three_stages_uneven.tx5p"), false, project));
    graphs.pltPY->Curves[0].Name = "edited";
    graphs.pltDef->Curves[0].Visible = false;
    ASSERT_TRUE(graphs.Load(Fixture("single_english.tx5p"), false, TPlotProject{}));
    EXPECT_EQ(Names(graphs.pltDef), (std::vector<QString>{"Load #1"}));
    EXPECT_EQ(Names(graphs.pltDMS), (std::vector<QString>{"Curve #1"}));
    EXPECT_EQ(graphs.pltPY->DisplayName(0), "Depth96");
    EXPECT_EQ(graphs.pltLD->Curves.Count(), 1);
    EXPECT_FALSE(graphs.pltDef->Curves[0].Visible);  // display options stay with the graph
}

TEST(PlotNumberReader, ReadsBlankSeparatedNumbersAcrossLines) {
    TPlotNumberReader r(QByteArray(" 33\t33.0\r\n3.3E1 -2147483648\n  0.100E-06 +2.5 -7e-3\n"));
    EXPECT_EQ(r.ReadInteger(), 33);
    EXPECT_EQ(r.ReadInteger(), 33);
    EXPECT_EQ(r.ReadInteger(), 33);
    EXPECT_EQ(r.ReadInteger(), -2147483647 - 1);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 1.0e-7);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 2.5);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), -0.007);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_THROW(r.ReadFloat(), EPlotReadError);
}

TEST(PlotNumberReader, ReadsExponentsTooWideForTheirLetter) {
    // An exponent of three digits leaves no room for its letter in the field.
    TPlotNumberReader r(QByteArray(" 0.1500-119 -0.2500+101 0.1000E-05 0.3-5\n"));
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 1.5e-120);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), -2.5e100);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 1.0e-6);
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 3e-6);
    for (const char* bad : {"1E5-3", "5-", "-", "0.1-1x"}) {
        TPlotNumberReader b{QByteArray(bad)};
        EXPECT_THROW(b.ReadFloat(), EPlotReadError) << bad;
    }
    EXPECT_THROW(r.ReadFloat(), EPlotReadError);
}

TEST(PlotNumberReader, RefusesWhatIsNotANumberOfTheKindAsked) {
    const struct {
        const char* token;
        bool asInteger;
    } cases[] = {{"3.5", true},  {"2147483648", true}, {"1e10", true}, {"nan", false}, {"inf", false},
                 {"1e400", false}, {"0.5x", false},    {"1,5", false}, {"--1", false}, {"E5", false}};
    for (const auto& c : cases) {
        TPlotNumberReader r{QByteArray(c.token)};
        if (c.asInteger) EXPECT_THROW(r.ReadInteger(), EPlotReadError) << c.token;
        else EXPECT_THROW(r.ReadFloat(), EPlotReadError) << c.token;
    }
    EXPECT_THROW(TPlotNumberReader::FromFile(Fixture("no_such_file.tx5p")), EPlotReadError);
}

TEST(PlotFileName, ChangesTheExtension) {
    EXPECT_EQ(PlotFileName("/data/wall.tx5d"), "/data/wall.tx5p");
    EXPECT_EQ(PlotFileName("/data/old.wall.txd"), "/data/old.wall.tx5p");
    EXPECT_EQ(PlotFileName("/data/wall"), "/data/wall.tx5p");
}

}  // namespace
