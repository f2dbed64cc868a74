#include "project/data_file_writer.h"

#include "grid/number_format.h"
#include "project/program_data.h"
#include "project/project_errors.h"
#include "project/soil_properties.h"

#include <QSaveFile>

namespace {

constexpr char kPlaceHolder[] = "0.0  ";  // a value the engine reads and ignores
constexpr int kLongTermNext = 9;
constexpr char kLongTermFollows[] = "9";
constexpr char kEndOfFile[] = "0";
constexpr char kTab = '\t';
constexpr char kBlank = ' ';

QString Int(int value) { return QString::number(value); }

class TProblemWriter {
public:
    enum class Kind { Single, LongTerm, Stage };

    TProblemWriter(TProgramData& project, QString& out) : d_(project), t_(project.Tables()), out_(out) {}

    void Write(Kind kind, int stage);

private:
    void Line(const QString& text) { out_ += text + QStringLiteral("\r\n"); }
    QString IntCell(TGridTable* t, int col, int row) const { return Int(t->Cell(col, row).Integer()); }
    QString RealCell(TGridTable* t, int col, int row, double factor = 1.0) const {
        return FileReal(t->Cell(col, row).Real() * factor);
    }
    // Cells of a row in the given column order, integer and choice columns
    // as integers, separated by TABs.
    void Rows(TGridTable* t, std::initializer_list<int> columns);

    int PrepareCodes(Kind kind);
    void WriteLayers(TGridTable* layers, bool longTerm);
    void WriteProperties(TGridTable* parameters, int soilType, int row, bool longTerm);

