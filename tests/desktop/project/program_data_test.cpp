// The project model: a new project, the named tables and their sub-tables,
// the units switch and the modified state.
#include "project/program_data.h"

#include "grid/number_format.h"
#include "project_fixtures.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using torvex::test::SetLayer;
using torvex::test::SetRow;

QString Shown(double value) { return torvex::FormatGeneral(value, 8, "."); }

TEST(ProjectNew, HasTheDefaultsAndMinimumRows) {
    TProgramData d;
    EXPECT_EQ(TProgramData::Instance(), &d);
    EXPECT_EQ(d.Title, QStringLiteral("New Wall"));
    EXPECT_EQ(d.FileName, QStringLiteral("NewWall.tx5d"));
    EXPECT_EQ(d.Units, 1);
    EXPECT_EQ(d.MaxDeflection, 100.0);
    EXPECT_EQ(d.Tolerance, 0.00001);
    EXPECT_EQ(d.ActivePressureFactor, 1.0);
    EXPECT_EQ(d.EarthPressureFlag, 1);
    EXPECT_EQ(d.EarthPressureOption, 2);
    EXPECT_TRUE(d.GeneratePyOption);
    EXPECT_FALSE(d.ApplyExternalPy || d.ApplyMei || d.ApplyTiebacks || d.LongTerm);
    EXPECT_EQ(d.StageCount, 1);
    EXPECT_EQ(d.CurrentStage, 1);
    EXPECT_EQ(d.StageFileLayout, kLayout2015);
    for (TGridTable* t : d.Tables().All()) EXPECT_EQ(t->RowCount(), t->MinRows()) << d.Tables().NameOf(t).toStdString();
    EXPECT_EQ(d.Tables().PYMod->RowCount(), 2);
    EXPECT_EQ(d.Tables().DistLoad->RowCount(), 2);
    EXPECT_EQ(d.Tables().PileSect->RowCount(), 1);
    EXPECT_EQ(d.Tables().PYMod->Cell(1, 0).Real(), 1.0);  // multipliers default to 1
    EXPECT_FALSE(d.IsModified());
}

TEST(ProjectNew, ResetsValuesAndGridTablesButLeavesTheCurveSets) {
    TProgramData d;
    d.SwitchUnits(2);
    d.Title = "Old";
    d.ApplyTiebacks = true;
    d.Tables().BoundCond->SetRowCount(5);
    d.Tables().NewSoil->SetRowCount(3);
    d.Tables().PYCurves2->SetRowCount(7);
    d.SetModified();
    d.New();
    EXPECT_TRUE(d.Values() == TProjectValues{});
    EXPECT_EQ(d.Tables().BoundCond->RowCount(), 1);
    EXPECT_EQ(d.Tables().NewSoil->RowCount(), 1);
    EXPECT_EQ(d.Tables().NewSoil->Units(), 1);
    EXPECT_EQ(d.Tables().PYCurves2->RowCount(), 7);
    EXPECT_FALSE(d.IsModified());
}

TEST(ProjectTables, AreFoundByNameAndMakeTheSubTableOfEachSoilType) {
    TProgramData d;
    const QStringList names = {"PileSect", "SoilLayer", "BoundCond", "SoilStrength", "TiebackTable1", "PYMod",
                               "DistLoad", "LongDist", "SurchargeTable", "NewSoil", "LongSoil", "TblClay1",
                               "TblSand1", "TblSilt1", "TblRock1", "TblRock2", "PYCurves2", "PYCurve2",
                               "MEICurves2", "Rows2"};
    for (const QString& name : names) {
        ASSERT_NE(d.Table(name), nullptr) << name.toStdString();
        EXPECT_EQ(d.Tables().NameOf(d.Table(name)), name);
    }
    EXPECT_EQ(d.Table("Nothing"), nullptr);
    EXPECT_EQ(d.Tables().All().size(), names.size());

    // Each soil type finds its parameter table: clays, sand, silt, rocks.
    const struct {
        int type;
        const char* caption;
        int columns;
    } kinds[] = {{1, "Clay", 5}, {2, "Clay", 5},        {3, "Clay", 5},      {4, "Sand", 4},
                 {5, "Silt", 6}, {6, "Strong Rock", 2}, {7, "Weak Rock", 5}};
    for (TGridTable* layers : {d.Tables().NewSoil, d.Tables().LongSoil})
        for (const auto& k : kinds) {
            layers->Cell(0, 0).SetInteger(k.type);
            TGridTable* p = layers->Cell(2, 0).SubTable();
            ASSERT_NE(p, nullptr) << k.type;
            EXPECT_EQ(p->Caption, QString::fromLatin1(k.caption));
            EXPECT_EQ(p->ColumnCount(), k.columns);
            EXPECT_EQ(p->RowCount(), 2);  // top and bottom of the layer
        }
    // Curve sets hold curve tables of at least two points.
    d.Tables().PYCurves2->SetRowCount(1);
    TGridTable* curve = d.Tables().PYCurves2->Cell(1, 0).SubTable();
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->Caption, QStringLiteral("External p-y Curve"));
    EXPECT_EQ(curve->RowCount(), 2);
    EXPECT_EQ(d.Tables().PYCurves2->Cell(2, 0).Real(), 1.0);
    TGridTable* mei = d.Tables().MEICurves2->Cell(2, 0).SubTable();
    ASSERT_NE(mei, nullptr);
    EXPECT_EQ(mei->Caption, QStringLiteral("Moment and EI data"));
    // Help pictures where the tables show them.
    EXPECT_FALSE(d.Tables().DistLoad->HelpPicture.isNull());
    EXPECT_FALSE(d.Tables().LongDist->HelpPicture.isNull());
    EXPECT_FALSE(d.Tables().SoilStrength->HelpPicture.isNull());
}

