#include "project/project_tables.h"

#include "project/help_pictures.h"

#include <algorithm>

namespace {

constexpr int kLargestNode = 2147483600;  // leaves room for the fictitious stations
constexpr int kIntMin = -2147483647 - 1;
constexpr int kIntMax = 2147483647;

const QStringList kConstantOrInterpolate = {"Use Constant Values for all Nodes on this Line",
                                            "Linear Interpolate to End Node of Next Line"};
const QStringList kSoilTypes = {"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water", "Sand",
                                "Silt (c-phi soil)", "Strong Rock", "Weak Rock"};
// Parameter table of each soil type: clays, sand, silt, strong and weak rock.
const QList<int> kSoilTemplates = {18, 18, 18, 17, 29, 30, 31};

const char kNoteSections[] =
    "The nodal number at the top of the wall is set to be 0.\r"
    "Values of Flexural Stiffness (EI) must be specified for all nodes of the wall.\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
    "following line.";
const char kNoteLoads[] =
    "The concentrated loads are applied at nodal points only (including the specified START and END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
    "following line.";
const char kNoteSprings[] =
    "The spring stiffnesses are applied at nodal points only (including the specified START and END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
    "following line.";
const char kNoteWeakRock[] = "* krm is a strain constant that seve to establish the overall stiffness of the curves";
const char kNoteSurcharges[] =
    "The unit for point load is lbs or kN \r"
    "The unit for line load is lbs/in. or kN/m \r"
    "The unit for strip load is lbs/in^2 or kN/m^2 \r"
    "For strip load, Distance X goes from the wall to the middle of the strip width";
const char kNotePyCurve[] =
    "* Use negative (-) values for deflections to the left (to backfill)\r"
    "     and positive (+) to the right (to excavation).\r"
    "Lateral movement (y) should start from negative deflection\r"
    "     (towards backfill) and gradually increase to positive\r"
    "     deflection (towards excavation) for the range of the response.\r"
    "Positive soil resistance (p) should correspond to the negative\r"
    "     soil movement (-y) and negative soil resistance (-p) should\r"
    "     correspond to the positive soil movement (y).";
const char kNoteEarthCoefficient[] =
    "The user may optionally enter an earth pressure coefficient for generating \r"
    "lateral earth pressure that is equal to the vertical soil pressure multiplied \r"
    "by this user-specified coefficient. If the user does not intend to use this option, \r"
    "please leave the optional earth pressure coefficient as zero and the program will \r"
    "use the active earth pressure coefficient calculated internally.";

template <class Table>
Table* MakeTable(QObject* parent, int identifier, const char* caption, const char* topLeft, int minRows,
                 int maxRows) {
    auto* table = new Table(parent);
    table->SetIdentifier(identifier);
    table->Caption = QString::fromLatin1(caption);
    table->TopLeft = QString::fromLatin1(topLeft);
    table->SetMinRows(minRows);
    table->SetMaxRows(maxRows);
    return table;
}

void AddReal(TGridTable* t, const QStringList& captions, const char* unitCode, double defaultValue = 0.0) {
    t->Add<TFloatColumn>(captions, QString::fromLatin1(unitCode), defaultValue);
}

void AddDistributedLoadColumns(TGridTable* t, const char* loadCaption) {
    AddReal(t, {"Depth measured from the top of the wall,"}, "L2");
    AddReal(t, {QString::fromLatin1(loadCaption)}, "F/L2");
}

void AddSoilLayerColumns(TGridTable* t) {
    t->Add<TEnumColumn>(QStringList{"Soil Type"}, kSoilTypes);
    AddReal(t, {"Depth at Bottom", "of the Layer,"}, "L2");
    t->Add<TTableColumn>(QStringList{"Edit Soil", "Parameters"}, kSoilTemplates);
}

void MakeCurveChart(TGridTableChart* t) {
    t->ChartFlag = true;
    t->GetDataFromFile = true;
    t->XColumn = 0;
    t->YColumn = 1;
}

}  // namespace

