// Projects saved by the writer run through the engine library without an
// input error: a sand cantilever, a clay wall on user p-y curves with loads,
// springs and moment-EI curves, and an anchored short-/long-term pair.
#include "project/program_data.h"
#include "project_fixtures.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using torvex::test::MakeSandWall;
using torvex::test::SetLayer;
using torvex::test::SetRow;

struct EngineRun {
    bool called = false;
    int result = -1;
    QString report;
};

// One analysis as the Run command makes it: a private folder made current,
// the file-name list, the library loaded, called with interface 5, unloaded.
EngineRun RunEngine(const QString& dataPath) {
    EngineRun run;
    QTemporaryDir folder;
    if (!folder.isValid()) return run;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString stem = dataPath.left(dataPath.lastIndexOf('.'));
    QFile names("NAMES.dat");
    if (names.open(QIODevice::WriteOnly)) {
        names.write(QStringList{"2015.5.5", "TORVEX", "desktop test", "0", dataPath, stem + ".tx5o",
                                stem + ".tx5p", stem + ".tx5r"}
                        .join("\r\n")
                        .toUtf8() +
                    "\r\n");
        names.close();
        QLibrary library(QStringLiteral(TORVEX_BIN_DIR "/libTorvex2015_DLL.so"));
        using Entry = int (*)(int);
        if (library.load()) {
            if (auto entry = reinterpret_cast<Entry>(library.resolve("_ITORVEX"))) {
                run.result = entry(5);
                run.called = true;
            }
            library.unload();
        }
    }
    QDir::setCurrent(previous);
    QFile report(stem + ".tx5o");
    if (report.open(QIODevice::ReadOnly)) run.report = QString::fromUtf8(report.readAll());
    return run;
}

void ExpectAnalysed(const EngineRun& run) {
    ASSERT_TRUE(run.called) << "the engine library could not be called";
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(run.report.contains("ERROR")) << run.report.toStdString();
    EXPECT_TRUE(run.report.trimmed().endsWith("END OF ANALYSIS")) << run.report.right(400).toStdString();
}

// A 30 ft wall in soft clay, 10 ft excavated, on user p-y curves below the
// excavation, with a load at the top, a spring and one moment-EI curve.
void MakeClayWall(TProgramData& d) {
    d.New();
    TProjectTables& t = d.Tables();
    d.Title = "Clay wall on user p-y curves";
    d.Increments = 60;
    d.IncrementLength = 6;
    d.MaxDeflection = 10;
    d.Tolerance = 0.0001;
    d.FreeHeight = 120;
    d.WidthActive = 12;
    d.WidthPy = 12;
    d.WaterDepthBackfill = 600;
    d.WaterDepthExcavation = 600;
    d.EarthPressureOption = 2;
    d.GenerateEarthPressure = true;
    d.GeneratePyOption = false;
    d.ApplyExternalPy = true;
    d.ApplyConcentratedLoads = true;
    d.ApplySprings = true;
    d.ApplyMei = true;
    d.ApplyPyModifiers = true;
    SetRow(t.PileSect, 0, {0, 60, 1, 5e9});
    SetRow(t.BoundCond, 0, {1, 0, 0, 500, 0, 0});
    SetRow(t.SoilStrength, 0, {1, 2, 2, 100, 0});
    SetRow(t.PYMod, 1, {30, 1, 1});
    SetLayer(t.NewSoil, 0, 1, 40, {110, 400, 0.01, 0, 0}, {110, 600, 0.01, 0, 0});
    t.PYCurves2->SetRowCount(4);
    for (int row = 0; row < 4; ++row) {
        SetRow(t.PYCurves2, row, {30.0 + 10 * row, 0, 1, 1});
        TGridTable* curve = t.PYCurves2->Cell(1, row).SubTable();
        curve->SetRowCount(5);
        const double p = 100.0 * (row + 1);
        SetRow(curve, 0, {-10, p});
        SetRow(curve, 1, {-0.2, p});
        SetRow(curve, 2, {0, 0});
        SetRow(curve, 3, {0.2, -p});
        SetRow(curve, 4, {10, -p});
    }
    SetRow(t.MEICurves2, 0, {0, 60, 0});
    TGridTable* mei = t.MEICurves2->Cell(2, 0).SubTable();
    mei->SetRowCount(3);
    SetRow(mei, 0, {0, 5e9});
    SetRow(mei, 1, {2e6, 5e9});
    SetRow(mei, 2, {1e8, 1e9});
}

