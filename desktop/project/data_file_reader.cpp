#include "project/data_file_reader.h"

#include "project/program_data.h"
#include "project/soil_properties.h"
#include "project/word_reader.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLongTermNext = 9;
// Old files gave the water's unit weight (lb/in3) where the pressure factor now is.
constexpr double kOldWaterWeight = 0.036;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr int kOldSurchargeRows = 3;  // a point, a line and a strip load

class TProblemReader {
public:
    // second: the long-term problem of a project file, read into the same tables.
    TProblemReader(TProgramData& project, TWordReader& in, int layout, bool second)
        : d_(project), t_(project.Tables()), in_(in), layout_(layout), second_(second) {}

    void Read();  // CONTROL to the moment-EI curves

private:
    bool Has2013() const { return layout_ == kLayout2015 || layout_ == kLayout2013; }
    bool Has30() const { return layout_ != kLayout20; }
    // Table values in feet-based units come in inches, except in the 2.0 layout.
    bool ConvertFeet(const TGridTable* t) const { return Has30() && t->Units() == kUnitsEnglish; }
    bool ConvertSoil() const { return Has30() && d_.Units == kUnitsEnglish; }

    // A count read as a row count. A count beyond the values left in the
    // file can only end in a read error; it is cut there rather than
    // creating that many rows.
    int Count();
    void IntCell(TGridTable* t, int col, int row) { t->Cell(col, row).SetInteger(in_.ReadInteger()); }
    void RealCell(TGridTable* t, int col, int row, double factor = 1.0) {
        t->Cell(col, row).SetReal(Converted(in_.ReadReal(), factor));
    }
    // A value converted to the table's unit. One too large to hold would be
    // kept as infinity and saved as a text that cannot be read back.
    double Converted(double value, double factor) const {
        const double converted = value * factor;
        if (!std::isfinite(converted)) in_.Fail(QString::fromLatin1(kRealExpected));
        return converted;
    }
    void Rows(TGridTable* t, std::initializer_list<int> columns);

    void ReadControl();
    void ReadEarthRecords();
    void ReadOldSurcharges();
    void ReadLayers(TGridTable* layers);
    void ReadProperties(TGridTable* parameters, int soilType, int row, int values);
    void ReadPyCurves();
    void ReadMeiCurves();
    void ReadCurvePoints(TGridTable* curve, int points);

    TProgramData& d_;
    TProjectTables& t_;
    TWordReader& in_;
    int layout_;
    bool second_;
    int koutpt_ = 0;
    int kpyop_ = 0;
};

int TProblemReader::Count() {
    const int count = in_.ReadInteger();
    return int(std::min<qint64>(count, in_.RemainingTokens()));
}

void TProblemReader::Rows(TGridTable* t, std::initializer_list<int> columns) {
    for (int row = 0; row < t->RowCount(); ++row)
        for (int col : columns) {
            if (t->Column(col)->Kind() == ColumnKind::Real)
                RealCell(t, col, row);
            else
                IntCell(t, col, row);
        }
}