    TProgramData& d_;
    TProjectTables& t_;
    QString& out_;
};

void TProblemWriter::Rows(TGridTable* t, std::initializer_list<int> columns) {
    for (int row = 0; row < t->RowCount(); ++row) {
        QString line;
        for (int col : columns) {
            if (!line.isEmpty()) line += QLatin1Char(kTab);
            const ColumnKind kind = t->Column(col)->Kind();
            line += kind == ColumnKind::Real ? RealCell(t, col, row) : IntCell(t, col, row);
        }
        Line(line);
    }
}

// Empties the tables of options that are off and works out the codes.
int TProblemWriter::PrepareCodes(Kind kind) {
    if (!d_.ApplyConcentratedLoads) t_.BoundCond->SetRowCount(0);
    if (!d_.ApplyRestraints) t_.SoilLayer->SetRowCount(0);
    if (!d_.ApplyExternalPy) t_.PYCurves2->SetRowCount(0);

    int koutpt = 0;
    if (d_.UserEarthPressure || d_.EarthPressureOption == 1) {
        koutpt = 1;
        d_.GenerateEarthPressure = false;
    } else if (d_.GenerateEarthPressure || d_.GeneratePyOption) {
        koutpt = d_.EarthPressureOption;
    }
    // Only the single problem keeps the trapezoidal distribution.
    if (kind != Kind::Single && koutpt >= 2) koutpt = 2;
    d_.Koutpt = koutpt;
    d_.Kpyop = d_.GeneratePyOption ? 2 : (d_.ApplyExternalPy ? 1 : 0);
    d_.MeiCount = d_.ApplyMei ? t_.MEICurves2->RowCount() : 0;
    d_.TiebackCount = d_.ApplyTiebacks ? t_.TiebackTable1->RowCount() : 0;
    if (!d_.ApplyPyModifiers) t_.PYMod->SetRowCount(0);
    return koutpt;
}

void TProblemWriter::Write(Kind kind, int stage) {
    QString title = kind == Kind::Stage && stage >= 2 ? QString::fromLatin1(kStageTitle) + Int(stage) : d_.Title;
    // The title is one record: a line break inside it would shift every record after it.
    title.replace(QLatin1Char('\r'), QLatin1Char(kBlank)).replace(QLatin1Char('\n'), QLatin1Char(kBlank));
    Line(title);

    const int koutpt = PrepareCodes(kind);
    const int kpyop = d_.Kpyop;
    const QChar b(kBlank), t(kTab);

    Line(Int(d_.Units) + b + Int(t_.SoilLayer->RowCount()) + t + Int(t_.PileSect->RowCount()) + t +
         Int(t_.PYMod->RowCount()) + t + Int(koutpt) + t + Int(kpyop) + b + Int(t_.PYCurves2->RowCount()) + b +
         Int(d_.StageCount) + b + Int(d_.MeiCount) + b + Int(d_.TiebackCount));
    Line(Int(d_.Increments) + b + FileReal(d_.IncrementLength) + t + FileReal(d_.MaxDeflection) + t +
         FileReal(d_.Tolerance) + t + FileReal(d_.FreeHeight) + t + FileReal(d_.WidthActive));

    if (d_.ApplyRestraints) Rows(t_.SoilLayer, {0, 1, 2, 3});
    // The last section ends the wall: nothing follows to interpolate to.
    if (t_.PileSect->RowCount() > 0) t_.PileSect->Cell(2, t_.PileSect->RowCount() - 1).SetInteger(1);
    Rows(t_.PileSect, {0, 1, 2, 3});

    Line(Int(t_.BoundCond->RowCount()));
    Rows(t_.BoundCond, {0, 1, 2, 3, 4, 5});
    if (!d_.ApplySprings) t_.SoilStrength->SetRowCount(0);
    Line(Int(t_.SoilStrength->RowCount()));
    Rows(t_.SoilStrength, {1, 2, 0, 3, 4});
    if (!d_.ApplyTiebacks) t_.TiebackTable1->SetRowCount(0);
    Rows(t_.TiebackTable1, {0, 1, 2, 3, 4, 5});

    if (d_.ApplyPyModifiers) {
        TGridTable* mods = t_.PYMod;
        const double feet = mods->Units() == kUnitsEnglish ? kInchesPerFoot : 1.0;
        for (int row = 0; row < mods->RowCount(); ++row)
            Line(RealCell(mods, 0, row, feet) + t + RealCell(mods, 1, row) + t + RealCell(mods, 2, row));
    }

    if (koutpt == 1) {
        TGridTable* dist = kind == Kind::LongTerm ? t_.LongDist : t_.DistLoad;
        const double feet = dist->Units() == kUnitsEnglish ? kInchesPerFoot : 1.0;
        Line(Int(dist->RowCount()));
        for (int row = 0; row < dist->RowCount(); ++row)
            Line(RealCell(dist, 0, row, feet) + t + RealCell(dist, 1, row, 1.0 / feet));
    }

    if (koutpt >= 2 || kpyop == 2) {
        Line(FileReal(d_.FreeHeight) + t + FileReal(d_.WidthActive) + t + FileReal(d_.WidthPy) + t +
             FileReal(d_.WaterDepthBackfill) + t + FileReal(d_.WaterDepthExcavation) + t +
             FileReal(d_.ActivePressureFactor) + t + Int(d_.EarthPressureFlag) + t + FileReal(d_.BackfillSlope));
        Line(FileReal(d_.UniformSurcharge) + t + FileReal(d_.LegacySurchargeDistance) + t +
             FileReal(d_.LegacyPointLoad) + t + FileReal(d_.LegacyLineLoad) + t + FileReal(d_.LegacyStripLoad) + t +
             FileReal(d_.LegacyStripWidth));
        if (!d_.ApplySurcharges) t_.SurchargeTable->SetRowCount(0);
        Line(Int(t_.SurchargeTable->RowCount()));
        Rows(t_.SurchargeTable, {0, 1, 2, 3});
        WriteLayers(kind == Kind::LongTerm ? t_.LongSoil : t_.NewSoil, kind == Kind::LongTerm);
    }

    if (d_.ApplyExternalPy) {
        TGridTable* sets = t_.PYCurves2;
        for (int row = 0; row < sets->RowCount(); ++row) {
            TGridTable* curve = sets->Cell(1, row).SubTable();
            const int points = curve != nullptr ? curve->RowCount() : 0;
            Line(IntCell(sets, 0, row) + t + Int(points) + t + RealCell(sets, 2, row) + t + RealCell(sets, 3, row));
            if (curve != nullptr) Rows(curve, {0, 1});
        }
    }
    if (d_.ApplyMei) {
        TGridTable* sets = t_.MEICurves2;
        for (int row = 0; row < sets->RowCount(); ++row) {
            TGridTable* curve = sets->Cell(2, row).SubTable();
            const int points = curve != nullptr ? curve->RowCount() : 0;
            Line(IntCell(sets, 0, row) + t + IntCell(sets, 1, row) + t + Int(points));
            if (curve != nullptr) Rows(curve, {0, 1});
        }
    }
}

void TProblemWriter::WriteLayers(TGridTable* layers, bool longTerm) {
    const double feet = d_.Units == kUnitsEnglish ? kInchesPerFoot : 1.0;
    Line(Int(layers->RowCount()));
    for (int row = 0; row < layers->RowCount(); ++row) {
        const int soilType = layers->Cell(0, row).Integer();
        Line(Int(soilType) + kBlank + RealCell(layers, 1, row, feet) + kBlank);
        TGridTable* parameters = layers->Cell(2, row).SubTable();
        WriteProperties(parameters, soilType, 0, longTerm);  // top of the layer
        WriteProperties(parameters, soilType, 1, longTerm);  // bottom
    }
}

void TProblemWriter::WriteProperties(TGridTable* parameters, int soilType, int row, bool longTerm) {
    const TSoilPropertyLayout layout = SoilPropertyLayout(soilType);
    const bool english = d_.Units == kUnitsEnglish;
    QString line;
    for (int i = 0; i < kPropertyValues; ++i) {
        const int col = layout.column[std::size_t(i)];
        const bool carried = !(longTerm && i == 5 && SixthIsEarthPressureCoefficient(soilType));
        if (col < 0 || !carried) {
            line += QLatin1String(kPlaceHolder);
            continue;
        }
        double value = 0.0;
        if (parameters != nullptr && row < parameters->RowCount() && col < parameters->ColumnCount())
            value = parameters->Cell(col, row).Real();
        if (english && i == 0) value /= kCubicInchesPerCubicFoot;  // unit weight
        if (english && i == 1 && layout.cohesionSecond) value /= kSquareInchesPerSquareFoot;
        line += FileReal(value) + QLatin1Char(kBlank);
    }
    Line(line);
}

}  // namespace

QString FileReal(double value) { return torvex::FormatGeneral(value, 8, QStringLiteral(".")); }

QByteArray DataFileText(TProgramData& project) {
    QString out;
    TProblemWriter writer(project, out);
    writer.Write(TProblemWriter::Kind::Single, 1);
    // The code the file's NEXT carries: the graphs name their curves by it.
    project.NextCode = project.LongTerm ? kLongTermNext : 0;
    if (!project.LongTerm) {
        out += QLatin1String(kEndOfFile) + QStringLiteral("\r\n");
        return out.toUtf8();
    }
    out += QLatin1String(kLongTermFollows) + QStringLiteral("\r\n");
    writer.Write(TProblemWriter::Kind::LongTerm, 1);
    out += QLatin1String(kEndOfFile) + QStringLiteral("\r\n");
    return out.toUtf8();
}

QByteArray StageFileText(TProgramData& project, int stage) {
    QString out;
    TProblemWriter writer(project, out);
    writer.Write(TProblemWriter::Kind::Stage, stage);
    out += QString::number(stage) + QStringLiteral("\r\n");
    return out.toUtf8();
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw EFileError(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        throw EFileError(message);
    }
    if (!file.commit()) throw EFileError(file.errorString());
}
