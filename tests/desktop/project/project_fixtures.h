// Projects for the data-file tests: a project that uses every table and
// option, small walls the engine can analyse, and a snapshot of everything a
// project holds for comparing two projects.
#pragma once

#include "grid/number_format.h"
#include "project/program_data.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace torvex::test {

inline void SetRow(TGridTable* t, int row, std::initializer_list<double> values) {
    int col = 0;
    for (double v : values) {
        TColumn* c = t->Column(col);
        if (c->Kind() == ColumnKind::Table) {  // sub-tables are filled through SubTable()
            ++col;
            continue;
        }
        if (c->Kind() == ColumnKind::Real)
            c->SetReal(row, v);
        else
            c->SetInteger(row, int(v));
        ++col;
    }
}

inline void SetLayer(TGridTable* layers, int row, int soilType, double bottom,
                     std::initializer_list<double> top, std::initializer_list<double> base) {
    layers->Cell(0, row).SetInteger(soilType);
    layers->Cell(1, row).SetReal(bottom);
    TGridTable* p = layers->Cell(2, row).SubTable();
    SetRow(p, 0, top);
    SetRow(p, 1, base);
}

// Everything in the project as text: the values, then every table row by
// row with its sub-tables, reals at the 8 digits a table shows.
inline QStringList Snapshot(const TProgramData& d) {
    const TProjectValues& v = d.Values();
    auto r = [](double x) { return torvex::FormatGeneral(x, 8, "."); };
    QStringList s;
    s << v.FileName << v.Title
      << QStringList{QString::number(v.Units), QString::number(v.Koutpt), QString::number(v.Kpyop),
                     QString::number(v.MeiCount), QString::number(v.TiebackCount), QString::number(v.Increments)}
             .join(' ')
      << QStringList{r(v.IncrementLength), r(v.MaxDeflection), r(v.Tolerance), r(v.FreeHeight), r(v.WidthActive),
                     r(v.WidthPy), r(v.WaterDepthBackfill), r(v.WaterDepthExcavation), r(v.ActivePressureFactor),
                     QString::number(v.EarthPressureFlag), r(v.BackfillSlope), r(v.UniformSurcharge),
                     r(v.LegacySurchargeDistance), r(v.LegacyPointLoad), r(v.LegacyLineLoad), r(v.LegacyStripLoad),
                     r(v.LegacyStripWidth)}
             .join(' ')
      << QStringLiteral("option %1 user %2 gen %3 py %4 ext %5 mei %6 mod %7 conc %8 spr %9")
             .arg(v.EarthPressureOption)
             .arg(v.UserEarthPressure)
             .arg(v.GenerateEarthPressure)
             .arg(v.GeneratePyOption)
             .arg(v.ApplyExternalPy)
             .arg(v.ApplyMei)
             .arg(v.ApplyPyModifiers)
             .arg(v.ApplyConcentratedLoads)
             .arg(v.ApplySprings)
      << QStringLiteral("tie %1 sur %2 res %3 long %4 next %5 stages %6 layout %7")
             .arg(v.ApplyTiebacks)
             .arg(v.ApplySurcharges)
             .arg(v.ApplyRestraints)
             .arg(v.LongTerm)
             .arg(v.NextCode)
             .arg(v.StageCount)
             .arg(v.StageFileLayout);
    std::function<void(const QString&, TGridTable*)> table = [&](const QString& name, TGridTable* t) {
        s << QStringLiteral("%1: %2 rows, units %3").arg(name).arg(t->RowCount()).arg(t->Units());
        for (int row = 0; row < t->RowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < t->ColumnCount(); ++col) {
                TColumn* c = t->Column(col);
                if (c->Kind() == ColumnKind::Real) cells << r(c->GetReal(row));
                else if (c->Kind() == ColumnKind::Table) cells << QStringLiteral("[sub]");
                else cells << QString::number(c->GetInteger(row));
            }
            s << cells.join(' ');
            for (int col = 0; col < t->ColumnCount(); ++col)
                if (t->Column(col)->Kind() == ColumnKind::Table && t->Cell(col, row).SubTable() != nullptr)
                    table(QStringLiteral("%1[%2]").arg(name).arg(row + 1), t->Cell(col, row).SubTable());
        }
    };
    for (TGridTable* t : d.Tables().All()) table(d.Tables().NameOf(t), t);
    return s;
}

// The lines of a data file's text, without their CR LF.
inline QStringList FileLines(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// A wall of 60 increments of 6 in (English) in sand, cantilevered from 12 ft
// of free height: generated earth pressure and p-y curves.
inline void MakeSandWall(TProgramData& d) {
    d.New();
    d.Title = "Sand cantilever";
    d.Increments = 60;
    d.IncrementLength = 6;
    d.MaxDeflection = 10;
    d.Tolerance = 0.0001;
    d.FreeHeight = 144;
    d.WidthActive = 12;
    d.WidthPy = 12;
    d.WaterDepthBackfill = 600;
    d.WaterDepthExcavation = 600;
    SetRow(d.Tables().PileSect, 0, {0, 60, 1, 8e9});
    SetLayer(d.Tables().NewSoil, 0, 4, 40, {115, 32, 90, 0}, {115, 32, 90, 0});
}

}  // namespace torvex::test