void TProblemReader::ReadControl() {
    d_.SwitchUnits(in_.ReadInteger());
    const int restraints = Count();
    const int sections = Count();
    const int modifiers = Count();
    t_.SoilLayer->SetRowCount(restraints);
    t_.PileSect->SetRowCount(sections);
    t_.PYMod->SetRowCount(modifiers);
    if (restraints > 0) d_.ApplyRestraints = true;

    koutpt_ = in_.ReadInteger();
    kpyop_ = in_.ReadInteger();
    d_.Koutpt = koutpt_;
    d_.Kpyop = kpyop_;
    if (!second_) d_.EarthPressureOption = koutpt_;
    if (second_) {
        if (koutpt_ == 2) d_.GenerateEarthPressure = true;
    } else if (koutpt_ > 1) {
        d_.GenerateEarthPressure = true;
    } else if (koutpt_ == 1) {
        d_.GenerateEarthPressure = false;
    }
    // Curves generated without earth pressure (KOUTPT 0, KPYOP 2) stay
    // generated: clearing the option would drop the layers at the next save.
    if (kpyop_ == 2) d_.GeneratePyOption = true;
    if (kpyop_ < 2) d_.GeneratePyOption = false;
    d_.UserEarthPressure = koutpt_ == 1;
    if (kpyop_ == 1) d_.ApplyExternalPy = true;
    if (kpyop_ == 0) d_.ApplyExternalPy = false;
    // The long-term problem follows a NEXT of 9: the option stays on for it.
    if (!second_) {
        d_.LongTerm = false;
        d_.NextCode = 0;
    }

    const int curveSets = Count();
    t_.PYCurves2->SetRowCount(curveSets);
    if (curveSets > 0) d_.ApplyExternalPy = true;
    if (t_.PYMod->RowCount() > 0) d_.ApplyPyModifiers = true;

    if (layout_ != kLayout20) d_.StageCount = std::clamp(in_.ReadInteger(), 1, 5);
    if (Has2013()) {
        const int meiSets = in_.ReadInteger();
        d_.MeiCount = meiSets;
        if (!second_) {
            t_.MEICurves2->SetRowCount(int(std::min<qint64>(meiSets, in_.RemainingTokens())));
            if (meiSets > 0) d_.ApplyMei = true;
        }
    }
    if (layout_ == kLayout2015) {
        const int tiebacks = Count();
        d_.TiebackCount = tiebacks;
        t_.TiebackTable1->SetRowCount(tiebacks);
        if (tiebacks > 0) d_.ApplyTiebacks = true;
    }
}

void TProblemReader::Read() {
    ReadControl();

    d_.Increments = in_.ReadInteger();
    d_.IncrementLength = in_.ReadReal();
    d_.MaxDeflection = in_.ReadReal();
    d_.Tolerance = in_.ReadReal();
    d_.FreeHeight = in_.ReadReal();
    // WA: EARTH1 repeats it when present, but without EARTH1 this is the
    // only width the tiebacks have.
    if (layout_ == kLayout2015) d_.WidthActive = in_.ReadReal();

    if (d_.ApplyRestraints) Rows(t_.SoilLayer, {0, 1, 2, 3});
    Rows(t_.PileSect, {0, 1, 2, 3});

    const int loads = Count();
    t_.BoundCond->SetRowCount(loads);
    if (loads != 0) d_.ApplyConcentratedLoads = true;
    Rows(t_.BoundCond, {0, 1, 2, 3, 4, 5});
    const int springs = Count();
    t_.SoilStrength->SetRowCount(springs);
    if (springs != 0) d_.ApplySprings = true;
    Rows(t_.SoilStrength, {1, 2, 0, 3, 4});
    // Only the 2015 layout has tiebacks; a stage file of an older layout
    // leaves the table as it is.
    if (layout_ == kLayout2015) Rows(t_.TiebackTable1, {0, 1, 2, 3, 4, 5});

    TGridTable* mods = t_.PYMod;
    const double modFeet = ConvertFeet(mods) ? 1.0 / kInchesPerFoot : 1.0;
    for (int row = 0; row < mods->RowCount(); ++row) {
        RealCell(mods, 0, row, modFeet);
        RealCell(mods, 1, row);
        RealCell(mods, 2, row);
    }
    d_.ApplyPyModifiers = mods->RowCount() > 0;

    if (koutpt_ == 1) {
        TGridTable* dist = second_ ? t_.LongDist : t_.DistLoad;
        const int rows = Count();
        dist->SetRowCount(rows);
        const double feet = ConvertFeet(dist) ? kInchesPerFoot : 1.0;
        for (int row = 0; row < dist->RowCount(); ++row) {
            RealCell(dist, 0, row, 1.0 / feet);
            RealCell(dist, 1, row, feet);
        }
        if (!second_) {
            d_.UserEarthPressure = rows >= 1;
            if (rows >= 1) d_.EarthPressureOption = 1;
        }
    }

    if (koutpt_ > 1 || kpyop_ > 1) ReadEarthRecords();
    ReadPyCurves();
    ReadMeiCurves();
}

