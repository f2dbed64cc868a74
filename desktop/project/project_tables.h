// The named grid tables of a project: every list-shaped input (wall
// sections, loads, springs, tiebacks, soil layers with their parameter
// tables, surcharges, external p-y curves and moment-EI curves). They are
// created once, with their column definitions, and reused by every project.
#pragma once

#include "grid/grid_table.h"
#include "grid/table_chart.h"

#include <QList>
#include <QObject>
#include <QString>

class TProjectTables : public QObject {
    Q_OBJECT

public:
    explicit TProjectTables(QObject* parent = nullptr);
    ~TProjectTables() override;

    // Wall, loads and supports.
    TGridTable* PileSect;       // wall stiffness sections
    TGridTable* SoilLayer;      // specified deflections and slopes
    TGridTable* BoundCond;      // concentrated loads
    TGridTable* SoilStrength;   // lateral and rotational springs
    TGridTable* TiebackTable1;  // tiebacks (ground anchors)
    TGridTable* PYMod;          // p-y modification factors
    // Earth pressure and soil.
    TGridTable* DistLoad;  // user-specified distributed earth pressure
    TGridTable* LongDist;  // the same for the long-term problem
    TGridTable* SurchargeTable;
    TGridTable* NewSoil;   // soil layers
    TGridTable* LongSoil;  // soil layers of the long-term problem
    // Templates of the per-layer parameter tables (top and bottom of the layer).
    TGridTable* TblClay1;
    TGridTable* TblSand1;
    TGridTable* TblSilt1;
    TGridTable* TblRock1;
    TGridTable* TblRock2;
    // Curve tables, kept in English units.
    TGridTableChart* PYCurves2;   // sets of external p-y curves
    TGridTableChart* PYCurve2;    // template: one external p-y curve
    TGridTableChart* MEICurves2;  // moment-EI curve sets
    TGridTableChart* Rows2;       // template: one moment-EI curve

    // The table of a component name ("PileSect", "NewSoil" ...), or nullptr.
    TGridTable* Table(const QString& name) const;
    QString NameOf(const TGridTable* table) const;
    // Every named table, in the order above.
    const QList<TGridTable*>& All() const { return all_; }
    static bool IsChartTable(const TGridTable* table);

    // Row and unit operations over every table.
    void EmptyAll();
    void PadAllToMinimum();
    void ResetAllChanged();
    bool AnyChanged() const;
    void CloseAllWindows();

private:
    void Build();
    QList<TGridTable*> all_;
    QList<QString> names_;
};
