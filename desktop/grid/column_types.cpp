#include "grid/column_types.h"

#include "grid/definition_stream.h"
#include "grid/expression.h"
#include "grid/grid_table.h"
#include "grid/number_format.h"
#include "grid/unit_codes.h"

#include <QFontMetrics>
#include <climits>
#include <cmath>
#include <stdexcept>

// ---------------------------------------------------------------- TData

double TData::Real() const { return column_->GetReal(row_); }
void TData::SetReal(double value) const { column_->SetReal(row_, value); }
int TData::Integer() const { return column_->GetInteger(row_); }
void TData::SetInteger(int value) const { column_->SetInteger(row_, value); }
QString TData::Text() const { return column_->GetText(row_); }
void TData::SetText(const QString& text) const { column_->SetText(row_, text); }
TGridTable* TData::SubTable() const { return column_->GetSubTable(row_); }

// ---------------------------------------------------------------- TColumn

TColumn::TColumn(const QStringList& captions) : captions_(captions) {}
TColumn::~TColumn() = default;

TGridTable* TColumn::GetSubTable(int) const { throw EDataTypeError(); }
double TColumn::GetReal(int) const { throw EDataTypeError(); }
void TColumn::SetReal(int, double) { throw EDataTypeError(); }
int TColumn::GetInteger(int) const { throw EDataTypeError(); }
void TColumn::SetInteger(int, int) { throw EDataTypeError(); }
QObject* TColumn::GetObject(int) const { throw EDataTypeError(); }
QString TColumn::GetText(int) const { return {}; }
void TColumn::SetText(int, const QString&) {}
void TColumn::SetUnits(int, int) {}

int TColumn::GroupSize() const { return table_ != nullptr ? table_->RowGroup() : 1; }