void TProblemReader::ReadEarthRecords() {
    d_.FreeHeight = in_.ReadReal();
    d_.WidthActive = in_.ReadReal();
    d_.WidthPy = in_.ReadReal();
    d_.WaterDepthBackfill = in_.ReadReal();
    d_.WaterDepthExcavation = in_.ReadReal();
    d_.ActivePressureFactor = in_.ReadReal();
    if (d_.ActivePressureFactor == kOldWaterWeight) d_.ActivePressureFactor = 1.0;
    d_.EarthPressureFlag = in_.ReadInteger();
    d_.BackfillSlope = in_.ReadReal();

    d_.UniformSurcharge = in_.ReadReal();
    d_.LegacySurchargeDistance = in_.ReadReal();
    d_.LegacyPointLoad = in_.ReadReal();
    d_.LegacyLineLoad = in_.ReadReal();
    d_.LegacyStripLoad = in_.ReadReal();
    d_.LegacyStripWidth = in_.ReadReal();

    if (Has2013()) {
        const int surcharges = Count();
        t_.SurchargeTable->SetRowCount(surcharges);
        if (surcharges != 0) d_.ApplySurcharges = true;
        Rows(t_.SurchargeTable, {0, 1, 2, 3});
    } else {
        ReadOldSurcharges();
    }
    ReadLayers(second_ ? t_.LongSoil : t_.NewSoil);
}

// Older layouts had one point, one line and one strip surcharge at one
// distance; they become three surcharge rows.
void TProblemReader::ReadOldSurcharges() {
    if (!(d_.LegacySurchargeDistance > 0)) return;
    TGridTable* s = t_.SurchargeTable;
    s->SetRowCount(kOldSurchargeRows);
    // The distance and width columns are in millimetres with SI units, the
    // project's lengths in metres.
    const double toColumn = d_.Units == kUnitsSI ? kMillimetresPerMetre : 1.0;
    const double magnitudes[kOldSurchargeRows] = {d_.LegacyPointLoad, d_.LegacyLineLoad, d_.LegacyStripLoad};
    for (int row = 0; row < kOldSurchargeRows; ++row) {
        s->Cell(0, row).SetInteger(row + 1);
        s->Cell(1, row).SetReal(magnitudes[row]);
        s->Cell(2, row).SetReal(d_.LegacySurchargeDistance * toColumn);
        s->Cell(3, row).SetReal(d_.LegacyStripWidth * toColumn);
    }
    d_.ApplySurcharges = true;
    // The rows carry these loads from now on. Kept, they would go on loading
    // the wall through EARTH2 after the surcharges are switched off or edited.
    d_.LegacySurchargeDistance = d_.LegacyPointLoad = d_.LegacyLineLoad = d_.LegacyStripLoad = 0.0;
    d_.LegacyStripWidth = 0.0;
}

void TProblemReader::ReadLayers(TGridTable* layers) {
    const int count = Count();
    layers->SetRowCount(count);
    const double feet = ConvertSoil() ? kInchesPerFoot : 1.0;
    double bottom = 0.0;  // the 2.0 layout gives thicknesses
    for (int row = 0; row < layers->RowCount(); ++row) {
        const int soilType = in_.ReadInteger();
        if (soilType < kSoftClay || soilType > kWeakRock) in_.Fail(QString::fromLatin1(kSoilTypeExpected));
        layers->Cell(0, row).SetInteger(soilType);  // a new type brings its own parameter table
        if (layout_ == kLayout20) {
            bottom += in_.ReadReal();
            layers->Cell(1, row).SetReal(bottom);
        } else {
            RealCell(layers, 1, row, 1.0 / feet);
        }
        TGridTable* parameters = layers->Cell(2, row).SubTable();
        if (parameters != nullptr) {
            parameters->SetNumber(row + 1);
            parameters->SetRowCount(parameters->MinRows());
        }
        if (layout_ != kLayout20) {
            ReadProperties(parameters, soilType, 0, kPropertyValues);
            ReadProperties(parameters, soilType, 1, kPropertyValues);
        } else if (soilType != kWeakRock) {
            // One line of five values for the whole layer.
            ReadProperties(parameters, soilType, 0, kPropertyValues - 1);
            if (parameters != nullptr && parameters->RowCount() > 1)
                for (int col = 0; col < parameters->ColumnCount(); ++col)
                    parameters->Cell(col, 1).SetReal(parameters->Cell(col, 0).Real());
        }
    }
}

