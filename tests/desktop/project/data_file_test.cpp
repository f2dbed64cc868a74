// The project data file: its number format and record layout, the
// normalisation a save makes, the long-term and stage variants, reading it
// back in every layout, and read errors that keep what was read.
#include "project/data_file_writer.h"
#include "project/program_data.h"
#include "project/project_errors.h"
#include "project_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using torvex::test::FileLines;
using torvex::test::SetLayer;
using torvex::test::SetRow;
using torvex::test::Snapshot;

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString OpenMessage(TProgramData& d, const QString& path, int layout) {
    try {
        d.Open(path, layout);
    } catch (const TMessageError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

// A project that uses every table and option: user-specified earth pressure
// with generated p-y curves (so both the distributed loads and the soil
// records are written), external curves, moment-EI curves, tiebacks. English
// values are chosen to pass the feet/inch conversions exactly.
void MakeFullProject(TProgramData& d, int units, bool longTerm) {
    d.New();
    d.SwitchUnits(units);
    TProjectTables& t = d.Tables();
    d.Title = "Every table  and option";
    d.Increments = 60;
    d.IncrementLength = 6;
    d.MaxDeflection = 10;
    d.Tolerance = 0.0001;
    d.FreeHeight = 144;
    d.WidthActive = 12;
    d.WidthPy = 10;
    d.WaterDepthBackfill = 200;
    d.WaterDepthExcavation = 300;
    d.ActivePressureFactor = 1.2;
    d.BackfillSlope = 5;
    d.UniformSurcharge = 2.5;
    d.EarthPressureOption = 1;
    d.UserEarthPressure = true;
    d.GeneratePyOption = true;
    d.ApplyExternalPy = d.ApplyMei = d.ApplyPyModifiers = d.ApplyConcentratedLoads = true;
    d.ApplySprings = d.ApplyTiebacks = d.ApplySurcharges = d.ApplyRestraints = true;
    d.LongTerm = longTerm;
    d.NextCode = longTerm ? 9 : 0;

    t.SoilLayer->SetRowCount(2);
    SetRow(t.SoilLayer, 0, {1, 0, 0.5, 0});
    SetRow(t.SoilLayer, 1, {2, 60, 0, 0.01});
    t.PileSect->SetRowCount(2);
    SetRow(t.PileSect, 0, {0, 30, 2, 3.5e9});
    SetRow(t.PileSect, 1, {30, 60, 1, 2.5e9});
    t.BoundCond->SetRowCount(2);
    SetRow(t.BoundCond, 0, {1, 0, 0, 1000, 500, 20});
    SetRow(t.BoundCond, 1, {2, 10, 12, -250.5, 0, 0});
    t.SoilStrength->SetRowCount(2);
    SetRow(t.SoilStrength, 0, {1, 20, 20, 5000, 1e6});
    SetRow(t.SoilStrength, 1, {2, 40, 41, 250, 0});
    t.TiebackTable1->SetRowCount(2);
    SetRow(t.TiebackTable1, 0, {5, 1.2, 2.9e7, 25, 15, 8});
    SetRow(t.TiebackTable1, 1, {10, 0.8, 2.9e7, 20, 10, 8});
    SetRow(t.PYMod, 0, {0, 1, 1});
    SetRow(t.PYMod, 1, {20, 0.8, 0.9});
    t.DistLoad->SetRowCount(3);
    SetRow(t.DistLoad, 0, {0, 0});
    SetRow(t.DistLoad, 1, {10, 24});
    SetRow(t.DistLoad, 2, {40, 60});
    t.SurchargeTable->SetRowCount(2);
    SetRow(t.SurchargeTable, 0, {1, 1000, 60, 0});
    SetRow(t.SurchargeTable, 1, {3, 2.5, 120, 48});

    // Unit weights are multiples of 1728 x 0.01, cohesions of 144.
    TGridTable* soil = t.NewSoil;
    soil->SetRowCount(6);
    SetLayer(soil, 0, 1, 5, {108, 504, 0.02, 30, 0.4}, {108, 720, 0.01, 30, 0.4});
    SetLayer(soil, 1, 3, 10, {120.96, 1440, 0.005, 500, 0}, {120.96, 1440, 0.005, 500, 0});
    SetLayer(soil, 2, 4, 20, {103.68, 30, 60, 0.35}, {103.68, 34, 90, 0.35});
    SetLayer(soil, 3, 5, 30, {120.96, 28, 288, 0.01, 100, 0.5}, {120.96, 29, 432, 0.01, 100, 0.5});
    SetLayer(soil, 4, 6, 40, {155.52, 5000}, {155.52, 6000});
    SetLayer(soil, 5, 7, 60, {138.24, 1000, 0.0005, 100000, 50}, {138.24, 1200, 0.0005, 120000, 60});

    t.PYCurves2->SetRowCount(2);
    SetRow(t.PYCurves2, 0, {30, 0, 1, 1});
    SetRow(t.PYCurves2, 1, {40, 0, 0.8, 1.2});
    TGridTable* c1 = t.PYCurves2->Cell(1, 0).SubTable();
    c1->SetRowCount(3);
    SetRow(c1, 0, {-1, 100});
    SetRow(c1, 1, {0, 0});
    SetRow(c1, 2, {1, -100});
    TGridTable* c2 = t.PYCurves2->Cell(1, 1).SubTable();
    c2->SetRowCount(4);
    SetRow(c2, 0, {-2, 300});
    SetRow(c2, 1, {-0.1, 200});
    SetRow(c2, 2, {0.1, -200});
    SetRow(c2, 3, {2, -300});
    SetRow(t.MEICurves2, 0, {0, 60, 0});
    TGridTable* mei = t.MEICurves2->Cell(2, 0).SubTable();
    mei->SetRowCount(2);
    SetRow(mei, 0, {0, 8e9});
    SetRow(mei, 1, {1e6, 6e9});

    if (longTerm) {
        // The long-term problem carries no earth-pressure coefficient.
        t.LongSoil->SetRowCount(2);
        SetLayer(t.LongSoil, 0, 2, 20, {108, 504, 0.01, 200, 0}, {108, 504, 0.01, 200, 0});
        SetLayer(t.LongSoil, 1, 4, 60, {120.96, 30, 25, 0}, {120.96, 30, 25, 0});
        t.LongDist->SetRowCount(2);
        SetRow(t.LongDist, 0, {0, 0});
        SetRow(t.LongDist, 1, {30, 36});
    }
}

// Hand-written files of the older layouts.
QString Fixture(const char* name) { return QStringLiteral(TORVEX_TEST_DATA "/project/") + QString::fromLatin1(name); }

class DataFile : public ::testing::Test {
protected:
    QString PathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    TProgramData d;
};

// ---------------------------------------------------------------- format

TEST(DataFileFormat, WritesRealsWithEightSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"},
                 {0.00001, "1E-5"},
                 {0.0001, "0.0001"},
                 {0.00001234, "1.234E-5"},
                 {12345678, "12345678"},
                 {99999999, "99999999"},
                 {123456789, "1.2345679E8"},
                 {1e8, "1E8"},
                 {-2.5, "-2.5"},
                 {120.0 / 1728.0, "0.069444444"},
                 {1.0 / 3.0, "0.33333333"},
                 {8e9, "8E9"}};
    for (const auto& c : cases) EXPECT_EQ(FileReal(c.value), QString::fromLatin1(c.text)) << c.value;
}

// ---------------------------------------------------------------- writing

TEST_F(DataFile, ANewProjectWritesGeneratedPressureAndCurvesAndEmptiesTheTablesOfOptionsOff) {
    const QString path = PathOf("new.tx5d");
    d.Save(path);
    const QByteArray expected =
        "New Wall\r\n"
        "1 0\t1\t0\t2\t2 0 1 0 0\r\n"
        "0 0\t100\t1E-5\t0\t0\r\n"
        "0\t1\t1\t0\r\n"
        "0\r\n"
        "0\r\n"
        "0\t0\t0\t0\t0\t1\t1\t0\r\n"
        "0\t0\t0\t0\t0\t0\r\n"
        "0\r\n"
        "1\r\n"
        "1 0 \r\n"
        "0 0 0.0  0 0 0 \r\n"
        "0 0 0.0  0 0 0 \r\n"
        "0\r\n";
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_EQ(d.Koutpt, 2);
    EXPECT_EQ(d.Kpyop, 2);
    for (TGridTable* t : {d.Tables().BoundCond, d.Tables().SoilLayer, d.Tables().PYMod, d.Tables().SoilStrength,
                          d.Tables().TiebackTable1, d.Tables().SurchargeTable,
                          static_cast<TGridTable*>(d.Tables().PYCurves2)})
        EXPECT_EQ(t->RowCount(), 0) << d.Tables().NameOf(t).toStdString();
    EXPECT_EQ(d.FileName, QStringLiteral("NewWall.tx5d"));  // saving does not rename
}

TEST_F(DataFile, WritesTheRecordsOfEveryTableWithTheirSeparatorsAndEnglishConversions) {
    MakeFullProject(d, 1, false);
    const QStringList lines = FileLines(DataFileText(d));
    const QStringList expected = {
        "Every table  and option",
        "1 2\t2\t2\t1\t2 2 1 1 2",
        "60 6\t10\t0.0001\t144\t12",
        "1\t0\t0.5\t0", "2\t60\t0\t0.01",
        "0\t30\t2\t3.5E9", "30\t60\t1\t2.5E9",
        "2", "1\t0\t0\t1000\t500\t20", "2\t10\t12\t-250.5\t0\t0",
        "2", "20\t20\t1\t5000\t1000000", "40\t41\t2\t250\t0",  // node, node, interpolation, springs
        "5\t1.2\t29000000\t25\t15\t8", "10\t0.8\t29000000\t20\t10\t8",
        "0\t1\t1", "240\t0.8\t0.9",                          // depth in inches
        "3", "0\t0", "120\t2", "480\t5",                     // inches and lb/in
        "144\t12\t10\t200\t300\t1.2\t1\t5",
        "2.5\t0\t0\t0\t0\t0",
        "2", "1\t1000\t60\t0", "3\t2.5\t120\t48",
        "6",
        "1 60 ", "0.0625 3.5 0.0  0.02 30 0.4 ", "0.0625 5 0.0  0.01 30 0.4 ",
        "3 120 ", "0.07 10 0.0  0.005 500 0 ", "0.07 10 0.0  0.005 500 0 ",
        "4 240 ", "0.06 0.0  30 0.0  60 0.35 ", "0.06 0.0  34 0.0  90 0.35 ",
        "5 360 ", "0.07 2 28 0.01 100 0.5 ", "0.07 3 29 0.01 100 0.5 ",
        "6 480 ", "0.09 5000 0.0  0.0  0.0  0.0  ", "0.09 6000 0.0  0.0  0.0  0.0  ",
        "7 720 ", "0.08 1000 0.0  0.0005 100000 50 ", "0.08 1200 0.0  0.0005 120000 60 ",
        "30\t3\t1\t1", "-1\t100", "0\t0", "1\t-100",
        "40\t4\t0.8\t1.2", "-2\t300", "-0.1\t200", "0.1\t-200", "2\t-300",
        "0\t60\t2", "0\t8E9", "1000000\t6E9",
        "0"};
    EXPECT_EQ(lines, expected);
}

TEST_F(DataFile, ChoosesTheEarthPressureCodeFromTheOptions) {
    // Trapezoidal pressure without p-y generation still writes the soil records.
    d.EarthPressureOption = 3;
    d.GenerateEarthPressure = true;
    d.GeneratePyOption = false;
    QStringList lines = FileLines(DataFileText(d));
    EXPECT_EQ(lines[1], QStringLiteral("1 0\t1\t0\t3\t0 0 1 0 0"));
    EXPECT_EQ(lines.size(), 14);  // EARTH1 to the layer lines are there

    // Neither generation: no earth pressure at all, and no soil records.
    d.New();
    d.GeneratePyOption = false;
    lines = FileLines(DataFileText(d));
    EXPECT_EQ(lines[1], QStringLiteral("1 0\t1\t0\t0\t0 0 1 0 0"));
    EXPECT_EQ(lines.size(), 7);

    // The user-specified choice clears the generated flag.
    d.New();
    d.EarthPressureOption = 1;
    d.UserEarthPressure = true;
    d.GenerateEarthPressure = true;
    d.GeneratePyOption = false;
    d.ApplyExternalPy = true;
    lines = FileLines(DataFileText(d));
    EXPECT_EQ(lines[1], QStringLiteral("1 0\t1\t0\t1\t1 0 1 0 0"));  // the curve sets were emptied above
    EXPECT_FALSE(d.GenerateEarthPressure);
    EXPECT_EQ(lines[6], QStringLiteral("2"));  // NDIST, the two default rows
}

TEST_F(DataFile, TheLongTermPairWritesTwoProblemsWithTheirOwnPressureAndLayers) {
    MakeFullProject(d, 1, true);
    d.EarthPressureOption = 3;
    d.UserEarthPressure = false;
    const QStringList lines = FileLines(DataFileText(d));
    const int next = lines.indexOf(QStringLiteral("9"));
    ASSERT_GT(next, 0);
    EXPECT_EQ(lines[1], QStringLiteral("1 2\t2\t2\t3\t2 2 1 1 2"));
    EXPECT_EQ(lines[next + 1], QStringLiteral("Every table  and option"));
    EXPECT_EQ(lines[next + 2], QStringLiteral("1 2\t2\t2\t2\t2 2 1 1 2"));  // KOUTPT 2 in the long-term problem
    EXPECT_EQ(lines.back(), QStringLiteral("0"));
    // Tiebacks in both problems.
    EXPECT_EQ(lines.count(QStringLiteral("5\t1.2\t29000000\t25\t15\t8")), 2);
    // The long-term layers, with the place-holder for the coefficient.
    const QStringList longTerm = lines.mid(next + 1);
    const int layers = longTerm.indexOf(QStringLiteral("2 240 "));
    ASSERT_GT(layers, 0);
    EXPECT_EQ(longTerm[layers - 1], QStringLiteral("2"));
    EXPECT_EQ(longTerm[layers + 1], QStringLiteral("0.0625 3.5 0.0  0.01 200 0.0  "));
    EXPECT_EQ(longTerm[layers + 3], QStringLiteral("4 720 "));
    EXPECT_EQ(longTerm[layers + 4], QStringLiteral("0.07 0.0  30 0.0  25 0.0  "));
    EXPECT_EQ(d.Koutpt, 2);  // as last written
}

// The graphs tell a short-/long-term pair from stages by the NEXT code of
// the file last written.
TEST_F(DataFile, SavingSetsTheNextCodeFromTheLongTermOption) {
    const QString path = PathOf("next.tx5d");
    for (const bool longTerm : {true, false}) {
        SCOPED_TRACE(longTerm);
        MakeFullProject(d, 1, longTerm);
        d.NextCode = longTerm ? 0 : 9;  // stale from an earlier state
        d.Save(path);
        EXPECT_EQ(d.NextCode, longTerm ? 9 : 0);
    }
}

TEST_F(DataFile, TheLongTermPairTakesTheUserPressureFromTheLongTermTable) {
    MakeFullProject(d, 1, true);
    const QStringList lines = FileLines(DataFileText(d));
    const QStringList longTerm = lines.mid(lines.indexOf(QStringLiteral("9")) + 1);
    const int ndist = longTerm.indexOf(QStringLiteral("0\t1\t1")) + 2;
    EXPECT_EQ(longTerm.mid(ndist, 3), (QStringList{"2", "0\t0", "360\t3"}));
}

TEST_F(DataFile, StageFilesCarryTheirStageInTheTitleAndNext) {
    d.StageCount = 3;
    d.EarthPressureOption = 3;
    d.Title = "Staged wall";
    const QString stage1 = PathOf("wall.st1"), stage2 = PathOf("wall.st2");
    d.SetModified();
    d.WriteStageFile(stage1, 1);
    EXPECT_FALSE(d.IsModified());
    d.WriteStageFile(stage2, 2);
    const QStringList one = FileLines(ReadAll(stage1)), two = FileLines(ReadAll(stage2));
    EXPECT_EQ(one[0], QStringLiteral("Staged wall"));
    EXPECT_EQ(two[0], QStringLiteral(" Stage No : 2"));
    EXPECT_EQ(two[1], QStringLiteral("1 0\t1\t0\t2\t2 0 3 0 0"));  // trapezoidal is not kept; NSTAGE 3
    EXPECT_EQ(one.back(), QStringLiteral("1"));
    EXPECT_EQ(two.back(), QStringLiteral("2"));
    EXPECT_EQ(one.mid(1, one.size() - 2), two.mid(1, two.size() - 2));

    // Reading a stage file goes into the current tables without emptying
    // the ones it does not mention, and sets NEXT and the title.
    d.Tables().LongSoil->SetRowCount(4);
    d.Tables().DistLoad->SetRowCount(5);
    d.Title = "Changed";
    d.StageFileLayout = kLayout2015;
    d.ReadStageFile(stage2);
    EXPECT_EQ(d.Title, QStringLiteral(" Stage No : 2"));
    EXPECT_EQ(d.NextCode, 2);
    EXPECT_FALSE(d.LongTerm);
    EXPECT_EQ(d.StageCount, 3);
    EXPECT_EQ(d.Tables().LongSoil->RowCount(), 4);
    EXPECT_EQ(d.Tables().DistLoad->RowCount(), 5);
    EXPECT_EQ(d.EarthPressureOption, 2);
    EXPECT_FALSE(d.IsModified());

    // Stage files of the 3.0 layout: one problem, old surcharges, NEXT kept.
    d.StageFileLayout = kLayout30;
    d.ReadStageFile(Fixture("clay_30.txd"));
    EXPECT_EQ(d.Title, QStringLiteral("Clay wall, short term"));
    EXPECT_EQ(d.NextCode, 9);
    EXPECT_TRUE(d.LongTerm);
    EXPECT_EQ(d.Units, 2);
    EXPECT_EQ(d.Tables().SurchargeTable->RowCount(), 3);
    EXPECT_EQ(d.Tables().LongSoil->RowCount(), 4);  // the second problem is not read
    EXPECT_EQ(d.StageFileLayout, kLayout30);
}

TEST_F(DataFile, SavingWithAnOptionOffEmptiesItsTableForGood) {
    TGridTable* loads = d.Tables().BoundCond;
    SetRow(loads, 0, {1, 5, 5, 100, 0, 0});
    d.ApplyConcentratedLoads = false;
    d.Save(PathOf("wall.tx5d"));
    d.ApplyConcentratedLoads = true;
    EXPECT_EQ(loads->RowCount(), 0);
    d.Save(PathOf("wall.tx5d"));
    EXPECT_EQ(FileLines(ReadAll(PathOf("wall.tx5d")))[4], QStringLiteral("0"));  // NCONC
}

TEST_F(DataFile, SavingReplacesTheFileWholeAndReportsAFailedWrite) {
    const QString path = PathOf("wall.tx5d");
    WriteAll(path, QByteArray(5000, 'x'));
    d.Save(path);
    EXPECT_TRUE(ReadAll(path).startsWith("New Wall\r\n"));
    EXPECT_FALSE(ReadAll(path).contains('x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"wall.tx5d"});  // no temporary left

    // A folder that does not exist, and a "folder" that is a file.
    d.SetModified();
    for (const QString& bad : {PathOf("missing/wall.tx5d"), path + "/wall.tx5d"}) {
        try {
            d.Save(bad);
            ADD_FAILURE() << "saved to " << bad.toStdString();
        } catch (const EFileError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    EXPECT_TRUE(d.IsModified());  // nothing was saved
    EXPECT_TRUE(ReadAll(path).startsWith("New Wall\r\n"));
}

TEST_F(DataFile, AFaultyTitleStaysOneRecord) {
    d.Title = "Two\nlines";
    d.Save(PathOf("wall.tx5d"));
    d.Open(PathOf("wall.tx5d"), kLayout2015);
    EXPECT_EQ(d.Title, QStringLiteral("Two lines"));
    EXPECT_EQ(d.Increments, 0);
}

// ---------------------------------------------------------------- round trips

TEST_F(DataFile, AProjectUsingEveryTableAndOptionComesBackTheSame) {
    const struct {
        int units;
        bool longTerm;
        int option;  // earth-pressure option
    } cases[] = {{1, false, 1}, {2, false, 1}, {1, true, 1}, {2, true, 1}, {1, false, 3}, {2, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "units " << c.units << " long-term " << c.longTerm << " option "
                                        << c.option);
        MakeFullProject(d, c.units, c.longTerm);
        if (c.option != 1) {
            d.EarthPressureOption = c.option;
            d.UserEarthPressure = false;
            d.GenerateEarthPressure = true;  // what reading a generated file sets
            // Tables the file does not carry come back with their defaults.
            for (TGridTable* t : {d.Tables().DistLoad, d.Tables().LongDist}) {
                t->SetRowCount(0);
                t->PadToMinimum();
            }
        }
        const QString path = PathOf("every.tx5d");
        d.FileName = path;
        d.Save(path);
        const QStringList saved = Snapshot(d);
        const QByteArray text = ReadAll(path);
        d.New();
        d.Open(path, kLayout2015);
        EXPECT_EQ(Snapshot(d), saved);
        EXPECT_FALSE(d.IsModified());
        // Saving again writes the same file.
        d.Save(path);
        EXPECT_EQ(ReadAll(path), text);
    }
}

TEST_F(DataFile, AUnitWeightOf120PoundsPerCubicFootSurvivesAsShown) {
    SetLayer(d.Tables().NewSoil, 0, 4, 10, {120, 30, 90, 0}, {120, 30, 90, 0});
    const QString path = PathOf("wall.tx5d");
    d.Save(path);
    EXPECT_EQ(FileLines(ReadAll(path))[11], QStringLiteral("0.069444444 0.0  30 0.0  90 0 "));
    d.Open(path, kLayout2015);
    TGridTable* sand = d.Tables().NewSoil->Cell(2, 0).SubTable();
    EXPECT_DOUBLE_EQ(sand->Cell(0, 0).Real(), 119.999999232);
    EXPECT_EQ(sand->Cell(0, 0).Text(), QStringLiteral("120"));
    d.Save(path);
    EXPECT_EQ(FileLines(ReadAll(path))[11], QStringLiteral("0.069444444 0.0  30 0.0  90 0 "));
}

TEST_F(DataFile, ValuesBeyondEightDigitsAreCutAtTheFirstSaveOnly) {
    d.Tolerance = 0.00001;
    d.IncrementLength = 1.23456789012;
    d.MaxDeflection = 12345678;
    const QString path = PathOf("wall.tx5d");
    d.Save(path);
    d.Open(path, kLayout2015);
    EXPECT_EQ(d.Tolerance, 0.00001);
    EXPECT_EQ(d.MaxDeflection, 12345678.0);
    EXPECT_EQ(d.IncrementLength, 1.2345679);
    const QByteArray first = ReadAll(path);
    d.Save(path);
    EXPECT_EQ(ReadAll(path), first);
}

// ---------------------------------------------------------------- reading

TEST_F(DataFile, ReadErrorsKeepWhatWasReadAndPadTheTables) {
    MakeFullProject(d, 1, false);
    const QString path = PathOf("full.tx5d");
    d.Save(path);
    const QByteArray text = ReadAll(path);

    // Cut after the concentrated loads.
    const QString cut = PathOf("cut.tx5d");
    const QStringList lines = FileLines(text);
    WriteAll(cut, (lines.mid(0, 10).join("\r\n") + "\r\n").toUtf8());
    EXPECT_EQ(OpenMessage(d, cut, kLayout2015), QStringLiteral("This file either invalid or incomplete."));
    EXPECT_EQ(d.FileName, cut);
    EXPECT_EQ(d.Title, QStringLiteral("Every table  and option"));
    EXPECT_EQ(d.Increments, 60);
    EXPECT_EQ(d.Tables().BoundCond->RowCount(), 2);
    EXPECT_EQ(d.Tables().BoundCond->Cell(3, 1).Real(), -250.5);
    EXPECT_EQ(d.Tables().SoilStrength->RowCount(), 1);  // not reached: padded to its minimum
    EXPECT_EQ(d.Tables().NewSoil->RowCount(), 1);
    EXPECT_EQ(d.Tables().DistLoad->RowCount(), 2);
    EXPECT_FALSE(d.IsModified());

    // A fraction where an integer belongs names its line and item.
    QByteArray bad = text;
    bad.replace("1 2\t2\t2\t1\t2 2 1 1 2", "1 2\t2\t2.0\t1\t2 2 3.5 1 2");
    WriteAll(cut, bad);
    EXPECT_EQ(OpenMessage(d, cut, kLayout2015),
              QStringLiteral("Error on Line 2 Item 8\rAn integer was expected but not found."));
    EXPECT_EQ(d.Tables().PYMod->RowCount(), 2);  // "2.0" read as 2
    EXPECT_EQ(d.Title, QStringLiteral("Every table  and option"));

    // A soil type that does not exist.
    bad = text;
    bad.replace("\r\n5 360 \r\n", "\r\n8 360 \r\n");
    WriteAll(cut, bad);
    EXPECT_EQ(OpenMessage(d, cut, kLayout2015),
              QStringLiteral("Error on Line 37 Item 1\rA soil type from 1 to 7 was expected but not found."));
    EXPECT_EQ(d.Tables().NewSoil->RowCount(), 6);

    // A unit weight that overflows when converted to lb/ft3 would be held as
    // infinity and saved as a text no reader takes: it is a read error.
    bad = text;
    bad.replace("\r\n5 360 \r\n", "\r\n5 360 \r\n1E306 ");
    WriteAll(cut, bad);
    EXPECT_EQ(OpenMessage(d, cut, kLayout2015),
              QStringLiteral("Error on Line 38 Item 1\rA floating point number was expected but not found."));

    // An absurd count does not make that many rows.
    bad = text;
    bad.replace("\r\n2\r\n1\t0\t0\t1000", "\r\n2000000000\r\n1\t0\t0\t1000");
    WriteAll(cut, bad);
    EXPECT_NE(OpenMessage(d, cut, kLayout2015), QStringLiteral("(no error)"));
    EXPECT_LT(d.Tables().BoundCond->RowCount(), 1000);

    // A file that is not there opens as a new project of that name.
    EXPECT_NE(OpenMessage(d, PathOf("none.tx5d"), kLayout2015), QStringLiteral("(no error)"));
    EXPECT_EQ(d.FileName, PathOf("none.tx5d"));
    EXPECT_EQ(d.Tables().PileSect->RowCount(), 1);
}

// A file without earth pressure but with generated p-y curves (KOUTPT 0,
// KPYOP 2) is analysed with curves from its layers; opened and saved again
// it must stay that file.
TEST_F(DataFile, CurvesGeneratedWithoutEarthPressureSurviveOpeningAndSaving) {
    torvex::test::MakeSandWall(d);
    d.EarthPressureOption = 0;  // as after opening a file with KOUTPT 0
    const QString path = PathOf("no_pressure.tx5d");
    d.Save(path);
    const QByteArray first = ReadAll(path);
    ASSERT_EQ(FileLines(first)[1], QStringLiteral("1 0\t1\t0\t0\t2 0 1 0 0"));
    d.Open(path, kLayout2015);
    EXPECT_TRUE(d.GeneratePyOption);
    d.Save(path);
    EXPECT_EQ(ReadAll(path), first);
}

// Without generated pressure or curves the file has no EARTH1, and WALL
// carries the only width Wa, which the tiebacks need.
TEST_F(DataFile, TheWallWidthSurvivesOpeningAFileWithoutEarthRecords) {
    torvex::test::MakeSandWall(d);
    d.EarthPressureOption = 1;
    d.UserEarthPressure = true;
    d.GeneratePyOption = false;
    d.ApplyTiebacks = true;
    SetRow(d.Tables().TiebackTable1, 0, {3, 1.5, 2.9e7, 20, 15, 8});
    const QString path = PathOf("user_pressure.tx5d");
    d.Save(path);
    const QByteArray first = ReadAll(path);
    d.Open(path, kLayout2015);
    EXPECT_EQ(d.WidthActive, 12.0);
    d.Save(path);
    EXPECT_EQ(ReadAll(path), first);
}

TEST_F(DataFile, AnEmptyTitleReadsAsAnEmptyTitle) {
    d.Title.clear();
    d.Save(PathOf("wall.tx5d"));
    d.Open(PathOf("wall.tx5d"), kLayout2015);
    EXPECT_EQ(d.Title, QString());
    EXPECT_EQ(d.Tables().NewSoil->RowCount(), 1);
}

TEST_F(DataFile, OpeningByNameChoosesTheLayoutByExtension) {
    EXPECT_EQ(TProgramData::LayoutForFileName("a/Wall.TX4D"), kLayout2013);
    EXPECT_EQ(TProgramData::LayoutForFileName("Wall.txd"), kLayout30);
    EXPECT_EQ(TProgramData::LayoutForFileName("Wall.tx5d"), kLayout2015);
    EXPECT_EQ(TProgramData::LayoutForFileName("Wall.dat"), kLayout2015);
    for (int filter = 1; filter <= 5; ++filter)
        EXPECT_EQ(TProgramData::LayoutForFilter(filter), filter <= 3 ? filter : kLayout20);
    EXPECT_EQ(kOpenFilters.size(), 5);
    EXPECT_EQ(kOpenFilters[3], QStringLiteral("Torvex 2.0 (*.txd)"));
}


TEST_F(DataFile, Opens2013FilesWithSurchargeRowsAndMomentCurves) {
    d.OpenByName(Fixture("anchored_2013.tx4d"));
    EXPECT_EQ(d.Title, QStringLiteral("Anchored wall, 2013 layout"));
    EXPECT_EQ(d.Units, 1);
    EXPECT_EQ(d.StageFileLayout, kLayout2013);
    EXPECT_EQ(d.Increments, 40);
    EXPECT_EQ(d.WidthActive, 12.0);  // from EARTH1: the layout's WALL has five values
    EXPECT_EQ(d.ActivePressureFactor, 1.0);  // 0.036 in older files
    EXPECT_EQ(d.EarthPressureOption, 3);
    EXPECT_TRUE(d.GenerateEarthPressure);
    EXPECT_TRUE(d.GeneratePyOption);
    EXPECT_FALSE(d.ApplyTiebacks);
    EXPECT_EQ(d.Tables().TiebackTable1->RowCount(), 1);  // padded
    EXPECT_TRUE(d.ApplySurcharges);
    ASSERT_EQ(d.Tables().SurchargeTable->RowCount(), 1);
    EXPECT_EQ(d.Tables().SurchargeTable->Cell(0, 0).Integer(), 2);
    EXPECT_EQ(d.Tables().SurchargeTable->Cell(1, 0).Real(), 50.0);
    ASSERT_EQ(d.Tables().NewSoil->RowCount(), 2);
    TGridTable* clay = d.Tables().NewSoil->Cell(2, 0).SubTable();
    EXPECT_EQ(d.Tables().NewSoil->Cell(1, 0).Real(), 10.0);  // 120 in
    EXPECT_DOUBLE_EQ(clay->Cell(0, 0).Real(), 108.0);
    EXPECT_DOUBLE_EQ(clay->Cell(1, 1).Real(), 720.0);
    EXPECT_EQ(clay->Cell(4, 0).Real(), 0.25);
    TGridTable* sand = d.Tables().NewSoil->Cell(2, 1).SubTable();
    EXPECT_EQ(sand->Caption, QStringLiteral("Sand"));
    EXPECT_EQ(sand->Cell(1, 1).Real(), 34.0);
    ASSERT_EQ(d.Tables().PYCurves2->RowCount(), 2);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(3, 0).Real(), 0.5);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(0, 1).Integer(), 35);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(1, 0).SubTable()->RowCount(), 3);
    EXPECT_TRUE(d.ApplyMei);
    ASSERT_EQ(d.Tables().MEICurves2->RowCount(), 1);
    EXPECT_EQ(d.Tables().MEICurves2->Cell(1, 0).Integer(), 40);
    EXPECT_EQ(d.Tables().MEICurves2->Cell(2, 0).SubTable()->Cell(1, 1).Real(), 5e9);
}

TEST_F(DataFile, Opens30FilesWithTheOldSurchargesAndTheLongTermProblem) {
    d.OpenByName(Fixture("clay_30.txd"));
    EXPECT_EQ(d.Units, 2);
    EXPECT_EQ(d.StageFileLayout, kLayout2013);
    EXPECT_EQ(d.IncrementLength, 0.15);
    EXPECT_EQ(d.FreeHeight, 3.0);
    // Three surcharge rows from the single surcharges, distances in millimetres.
    TGridTable* s = d.Tables().SurchargeTable;
    ASSERT_EQ(s->RowCount(), 3);
    EXPECT_TRUE(d.ApplySurcharges);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(s->Cell(0, row).Integer(), row + 1);
        EXPECT_EQ(s->Cell(2, row).Real(), 1500.0);
        EXPECT_EQ(s->Cell(3, row).Real(), 2000.0);
    }
    EXPECT_EQ(s->Cell(1, 0).Real(), 20.0);
    EXPECT_EQ(s->Cell(1, 1).Real(), 5.0);
    EXPECT_EQ(s->Cell(1, 2).Real(), 10.0);
    // SI values as written; PYSET without multipliers.
    TGridTable* clay = d.Tables().NewSoil->Cell(2, 0).SubTable();
    EXPECT_EQ(clay->Cell(0, 0).Real(), 18.0);
    EXPECT_EQ(clay->Cell(1, 0).Real(), 25.0);
    EXPECT_EQ(clay->Cell(4, 0).Real(), 0.3);
    ASSERT_EQ(d.Tables().PYCurves2->RowCount(), 2);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(2, 1).Real(), 1.0);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(3, 1).Real(), 1.0);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(1, 1).SubTable()->Cell(1, 0).Real(), 20.0);
    EXPECT_TRUE(d.ApplyExternalPy);
    // The long-term problem: its title, its layers, no coefficient.
    EXPECT_TRUE(d.LongTerm);
    EXPECT_EQ(d.NextCode, 9);
    EXPECT_EQ(d.Title, QStringLiteral("Clay wall, long term"));
    ASSERT_EQ(d.Tables().LongSoil->RowCount(), 1);
    TGridTable* drained = d.Tables().LongSoil->Cell(2, 0).SubTable();
    EXPECT_EQ(drained->Caption, QStringLiteral("Sand"));
    EXPECT_EQ(drained->Cell(1, 0).Real(), 28.0);
    EXPECT_EQ(drained->Cell(3, 0).Real(), 0.0);
    EXPECT_EQ(d.Tables().NewSoil->RowCount(), 1);  // the short-term layers stay
    EXPECT_EQ(d.EarthPressureOption, 3);

    // The rows now carry the old surcharges: with surcharges switched off the
    // saved file loads the wall with none, in either problem.
    d.ApplySurcharges = false;
    const QStringList lines = FileLines(DataFileText(d));
    EXPECT_EQ(lines.count(QStringLiteral("0\t1.5\t20\t5\t10\t2")), 0);
    EXPECT_EQ(lines.count(QStringLiteral("0\t0\t0\t0\t0\t0")), 2);
}