TProjectTables::TProjectTables(QObject* parent) : QObject(parent) { Build(); }

TProjectTables::~TProjectTables() = default;

void TProjectTables::Build() {
    // Templates first, so that the layer and curve-set tables find them for
    // the rows they create.
    TblClay1 = MakeTable<TGridTable>(this, 18, "Clay", "Point", 2, 2);
    AddReal(TblClay1, {"Total Unit", "Weight,"}, "F/L2^3");
    AddReal(TblClay1, {"Cohesive", "Strength,"}, "F/L2^2");
    AddReal(TblClay1, {"E50"}, "");
    AddReal(TblClay1, {"k(py)"}, "F/L^3");
    AddReal(TblClay1, {"Optional Earth", "Pressure Coefficient"}, "");
    TblClay1->Comments = QString::fromLatin1(kNoteEarthCoefficient);

    TblSand1 = MakeTable<TGridTable>(this, 17, "Sand", "Point", 2, 2);
    AddReal(TblSand1, {"Total Unit", "Weight,"}, "F/L2^3");
    AddReal(TblSand1, {"Friction", "Angle, deg."}, "");
    AddReal(TblSand1, {"k(py)"}, "F/L^3");
    AddReal(TblSand1, {"Optional Earth", "Pressure Coefficient"}, "");
    TblSand1->Comments = QString::fromLatin1(kNoteEarthCoefficient);

    TblSilt1 = MakeTable<TGridTable>(this, 29, "Silt", "Point", 2, 2);
    AddReal(TblSilt1, {"Total Unit ", "Weight,"}, "F/L2^3");
    AddReal(TblSilt1, {"Friction", "Angle, deg."}, "");
    AddReal(TblSilt1, {"Cohesive", "Strength,"}, "F/L2^2");
    AddReal(TblSilt1, {"E50"}, "");
    AddReal(TblSilt1, {"K(py)"}, "F/L^3");
    AddReal(TblSilt1, {"Optional Earth", "Pressure Coefficient"}, "");
    TblSilt1->Comments = QString::fromLatin1(kNoteEarthCoefficient);

    TblRock1 = MakeTable<TGridTable>(this, 30, "Strong Rock", "Point", 2, 2);
    AddReal(TblRock1, {"Total Unit", "Weight,"}, "F/L2^3");
    AddReal(TblRock1, {"Uniaxial Compressive", "Strength,"}, "F/L^2");

    TblRock2 = MakeTable<TGridTable>(this, 31, "Weak Rock", "Point", 2, 2);
    AddReal(TblRock2, {"Total Unit", "Weight,"}, "F/L2^3");
    AddReal(TblRock2, {"Uniaxial Compressive", "Strength,"}, "F/L^2");
    AddReal(TblRock2, {"krm *"}, "");
    AddReal(TblRock2, {"Elastic", "Modulus,"}, "F/L^2");
    AddReal(TblRock2, {"RQD", "%"}, "");
    TblRock2->Comments = QString::fromLatin1(kNoteWeakRock);

    PYCurve2 = MakeTable<TGridTableChart>(this, 38, "External p-y Curve", "Point", 2, 17);
    AddReal(PYCurve2, {"Lateral Deflection, y (*)"}, "L");
    AddReal(PYCurve2, {"Soil Resistance, p"}, "F/L");
    PYCurve2->Comments = QString::fromLatin1(kNotePyCurve);
    MakeCurveChart(PYCurve2);

    Rows2 = MakeTable<TGridTableChart>(this, 0, "Moment and EI data", "Point", 1, 100);
    AddReal(Rows2, {"Bending moment"}, "F-L");
    AddReal(Rows2, {"Flexural rigidity"}, "F-L^2");
    MakeCurveChart(Rows2);

    PileSect = MakeTable<TGridTable>(this, 15, "Wall Stiffness", "Section", 1, 10);
    PileSect->Add<TIntColumn>(QStringList{"From Node No. (Start)"}, 0, 0, kLargestNode);
    PileSect->Add<TIntColumn>(QStringList{"To Node No. (End)"}, 1, 0, kIntMax);
    PileSect->Add<TEnumColumn>(QStringList{"Constant or Interpolate?"},
                               QStringList{"Use Constant Value for all Nodes on this Line",
                                           "Linear Interpolate to End Node of Next Line"});
    AddReal(PileSect, {"Flexural Stiffness (EI)"}, "F-L^2");
    PileSect->Comments = QString::fromLatin1(kNoteSections);

    SoilLayer = MakeTable<TGridTable>(this, 0, "Specify Deflection and Slope on Wall", "Point", 1, 10);
    SoilLayer->Add<TEnumColumn>(QStringList{"Case"}, QStringList{"Specify Deflection", "Specify Slope"});
    SoilLayer->Add<TIntColumn>(QStringList{"Nodal No."}, 0, 0, kLargestNode);
    AddReal(SoilLayer, {"Deflection"}, "L");
    AddReal(SoilLayer, {"Slope"}, "");

    BoundCond = MakeTable<TGridTable>(this, 123, "Concentrated Loads on Wall", "Line", 1, 20);
    BoundCond->Add<TEnumColumn>(QStringList{"Constant or Interpolate?"}, kConstantOrInterpolate);
    BoundCond->Add<TIntColumn>(QStringList{"From Node No.", "(Start)"}, 0, 0, kLargestNode);
    BoundCond->Add<TIntColumn>(QStringList{"To Node No.", "(End)"}, 1, 0, kIntMax);
    AddReal(BoundCond, {"Lateral Load"}, "F");
    AddReal(BoundCond, {"Moment"}, "F-L");
    AddReal(BoundCond, {"Axial Load"}, "F");
    BoundCond->Comments = QString::fromLatin1(kNoteLoads);

    SoilStrength = MakeTable<TGridTable>(this, 4, "Lateral Spring and Rotation Spring", "Line", 1, 20);
    SoilStrength->Add<TEnumColumn>(QStringList{"Constant or Interpolate?"}, kConstantOrInterpolate);
    SoilStrength->Add<TIntColumn>(QStringList{"From Node No.", "     (Start)"}, 0, 0, kIntMax);
    SoilStrength->Add<TIntColumn>(QStringList{"To Node No.", "   (End)"}, 0, kIntMin, kIntMax);
    AddReal(SoilStrength, {"Lateral Spring", "Stiffness"}, "F/L");
    AddReal(SoilStrength, {"Rotational Spr.", "Stiff."}, "F-L/RAD.");
    SoilStrength->Comments = QString::fromLatin1(kNoteSprings);
    SoilStrength->HelpPicture = TiebackPicture();

    TiebackTable1 = MakeTable<TGridTable>(this, 77, "Tieback (ground anchor) Table", "Tieback", 1, 20);
    AddReal(TiebackTable1, {"Depth from top", "of wall,"}, "L2");
    AddReal(TiebackTable1, {"Cross sectional area", "of steel rod,"}, "L^2");
    AddReal(TiebackTable1, {"Elastic modulus", "of steel,"}, "F/L^2");
    AddReal(TiebackTable1, {"Unbonded anchor", "length,"}, "L2");
    AddReal(TiebackTable1, {"Angle from", "horizontal,"}, "DEG.");
    AddReal(TiebackTable1, {"Anchor spacing", "in each row,"}, "L2");

    PYMod = MakeTable<TGridTable>(this, 16, "p-y Modification Factors", "Point", 2, 30);
    AddReal(PYMod, {"Depth"}, "L2");
    AddReal(PYMod, {"p-Multiplier"}, "", 1.0);
    AddReal(PYMod, {"y-Multiplier"}, "", 1.0);

    const QPixmap earthPressure = EarthPressurePicture();
    DistLoad = MakeTable<TGridTable>(this, 22, "Distributed Loads", "Point", 2, 100);
    AddDistributedLoadColumns(DistLoad, "Lateral distributed line load, ");
    DistLoad->HelpPicture = earthPressure;

    LongDist = MakeTable<TGridTable>(this, 104, "Distributed Load (Long-Term)", "Point", 1, 0);
    AddDistributedLoadColumns(LongDist, "Lateral distributed line load,");
    LongDist->HelpPicture = earthPressure;

    SurchargeTable = MakeTable<TGridTable>(this, 23, "Surcharge Loads", "Load", 1, 20);
    SurchargeTable->Add<TEnumColumn>(QStringList{"Load Types"}, QStringList{"Point Load", "Line Load", "Strip Load"});
    AddReal(SurchargeTable, {"Load Magnitude"}, "SEE NOTES");
    AddReal(SurchargeTable, {"Distance, X"}, "L1");
    AddReal(SurchargeTable, {"Width of Strip Load, W"}, "L1");
    SurchargeTable->Comments = QString::fromLatin1(kNoteSurcharges);

    NewSoil = MakeTable<TGridTable>(this, 19, "Soil Layers", "Layer", 1, 10);
    AddSoilLayerColumns(NewSoil);
    LongSoil = MakeTable<TGridTable>(this, 44, "Soil Layers (Long-Term)", "Layer", 1, 10);
    AddSoilLayerColumns(LongSoil);

    PYCurves2 = MakeTable<TGridTableChart>(this, 37, "Sets of Ext. p-y Curves", "Set", 2, 30);
    PYCurves2->Add<TIntColumn>(QStringList{"Node # "}, 0, kIntMin, kIntMax);
    PYCurves2->Add<TTableColumn>(QStringList{"Curve Sets"}, QList<int>{38});
    AddReal(PYCurves2, {"Multiplier for p-value"}, "", 1.0);
    AddReal(PYCurves2, {"Multiplier for y-value"}, "", 1.0);

    MEICurves2 = MakeTable<TGridTableChart>(this, 36, "Nonlinear Moment vs EI Curves", "Set", 1, 20);
    MEICurves2->Add<TIntColumn>(QStringList{"From Node No. (Start)"}, 0, 0, 1000);
    MEICurves2->Add<TIntColumn>(QStringList{"To Node No. (End)"}, 0, 0, 1000);
    MEICurves2->Add<TTableColumn>(QStringList{}, QList<int>{0});

    all_ = {PileSect, SoilLayer, BoundCond, SoilStrength, TiebackTable1, PYMod,    DistLoad,
            LongDist, SurchargeTable, NewSoil, LongSoil, TblClay1, TblSand1, TblSilt1,
            TblRock1, TblRock2, PYCurves2, PYCurve2, MEICurves2, Rows2};
    names_ = {"PileSect", "SoilLayer", "BoundCond", "SoilStrength", "TiebackTable1", "PYMod", "DistLoad",
              "LongDist", "SurchargeTable", "NewSoil", "LongSoil", "TblClay1", "TblSand1", "TblSilt1",
              "TblRock1", "TblRock2", "PYCurves2", "PYCurve2", "MEICurves2", "Rows2"};
}

TGridTable* TProjectTables::Table(const QString& name) const {
    const int i = names_.indexOf(name);
    return i < 0 ? nullptr : all_[i];
}

QString TProjectTables::NameOf(const TGridTable* table) const {
    const int i = all_.indexOf(const_cast<TGridTable*>(table));
    return i < 0 ? QString() : names_[i];
}

bool TProjectTables::IsChartTable(const TGridTable* table) {
    return dynamic_cast<const TGridTableChart*>(table) != nullptr;
}

void TProjectTables::EmptyAll() {
    for (TGridTable* t : all_) t->SetRowCount(0);
}

void TProjectTables::PadAllToMinimum() {
    for (TGridTable* t : all_) t->PadToMinimum();
}

void TProjectTables::ResetAllChanged() {
    for (TGridTable* t : all_) t->ResetChanged();
}

bool TProjectTables::AnyChanged() const {
    return std::any_of(all_.begin(), all_.end(), [](const TGridTable* t) { return t->IsChanged(); });
}

void TProjectTables::CloseAllWindows() {
    for (TGridTable* t : all_) t->CloseWindow();
}
