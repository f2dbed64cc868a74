// Small tables shaped like the program's own: wall sections, soil layers with
// per-kind parameter tables, and the parameter templates.
#pragma once

#include "grid/grid_table.h"

#include <memory>

namespace torvex::test {

// Parameter templates (identifiers 18 clay, 17 sand, 29 silt) and a layer
// table whose first column chooses the kind and whose third holds the
// matching parameter table.
struct SoilTables {
    std::unique_ptr<TGridTable> clay;
    std::unique_ptr<TGridTable> sand;
    std::unique_ptr<TGridTable> silt;
    std::unique_ptr<TGridTable> layers;
};

inline SoilTables MakeSoilTables() {
    SoilTables t;
    t.clay = std::make_unique<TGridTable>();
    t.clay->SetIdentifier(18);
    t.clay->Caption = "Clay";
    t.clay->TopLeft = "Point";
    t.clay->SetMinRows(2);
    t.clay->SetMaxRows(2);
    t.clay->Add<TFloatColumn>(QStringList{"Total Unit", "Weight,"}, "F/L2^3", 0.0);
    t.clay->Add<TFloatColumn>(QStringList{"Cohesive", "Strength,"}, "F/L2^2", 0.0);
    t.clay->Add<TFloatColumn>(QStringList{"E50"}, "", 0.0);

    t.sand = std::make_unique<TGridTable>();
    t.sand->SetIdentifier(17);
    t.sand->Caption = "Sand";
    t.sand->SetMinRows(2);
    t.sand->SetMaxRows(2);
    t.sand->Add<TFloatColumn>(QStringList{"Total Unit", "Weight,"}, "F/L2^3", 0.0);
    t.sand->Add<TFloatColumn>(QStringList{"Friction", "Angle, deg."}, "", 30.0);

    t.silt = std::make_unique<TGridTable>();
    t.silt->SetIdentifier(29);
    t.silt->Caption = "Silt";
    t.silt->SetMinRows(2);
    t.silt->SetMaxRows(2);
    t.silt->Add<TFloatColumn>(QStringList{"Total Unit ", "Weight,"}, "F/L2^3", 0.0);

    t.layers = std::make_unique<TGridTable>();
    t.layers->SetIdentifier(19);
    t.layers->Caption = "Soil Layers";
    t.layers->TopLeft = "Layer";
    t.layers->SetMinRows(1);
    t.layers->SetMaxRows(10);
    t.layers->Add<TEnumColumn>(QStringList{"Soil Type"},
                               QStringList{"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water",
                                           "Sand", "Silt (c-phi soil)", "Strong Rock", "Weak Rock"});
    t.layers->Add<TFloatColumn>(QStringList{"Depth at Bottom", "of the Layer,"}, "L2", 0.0);
    t.layers->Add<TTableColumn>(QStringList{"Edit Soil", "Parameters"}, QList<int>{18, 18, 18, 17, 29, 30, 31});
    return t;
}

// Wall stiffness sections: integer, integer, choice, real; 1 to 10 rows.
inline std::unique_ptr<TGridTable> MakeSections() {
    auto t = std::make_unique<TGridTable>();
    t->SetIdentifier(15);
    t->Caption = "Wall Stiffness";
    t->TopLeft = "Section";
    t->SetMinRows(1);
    t->SetMaxRows(10);
    t->Add<TIntColumn>(QStringList{"From Node No. (Start)"}, 0, 0, 2147483600);
    t->Add<TIntColumn>(QStringList{"To Node No. (End)"}, 1, 0, 2147483647);
    t->Add<TEnumColumn>(QStringList{"Constant or Interpolate?"},
                        QStringList{"Use Constant Value for all Nodes on this Line",
                                    "Linear Interpolate to End Node of Next Line"});
    t->Add<TFloatColumn>(QStringList{"Flexural Stiffness (EI)"}, "F-L^2", 0.0);
    return t;
}

}  // namespace torvex::test