TEST_F(DataFile, Opens20FilesWithLayerThicknessesAndOnePropertyLine) {
    d.Open(Fixture("cantilever_20.txd"), kLayout20);
    EXPECT_EQ(d.Units, 1);
    EXPECT_EQ(d.StageCount, 1);
    EXPECT_EQ(d.ActivePressureFactor, 1.0);
    TGridTable* layers = d.Tables().NewSoil;
    ASSERT_EQ(layers->RowCount(), 4);
    const double bottoms[] = {60, 180, 240, 300};  // running sums, not converted
    const int types[] = {4, 1, 7, 6};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(layers->Cell(0, row).Integer(), types[row]);
        EXPECT_EQ(layers->Cell(1, row).Real(), bottoms[row]);
    }
    TGridTable* sand = layers->Cell(2, 0).SubTable();
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(sand->Cell(0, row).Real(), 0.065);
        EXPECT_EQ(sand->Cell(1, row).Real(), 33.0);
        EXPECT_EQ(sand->Cell(2, row).Real(), 60.0);
    }
    TGridTable* clay = layers->Cell(2, 1).SubTable();
    EXPECT_EQ(clay->Cell(1, 1).Real(), 4.0);
    EXPECT_EQ(clay->Cell(2, 1).Real(), 0.02);
    EXPECT_EQ(layers->Cell(2, 2).SubTable()->Cell(0, 0).Real(), 0.0);  // weak rock: no property line
    TGridTable* rock = layers->Cell(2, 3).SubTable();
    EXPECT_EQ(rock->Cell(1, 1).Real(), 2000.0);
    ASSERT_EQ(d.Tables().SurchargeTable->RowCount(), 3);
    EXPECT_EQ(d.Tables().SurchargeTable->Cell(2, 0).Real(), 24.0);  // inches stay inches
    EXPECT_EQ(d.Tables().PYMod->Cell(0, 1).Real(), 120.0);          // no feet conversion
    EXPECT_FALSE(d.LongTerm);
}

}  // namespace