// A tied-back wall with trapezoidal pressure: undrained clay short-term,
// drained sand long-term.
void MakeAnchoredPair(TProgramData& d) {
    MakeSandWall(d);
    TProjectTables& t = d.Tables();
    d.Title = "Anchored wall, short and long term";
    d.EarthPressureOption = 3;
    d.GenerateEarthPressure = true;
    d.ApplyTiebacks = true;
    d.LongTerm = true;
    d.NextCode = 9;
    SetRow(t.TiebackTable1, 0, {3, 1.5, 2.9e7, 20, 15, 8});
    SetLayer(t.NewSoil, 0, 3, 40, {120, 2000, 0.005, 500, 0}, {120, 2500, 0.005, 500, 0});
    SetLayer(t.LongSoil, 0, 4, 40, {120, 30, 90, 0}, {120, 30, 90, 0});
}

// A wall on a user-specified pressure diagram with a restrained top, a
// concentrated load and the three kinds of surcharge row.
void MakeRestrainedUserPressureWall(TProgramData& d) {
    MakeSandWall(d);
    TProjectTables& t = d.Tables();
    d.Title = "User pressure, restrained top";
    d.EarthPressureOption = 1;
    d.UserEarthPressure = true;
    d.ApplyRestraints = true;
    d.ApplyConcentratedLoads = true;
    d.ApplySurcharges = true;
    SetRow(t.SoilLayer, 0, {1, 0, 0, 0});
    SetRow(t.BoundCond, 0, {1, 10, 10, 200, 0, 0});
    SetRow(t.DistLoad, 0, {0, 0});
    SetRow(t.DistLoad, 1, {12, 60});
    t.SurchargeTable->SetRowCount(3);
    SetRow(t.SurchargeTable, 0, {1, 1000, 60, 0});
    SetRow(t.SurchargeTable, 1, {2, 50, 60, 0});
    SetRow(t.SurchargeTable, 2, {3, 2, 120, 48});
}

// Generated pressure and curves through a profile holding every soil kind,
// in SI units.
void MakeEverySoilWall(TProgramData& d) {
    MakeSandWall(d);
    d.SwitchUnits(2);
    TGridTable* layers = d.Tables().NewSoil;
    d.Title = "Every soil kind";
    layers->SetRowCount(7);
    SetLayer(layers, 0, 4, 4, {18, 32, 20000, 0}, {18, 32, 20000, 0});
    SetLayer(layers, 1, 1, 5, {17, 20, 0.02, 0, 0}, {17, 25, 0.02, 0, 0});
    SetLayer(layers, 2, 2, 6, {19, 60, 0.007, 100000, 0}, {19, 70, 0.007, 100000, 0});
    SetLayer(layers, 3, 3, 7, {19, 80, 0.005, 0, 0}, {19, 90, 0.005, 0, 0});
    SetLayer(layers, 4, 5, 8, {18, 30, 10, 0.01, 20000, 0}, {18, 30, 12, 0.01, 20000, 0});
    SetLayer(layers, 5, 7, 9, {22, 5000, 0.0005, 100000, 50}, {22, 5000, 0.0005, 100000, 50});
    SetLayer(layers, 6, 6, 12, {24, 50000}, {24, 50000});
}

TEST(DataFileEngine, SavedProjectsAreAnalysedWithoutAnInputError) {
    QTemporaryDir dir;
    TProgramData d;
    const struct {
        const char* file;
        void (*make)(TProgramData&);
    } projects[] = {{"sand.tx5d", &MakeSandWall}, {"clay.tx5d", &MakeClayWall}, {"anchored.tx5d", &MakeAnchoredPair},
                  {"user.tx5d", &MakeRestrainedUserPressureWall},     {"soils.tx5d", &MakeEverySoilWall},
                  // curves from the layers, no earth pressure
                  {"no_pressure.tx5d", [](TProgramData& d) {
                       MakeSandWall(d);
                       d.EarthPressureOption = 0;
                   }},
                  // consistent units of the user's own
                  {"other.tx5d", [](TProgramData& d) {
                       MakeSandWall(d);
                       d.SwitchUnits(3);  // nothing is converted: the layer in inches and lb/in3
                       SetLayer(d.Tables().NewSoil, 0, 4, 480, {0.0666, 32, 90, 0}, {0.0666, 32, 90, 0});
                   }}};
    for (const auto& p : projects) {
        SCOPED_TRACE(p.file);
        p.make(d);
        const QString path = dir.filePath(p.file);
        d.Save(path);
        const EngineRun run = RunEngine(path);
        ExpectAnalysed(run);
    }
    // The long-term problem was analysed as a second problem: its title
    // appears twice as often as a single problem's.
    const EngineRun single = RunEngine(dir.filePath("sand.tx5d"));
    const EngineRun pair = RunEngine(dir.filePath("anchored.tx5d"));
    EXPECT_GT(single.report.count("Sand cantilever"), 0);
    EXPECT_EQ(pair.report.count("Anchored wall, short and long term"), 2 * single.report.count("Sand cantilever"));

    // An SI project of the same sand wall.
    MakeSandWall(d);
    d.SwitchUnits(2);
    const QString si = dir.filePath("sand_si.tx5d");
    d.Save(si);
    ExpectAnalysed(RunEngine(si));
}

}  // namespace