TEST(ProjectUnits, ConvertsScalarsBetweenEnglishAndSIOnly) {
    TProgramData d;
    d.IncrementLength = 6;
    d.UniformSurcharge = 1;
    d.LegacyPointLoad = 1000;
    d.LegacyLineLoad = 10;
    d.BackfillSlope = 10;
    d.ActivePressureFactor = 1.5;
    d.SwitchUnits(2);
    EXPECT_EQ(d.Units, 2);
    EXPECT_DOUBLE_EQ(d.IncrementLength, 6 * 0.0254);
    EXPECT_DOUBLE_EQ(d.MaxDeflection, 2.54);
    EXPECT_EQ(Shown(d.UniformSurcharge), QStringLiteral("6.8947586"));  // lb/in2 to kN/m2
    EXPECT_DOUBLE_EQ(d.LegacyPointLoad, 1000 * 0.00444822246806065);
    EXPECT_DOUBLE_EQ(d.LegacyLineLoad, 10 * 0.00444822246806065 / 0.0254);
    EXPECT_EQ(d.BackfillSlope, 10.0);
    EXPECT_EQ(d.ActivePressureFactor, 1.5);
    d.SwitchUnits(1);
    // 0.0254 x 39.3701 is not exactly 1.
    EXPECT_DOUBLE_EQ(d.MaxDeflection, 100 * 0.0254 * 39.3701);
    EXPECT_EQ(Shown(d.MaxDeflection), QStringLiteral("100.00005"));

    // English -> other -> SI changes nothing, in the scalars or the tables.
    TProgramData e;
    SetLayer(e.Tables().NewSoil, 0, 1, 10, {120, 500, 0.01, 0, 0}, {120, 500, 0.01, 0, 0});
    e.SwitchUnits(3);
    EXPECT_EQ(e.MaxDeflection, 100.0);
    e.SwitchUnits(2);
    EXPECT_EQ(e.Units, 2);
    EXPECT_EQ(e.MaxDeflection, 100.0);
    EXPECT_EQ(e.Tables().NewSoil->Units(), 2);
    EXPECT_EQ(e.Tables().NewSoil->Cell(2, 0).SubTable()->Cell(0, 0).Real(), 120.0);
    e.SwitchUnits(7);  // clamped to "other"
    EXPECT_EQ(e.Units, 3);
}

TEST(ProjectUnits, SwitchesTheGridTablesAndSurchargesButNotTheCurveTablesNorTheModifiedMark) {
    TProgramData d;
    SetLayer(d.Tables().NewSoil, 0, 1, 10, {120, 500, 0.01, 0, 0}, {120, 500, 0.01, 0, 0});
    TGridTable* s = d.Tables().SurchargeTable;
    s->SetRowCount(3);
    SetRow(s, 0, {1, 1000, 10, 0});
    SetRow(s, 1, {2, 10, 10, 0});
    SetRow(s, 2, {3, 1, 10, 5});
    d.Tables().PYCurves2->SetRowCount(1);
    TGridTable* curve = d.Tables().PYCurves2->Cell(1, 0).SubTable();
    SetRow(curve, 0, {-1, 100});

    d.SwitchUnits(2);
    EXPECT_EQ(Shown(d.Tables().NewSoil->Cell(2, 0).SubTable()->Cell(0, 0).Real()), QStringLiteral("18.850497"));
    EXPECT_DOUBLE_EQ(s->Cell(1, 0).Real(), 1000 * 0.00444822246806065);
    EXPECT_DOUBLE_EQ(s->Cell(1, 1).Real(), 10 * 0.00444822246806065 / 0.0254);
    EXPECT_EQ(Shown(s->Cell(1, 2).Real()), QStringLiteral("6.8947586"));
    EXPECT_EQ(Shown(s->Cell(2, 0).Real()), QStringLiteral("254"));  // inches to millimetres
    EXPECT_EQ(d.Tables().PYCurves2->Units(), 1);
    EXPECT_EQ(curve->Cell(1, 0).Real(), 100.0);
    EXPECT_FALSE(d.IsModified());
}

TEST(ProjectModified, FollowsTheFlagAndTheTablesChangeMarks) {
    TProgramData d;
    QSignalSpy spy(&d, &TProgramData::modifiedChanged);
    d.SetModified();
    EXPECT_TRUE(d.IsModified());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy.takeFirst().at(0).toBool());
    d.ClearModified();
    EXPECT_FALSE(d.IsModified());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(spy.takeFirst().at(0).toBool());

    // A change mark on a layer's parameter table, as its window sets it.
    TGridTable* parameters = d.Tables().NewSoil->Cell(2, 0).SubTable();
    parameters->Cell(0, 0).SetReal(110);
    parameters->SetChanged();
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.IsModified());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy.takeFirst().at(0).toBool());
    d.ClearModified();  // clears every table's mark, sub-tables included
    EXPECT_FALSE(parameters->IsChanged());
    EXPECT_FALSE(d.IsModified());
}

}  // namespace