int TColumn::Width(const QFontMetrics& metrics, int dotsPerInch) const {
    int widest = 0;
    for (int i = 0; i < CaptionLineCount(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(HeaderLine(i) + QStringLiteral("  ")));
    return std::max(widest, int(std::lround(MinimumWidthInches() * dotsPerInch)));
}

void TColumn::WriteDefinition(TDefinitionWriter& writer) const {
    writer.WriteStringList(captions_);
    writer.WriteBoolean(Visible);
    writer.WriteBoolean(Grouped);
    WriteKindPart(writer);
}

void TColumn::ReadDefinition(TDefinitionReader& reader) {
    captions_ = reader.ReadStringList();
    Visible = reader.ReadBoolean();
    Grouped = reader.ReadBoolean();
    ReadKindPart(reader);
}

void TColumn::CopyCommonTo(TColumn& other) const {
    other.captions_ = captions_;
    other.Visible = Visible;
    other.Grouped = Grouped;
}

void TColumn::CheckRow(int row) const {
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("grid table row " + std::to_string(row) + " out of range");
}

void TColumn::NotifyChanged(int row) {
    if (table_ != nullptr) table_->ValueChanged(this, row);
}

std::pair<int, int> TColumn::WrittenRows(int row) const {
    if (!Grouped) return {row, row + 1};
    const int group = GroupSize();
    const int first = row / group * group;
    return {first, std::min(first + group, RowCount())};
}

namespace {

// True while the table's window is open: the only place text is typed.
bool WindowOpen(const TGridTable* table) { return table != nullptr && table->Window() != nullptr; }

// The nearest integer, halves away from zero, kept inside the 32-bit range.
int NearestInt(long double value) {
    const long double r = std::round(value);
    if (r >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

bool IsIntegral(long double value) { return std::fabs(value - std::round(value)) <= 1e-10L; }

}  // namespace

// ---------------------------------------------------------------- TEnumColumn

TEnumColumn::TEnumColumn(const QStringList& captions, const QStringList& items) : TColumn(captions), items_(items) {}

void TEnumColumn::InsertRows(int at, int count) { values_.insert(values_.begin() + at, std::size_t(count), 1); }
void TEnumColumn::DeleteRow(int row) {
    CheckRow(row);
    values_.erase(values_.begin() + row);
}
int TEnumColumn::GetInteger(int row) const {
    CheckRow(row);
    return values_[std::size_t(row)];
}
void TEnumColumn::SetInteger(int row, int value) {
    CheckRow(row);
    const auto [first, last] = WrittenRows(row);
    for (int r = first; r < last; ++r) {
        if (values_[std::size_t(r)] == value) continue;
        values_[std::size_t(r)] = value;
        NotifyChanged(r);
    }
}
QString TEnumColumn::GetText(int row) const { return QString::number(GetInteger(row)); }
void TEnumColumn::SetText(int row, const QString& text) {
    CheckRow(row);
    const long double value = torvex::Evaluate(text);
    if (!IsIntegral(value)) throw EEntryError(QString::fromLatin1(kEntryMustBeInteger));
    if (value < 1 || value > items_.size())
        throw EEntryError(QString::fromLatin1(kEntryMustBeBetween).arg(1).arg(items_.size()));
    SetInteger(row, NearestInt(value));
}
std::unique_ptr<TColumn> TEnumColumn::Clone() const {
    auto c = std::make_unique<TEnumColumn>(Captions(), items_);
    CopyCommonTo(*c);
    return c;
}
void TEnumColumn::WriteKindPart(TDefinitionWriter& writer) const { writer.WriteStringList(items_); }
void TEnumColumn::ReadKindPart(TDefinitionReader& reader) { items_ = reader.ReadStringList(); }

// ---------------------------------------------------------------- TIntColumn

TIntColumn::TIntColumn(const QStringList& captions, int defaultValue, int lowest, int highest)
    : TColumn(captions), default_(defaultValue), lowest_(lowest), highest_(highest) {}

void TIntColumn::InsertRows(int at, int count) { values_.insert(values_.begin() + at, std::size_t(count), default_); }
void TIntColumn::DeleteRow(int row) {
    CheckRow(row);
    values_.erase(values_.begin() + row);
}
int TIntColumn::GetInteger(int row) const {
    CheckRow(row);
    return values_[std::size_t(row)];
}
void TIntColumn::SetInteger(int row, int value) {
    CheckRow(row);
    const auto [first, last] = WrittenRows(row);
    for (int r = first; r < last; ++r) {
        values_[std::size_t(r)] = value;
        NotifyChanged(r);
    }
}
QString TIntColumn::GetText(int row) const { return QString::number(GetInteger(row)); }
void TIntColumn::SetText(int row, const QString& text) {
    CheckRow(row);
    const long double value = torvex::Evaluate(text);
    if (WindowOpen(Table())) {
        if (!IsIntegral(value)) throw EEntryError(QString::fromLatin1(kEntryMustBeInteger));
        if (std::round(value) < lowest_ || std::round(value) > highest_)
            throw EEntryError(QString::fromLatin1(kEntryMustBeBetween).arg(lowest_).arg(highest_));
    }
    SetInteger(row, NearestInt(value));
}
std::unique_ptr<TColumn> TIntColumn::Clone() const {
    auto c = std::make_unique<TIntColumn>(Captions(), default_, lowest_, highest_);
    CopyCommonTo(*c);
    return c;
}
void TIntColumn::WriteKindPart(TDefinitionWriter& writer) const {
    writer.WriteInteger(default_);
    writer.WriteInteger(lowest_);
    writer.WriteInteger(highest_);
}
void TIntColumn::ReadKindPart(TDefinitionReader& reader) {
    default_ = reader.ReadInteger();
    lowest_ = reader.ReadInteger();
    highest_ = reader.ReadInteger();
}

// ---------------------------------------------------------------- TFloatColumn

TFloatColumn::TFloatColumn(const QStringList& captions, const QString& unitCode, double defaultValue, bool topDepth)
    : TColumn(captions), unitCode_(unitCode), default_(defaultValue), topDepth_(topDepth) {}

void TFloatColumn::InsertRows(int at, int count) {
    values_.insert(values_.begin() + at, std::size_t(count), default_);
}
void TFloatColumn::DeleteRow(int row) {
    CheckRow(row);
    values_.erase(values_.begin() + row);
}
double TFloatColumn::GetReal(int row) const {
    CheckRow(row);
    return values_[std::size_t(row)];
}

void TFloatColumn::Store(int row, double value) {
    values_[std::size_t(row)] = value;
    NotifyChanged(row);
}

void TFloatColumn::SetReal(int row, double value) {
    CheckRow(row);
    const auto [first, last] = WrittenRows(row);
    for (int r = first; r < last; ++r) Store(r, value);
    TGridTable* table = Table();
    if (table == nullptr) return;
    // A top depth equals the bottom depth (next column) of the row above.
    const int index = table->IndexOf(this);
    if (topDepth_ && row > 0) {
        if (auto* next = dynamic_cast<TFloatColumn*>(table->Column(index + 1))) next->Store(row - 1, value);
    }
    if (index > 0) {
        auto* previous = dynamic_cast<TFloatColumn*>(table->Column(index - 1));
        if (previous != nullptr && previous->topDepth_ && row + 1 < previous->RowCount())
            previous->Store(row + 1, value);
    }
}

QString TFloatColumn::GetText(int row) const { return torvex::FormatGeneral(GetReal(row), 8); }
void TFloatColumn::SetText(int row, const QString& text) {
    CheckRow(row);
    SetReal(row, torvex::EvaluateToDouble(text));
}

QString TFloatColumn::HeaderLine(int i) const {
    const QString line = CaptionLine(i);
    if (unitCode_.isEmpty() || i != CaptionLineCount() - 1) return line;
    const int units = Table() != nullptr ? Table()->Units() : 1;
    const bool chartOnly = Table() != nullptr && Table()->ChartSymbolsOnly();
    return QStringLiteral("%1 (%2)  ").arg(line, torvex::ColumnUnitLabel(unitCode_, units, chartOnly));
}

void TFloatColumn::SetUnits(int fromUnits, int toUnits) {
    const double factor = torvex::UnitConversionFactor(fromUnits, toUnits, unitCode_);
    if (factor == 1.0) return;
    for (double& v : values_) v *= factor;
}

std::unique_ptr<TColumn> TFloatColumn::Clone() const {
    auto c = std::make_unique<TFloatColumn>(Captions(), unitCode_, default_, topDepth_);
    CopyCommonTo(*c);
    return c;
}

void TFloatColumn::WriteKindPart(TDefinitionWriter& writer) const {
    writer.WriteBoolean(topDepth_);
    writer.WriteString(QString::fromLatin1(kMarkerFloatColumn));
    writer.WriteString(unitCode_);
    writer.WriteExtended(default_);
}

void TFloatColumn::ReadKindPart(TDefinitionReader& reader) {
    topDepth_ = reader.ReadBoolean();
    const QString marker = reader.ReadString();
    if (marker == QLatin1String(kMarkerFloatColumn)) {
        unitCode_ = reader.ReadString();
        default_ = reader.ReadExtended();
    } else {  // older form: the string is the unit code, the default 0
        unitCode_ = marker;
        default_ = 0;
    }
}

// ---------------------------------------------------------------- TTableColumn

TTableColumn::TTableColumn(const QStringList& captions, const QList<int>& templates)
    : TColumn(captions), templates_(templates) {}

TTableColumn::~TTableColumn() = default;

int TTableColumn::TemplateFor(int row) const {
    const TGridTable* table = Table();
    int entry = 0;
    if (table != nullptr && table->ColumnCount() > 0 && table->Column(0)->Kind() == ColumnKind::Choice &&
        table->Column(0) != this)
        entry = table->Column(0)->GetInteger(row) - 1;
    return entry >= 0 && entry < templates_.size() ? templates_[entry] : -1;
}

std::unique_ptr<TGridTable> TTableColumn::CreateFor(int row) const {
    const TGridTable* table = Table();
    if (table == nullptr) return nullptr;
    const int identifier = TemplateFor(row);
    if (identifier < 0) return nullptr;
    const TGridTable* source = table->FindTable(identifier);
    if (source == nullptr) return nullptr;
    return source->CreateFromTemplate(const_cast<TGridTable*>(table), row + 1);
}

void TTableColumn::InsertRows(int at, int count) {
    for (int r = at; r < at + count; ++r) tables_.insert(tables_.begin() + r, nullptr);
    for (int r = at; r < at + count; ++r) tables_[std::size_t(r)] = CreateFor(r);
}

void TTableColumn::DeleteRow(int row) {
    CheckRow(row);
    std::unique_ptr<TGridTable> gone = std::move(tables_[std::size_t(row)]);
    tables_.erase(tables_.begin() + row);
    gone.reset();
}

TGridTable* TTableColumn::GetSubTable(int row) const {
    CheckRow(row);
    return tables_[std::size_t(row)].get();
}
QObject* TTableColumn::GetObject(int row) const { return GetSubTable(row); }

bool TTableColumn::IsChanged() const {
    for (const auto& t : tables_)
        if (t && t->IsChanged()) return true;
    return false;
}
void TTableColumn::CloseWindows() {
    for (const auto& t : tables_)
        if (t) t->CloseWindow();
}
void TTableColumn::ResetChanged() {
    for (const auto& t : tables_)
        if (t) t->ResetChanged();
}
void TTableColumn::SetUnits(int, int toUnits) {
    for (const auto& t : tables_)
        if (t) t->SwitchUnits(toUnits);
}

void TTableColumn::RecreateSubTable(int row) {
    CheckRow(row);
    tables_[std::size_t(row)].reset();
    tables_[std::size_t(row)] = CreateFor(row);
    NotifyChanged(row);
}

void TTableColumn::Renumber(int fromRow) {
    for (int r = std::max(fromRow, 0); r < RowCount(); ++r)
        if (tables_[std::size_t(r)]) tables_[std::size_t(r)]->SetNumber(r + 1);
}

std::unique_ptr<TColumn> TTableColumn::Clone() const {
    auto c = std::make_unique<TTableColumn>(Captions(), templates_);
    CopyCommonTo(*c);
    return c;
}

void TTableColumn::WriteKindPart(TDefinitionWriter& writer) const {
    writer.WriteString(QString::fromLatin1(kMarkerFlexColumn));
    writer.WriteIntegerList(templates_);
}

void TTableColumn::ReadKindPart(TDefinitionReader& reader) {
    const QString marker = reader.ReadString();
    if (marker == QLatin1String(kMarkerFlexColumn)) {
        templates_ = reader.ReadIntegerList();
        return;
    }
    // Older form: one integer, a position in the registry of tables.
    const int position = reader.ReadInteger();
    const TGridTable* table = Table();
    auto identifierAt = [&](int pos) {
        if (table == nullptr || pos < 0 || pos >= table->Registry().size()) return -1;
        return table->Registry()[pos]->Identifier();
    };
    templates_.clear();
    const TColumn* first = table != nullptr && table->ColumnCount() > 0 ? table->Column(0) : nullptr;
    if (first != nullptr && first != this && first->Kind() == ColumnKind::Choice) {
        const int items = int(static_cast<const TEnumColumn*>(first)->Items().size());
        for (int k = 1; k <= items; ++k) templates_ << (table->HardwiredButton ? identifierAt(position) : k);
    } else {
        templates_ << identifierAt(position);
    }
}

// ---------------------------------------------------------------- TStringColumn

TStringColumn::TStringColumn(const QStringList& captions, const QString& defaultText, double widthInches)
    : TColumn(captions), default_(defaultText), width_(widthInches) {}

void TStringColumn::InsertRows(int at, int count) {
    values_.insert(values_.begin() + at, std::size_t(count), default_);
}
void TStringColumn::DeleteRow(int row) {
    CheckRow(row);
    values_.erase(values_.begin() + row);
}
QString TStringColumn::GetText(int row) const {
    CheckRow(row);
    return values_[std::size_t(row)];
}
void TStringColumn::SetText(int row, const QString& text) {
    CheckRow(row);
    const auto [first, last] = WrittenRows(row);
    for (int r = first; r < last; ++r) {
        values_[std::size_t(r)] = text;
        NotifyChanged(r);
    }
}
std::unique_ptr<TColumn> TStringColumn::Clone() const {
    auto c = std::make_unique<TStringColumn>(Captions(), default_, width_);
    CopyCommonTo(*c);
    return c;
}
void TStringColumn::WriteKindPart(TDefinitionWriter& writer) const {
    writer.WriteString(default_);
    writer.WriteExtended(width_);
}
void TStringColumn::ReadKindPart(TDefinitionReader& reader) {
    default_ = reader.ReadString();
    width_ = reader.ReadExtended();
}

// ---------------------------------------------------------------- kinds

std::unique_ptr<TColumn> CreateColumnOfKind(int key) {
    switch (key) {
    case int(ColumnKind::Choice): return std::make_unique<TEnumColumn>();
    case int(ColumnKind::Integer): return std::make_unique<TIntColumn>();
    case int(ColumnKind::Real): return std::make_unique<TFloatColumn>();
    case int(ColumnKind::Table): return std::make_unique<TTableColumn>();
    case int(ColumnKind::Text): return std::make_unique<TStringColumn>();
    default: return nullptr;
    }
}