void TProblemReader::ReadProperties(TGridTable* parameters, int soilType, int row, int values) {
    const TSoilPropertyLayout layout = SoilPropertyLayout(soilType);
    const bool english = ConvertSoil();
    for (int i = 0; i < values; ++i) {
        double value = in_.ReadReal();
        const int col = layout.column[std::size_t(i)];
        // The long-term problem carries no earth-pressure coefficient.
        const bool carried = !(second_ && i == 5 && SixthIsEarthPressureCoefficient(soilType));
        if (col < 0 || !carried || parameters == nullptr || row >= parameters->RowCount()) continue;
        if (english && i == 0) value = Converted(value, kCubicInchesPerCubicFoot);
        if (english && i == 1 && layout.cohesionSecond) value = Converted(value, kSquareInchesPerSquareFoot);
        parameters->Cell(col, row).SetReal(value);
    }
}

void TProblemReader::ReadPyCurves() {
    TGridTable* sets = t_.PYCurves2;
    for (int row = 0; row < sets->RowCount(); ++row) {
        IntCell(sets, 0, row);
        const int points = Count();
        TGridTable* curve = sets->Cell(1, row).SubTable();
        sets->Cell(2, row).SetReal(1.0);
        sets->Cell(3, row).SetReal(1.0);
        if (Has2013()) {
            RealCell(sets, 2, row);
            RealCell(sets, 3, row);
        }
        ReadCurvePoints(curve, points);
    }
    d_.ApplyExternalPy = sets->RowCount() > 0;
}

void TProblemReader::ReadMeiCurves() {
    if (!d_.ApplyMei || !Has2013()) return;  // the 3.0 and 2.0 layouts have none
    TGridTable* sets = t_.MEICurves2;
    for (int row = 0; row < sets->RowCount(); ++row) {
        IntCell(sets, 0, row);
        IntCell(sets, 1, row);
        const int points = Count();
        TGridTable* curve = sets->Cell(2, row).SubTable();
        ReadCurvePoints(curve, points);
    }
}

void TProblemReader::ReadCurvePoints(TGridTable* curve, int points) {
    if (curve == nullptr) {  // no table to hold them: read past the points
        for (int i = 0; i < 2 * points; ++i) in_.ReadReal();
        return;
    }
    curve->SetRowCount(points);
    Rows(curve, {0, 1});
}

}  // namespace

void ReadDataFile(TProgramData& project, TWordReader& reader, int layout) {
    project.Title = reader.ReadLine();
    TProblemReader(project, reader, layout, false).Read();
    if (layout == kLayout20) return;  // the file ends after one problem
    if (reader.ReadInteger() != kLongTermNext) return;
    reader.ReadLine();  // the rest of the NEXT line
    project.LongTerm = true;
    project.NextCode = kLongTermNext;
    project.Title = reader.ReadLine();
    TProblemReader(project, reader, layout, true).Read();
    reader.ReadInteger();  // the final NEXT
}

void ReadStageProblem(TProgramData& project, TWordReader& reader, int layout) {
    project.Title = reader.ReadLine();
    TProblemReader(project, reader, layout, false).Read();
    project.NextCode = reader.ReadInteger();
    project.LongTerm = project.NextCode == kLongTermNext;
}
