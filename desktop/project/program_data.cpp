#include "project/program_data.h"

#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/word_reader.h"

#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>
#include <exception>

namespace {

TProgramData* gInstance = nullptr;

// Length and force factors of a units switch (b and c): exact only between
// English and SI, in the precision the project has always used.
constexpr double kMetresPerInch = 0.0254;
constexpr double kInchesPerMetre = 39.3701;
constexpr double kKilonewtonsPerPound = 0.00444822246806065;  // 1 / 224.8089
constexpr double kPoundsPerKilonewton = 224.8089;

enum SurchargeType { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

}  // namespace

TProgramData::TProgramData(QObject* parent) : QObject(parent), tables_(new TProjectTables(this)) {
    gInstance = this;
    WatchTables();
    New();
    // The curve-set tables, which New leaves alone, start with their minimum rows too.
    tables_->PadAllToMinimum();
    tables_->ResetAllChanged();
}

TProgramData::~TProgramData() {
    if (gInstance == this) gInstance = nullptr;
}

TProgramData* TProgramData::Instance() { return gInstance; }

// ---------------------------------------------------------------- new project

void TProgramData::New() {
    Values() = TProjectValues{};
    for (TGridTable* t : tables_->All()) {
        if (TProjectTables::IsChartTable(t)) continue;
        t->SetRowCount(0);
        t->SwitchUnits(kUnitsEnglish);
        t->PadToMinimum();
    }
    modified_ = false;
    tables_->ResetAllChanged();
    CheckModified();
    emit unitsChanged(Units);
    emit projectReloaded();
}

// ---------------------------------------------------------------- units

void TProgramData::SwitchUnits(int units) {
    units = std::clamp(units, 1, 3);
    double b = 1.0, c = 1.0;  // length and force factors
    if (Units == kUnitsEnglish && units == kUnitsSI) {
        b = kMetresPerInch;
        c = kKilonewtonsPerPound;
    } else if (Units == kUnitsSI && units == kUnitsEnglish) {
        b = kInchesPerMetre;
        c = kPoundsPerKilonewton;
    }
    if (b != 1.0 || c != 1.0) {
        for (double* length : {&IncrementLength, &MaxDeflection, &Tolerance, &FreeHeight, &WidthActive, &WidthPy,
                               &WaterDepthBackfill, &WaterDepthExcavation, &LegacySurchargeDistance,
                               &LegacyStripWidth})
            *length *= b;
        LegacyPointLoad *= c;
        LegacyLineLoad *= c / b;
        UniformSurcharge *= c / b / b;
        LegacyStripLoad *= c / b / b;
    }
    Units = units;
    for (TGridTable* t : tables_->All())
        if (!TProjectTables::IsChartTable(t)) t->SwitchUnits(units);

    // The magnitude column has no unit code: its unit follows the load type.
    TGridTable* surcharges = tables_->SurchargeTable;
    for (int row = 0; row < surcharges->RowCount(); ++row) {
        double factor = 1.0;
        switch (surcharges->Cell(0, row).Integer()) {
        case kPointLoad: factor = c; break;
        case kLineLoad: factor = c / b; break;
        case kStripLoad: factor = c / b / b; break;
        default: break;
        }
        if (factor != 1.0) surcharges->Cell(1, row).SetReal(surcharges->Cell(1, row).Real() * factor);
    }
    emit unitsChanged(Units);
}

// ---------------------------------------------------------------- modified state

bool TProgramData::IsModified() const { return modified_ || tables_->AnyChanged(); }

void TProgramData::SetModified() {
    modified_ = true;
    CheckModified();
}

void TProgramData::ClearModified() {
    modified_ = false;
    tables_->ResetAllChanged();
    CheckModified();
}

void TProgramData::WatchTables() {
    for (TGridTable* t : tables_->All()) {
        connect(t, &TGridTable::cellChanged, this, &TProgramData::ScheduleModifiedCheck);
        connect(t, &TGridTable::structureChanged, this, &TProgramData::ScheduleModifiedCheck);
    }
}

// A table's window marks the table after the value has changed: look once
// the current event is done, and only once for a burst of changes.
void TProgramData::ScheduleModifiedCheck() {
    if (checkPending_) return;
    checkPending_ = true;
    QMetaObject::invokeMethod(this, &TProgramData::CheckModified, Qt::QueuedConnection);
}

void TProgramData::CheckModified() {
    checkPending_ = false;
    // Sub-tables come and go with their rows; watch the ones there are now.
    for (TGridTable* t : tables_->All())
        for (int col = 0; col < t->ColumnCount(); ++col) {
            if (t->Column(col)->Kind() != ColumnKind::Table) continue;
            for (int row = 0; row < t->RowCount(); ++row)
                if (TGridTable* sub = t->Cell(col, row).SubTable())
                    connect(sub, &TGridTable::cellChanged, this, &TProgramData::ScheduleModifiedCheck,
                            Qt::UniqueConnection);
        }
    const bool modified = IsModified();
    if (modified == announcedModified_) return;
    announcedModified_ = modified;
    emit modifiedChanged(modified);
}

// ---------------------------------------------------------------- files

void TProgramData::Save(const QString& path) {
    const QByteArray text = DataFileText(*this);
    WriteWholeFile(path, text);
    StageFileLayout = kLayout2015;
    ClearModified();
}

void TProgramData::WriteStageFile(const QString& path, int stage) {
    const QByteArray text = StageFileText(*this, stage);
    WriteWholeFile(path, text);
    StageFileLayout = kLayout2015;
    ClearModified();
}

int TProgramData::LayoutForFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tx4d")) return kLayout2013;
    if (suffix == QLatin1String("txd")) return kLayout30;
    return kLayout2015;
}

int TProgramData::LayoutForFilter(int filterIndex) {
    return filterIndex >= kLayout2015 && filterIndex <= kLayout30 ? filterIndex : kLayout20;
}

void TProgramData::OpenByName(const QString& path) { Open(path, LayoutForFileName(path)); }

void TProgramData::Open(const QString& path, int layout) {
    if (layout < kLayout2015 || layout > kLayout20) layout = kLayout20;
    Values() = TProjectValues{};
    FileName = path;
    tables_->EmptyAll();
    for (TGridTable* t : tables_->All())
        if (!TProjectTables::IsChartTable(t)) t->SwitchUnits(kUnitsEnglish);
    emit unitsChanged(Units);

    std::exception_ptr failure;
    try {
        TWordReader reader(path);
        ReadDataFile(*this, reader, layout);
    } catch (const TMessageError&) {
        failure = std::current_exception();
    }
    StageFileLayout = layout == kLayout2015 ? kLayout2015 : kLayout2013;
    FinishRead();
    if (failure) std::rethrow_exception(failure);
}

void TProgramData::ReadStageFile(const QString& path) {
    std::exception_ptr failure;
    try {
        TWordReader reader(path);
        ReadStageProblem(*this, reader, StageFileLayout);
    } catch (const TMessageError&) {
        failure = std::current_exception();
    }
    FinishRead();
    if (failure) std::rethrow_exception(failure);
}

void TProgramData::FinishRead() {
    tables_->PadAllToMinimum();
    ClearModified();
    emit projectReloaded();
}
