#include "grid/grid_table.h"

#include "grid/definition_stream.h"
#include "grid/table_form.h"

#include <algorithm>

namespace {

TTableRegistry& GridRegistry() {
    static TTableRegistry registry;
    return registry;
}

// Provisional identifiers come from one process-wide counter that starts far
// above the identifiers tables are given on purpose, and skips any in use.
int NextProvisionalIdentifier(const TTableRegistry& registry) {
    static int counter = 1000000;
    for (;;) {
        const int candidate = counter++;
        const bool used = std::any_of(registry.tables.begin(), registry.tables.end(),
                                      [&](const TGridTable* t) { return t->Identifier() == candidate; });
        if (!used) return candidate;
    }
}

}  // namespace

TGridTable::TGridTable(QObject* parent) : TGridTable(parent, &GridRegistry()) {}

TGridTable::TGridTable(QObject* parent, TTableRegistry* registry) : QObject(parent), registry_(registry) {
    identifier_ = NextProvisionalIdentifier(*registry_);
    registry_->tables.append(this);
}

TGridTable::~TGridTable() {
    CloseWindow();
    registry_->tables.removeAll(this);
    columns_.clear();  // sub-tables go with their columns
}

const QList<TGridTable*>& TGridTable::GridTables() { return GridRegistry().tables; }

void TGridTable::SetIdentifier(int identifier) {
    if (identifier < 0 || identifier == identifier_) return;
    // Keep identifiers unique: a table that has the new value takes the old one.
    for (TGridTable* other : registry_->tables)
        if (other != this && other->identifier_ == identifier) other->identifier_ = identifier_;
    identifier_ = identifier;
}

TGridTable* TGridTable::FindTable(int identifier) const {
    if (identifier < 0) return nullptr;
    for (TGridTable* t : registry_->tables)
        if (t->identifier_ == identifier) return t;
    return nullptr;
}

void TGridTable::SetMinRows(int rows) {
    if (rows <= 0) {
        if (!loading_) throw TMessageError(QString::fromLatin1(kValueMustBePositive));
        rows = 1;
    }
    minRows_ = rows;
}

// ---------------------------------------------------------------- columns

TColumn* TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    column->table_ = this;
    if (column->RowCount() == 0 && rowCount_ > 0) column->InsertRows(0, rowCount_);
    columns_.push_back(std::move(column));
    FitTemplates();
    emit structureChanged();
    return columns_.back().get();
}

TColumn* TGridTable::Column(int index) const {
    return index >= 0 && index < ColumnCount() ? columns_[std::size_t(index)].get() : nullptr;
}

int TGridTable::IndexOf(const TColumn* column) const {
    for (int i = 0; i < ColumnCount(); ++i)
        if (columns_[std::size_t(i)].get() == column) return i;
    return -1;
}

void TGridTable::ClearColumns() {
    CloseWindow();
    columns_.clear();
    rowCount_ = 0;
    emit structureChanged();
}

int TGridTable::VisibleColumnCount() const {
    return int(std::count_if(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible; }));
}

// When the first column is a choice, every table column has one template
// entry per item (padded with "none", or shortened).
void TGridTable::FitTemplates() {
    if (columns_.empty() || columns_.front()->Kind() != ColumnKind::Choice) return;
    const int items = int(static_cast<TEnumColumn*>(columns_.front().get())->Items().size());
    for (auto& c : columns_) {
        if (c->Kind() != ColumnKind::Table) continue;
        auto* tc = static_cast<TTableColumn*>(c.get());
        QList<int> templates = tc->Templates();
        while (templates.size() < items) templates << -1;
        while (templates.size() > items) templates.removeLast();
        tc->SetTemplates(templates);
    }
}

// ---------------------------------------------------------------- rows

void TGridTable::InsertRowsAt(int at, int count) {
    if (count <= 0) return;
    at = std::clamp(at, 0, rowCount_);
    for (auto& c : columns_) c->InsertRows(at, count);
    rowCount_ += count;
    // New rows take their top depth from the bottom depth of the row above.
    for (int i = 0; i + 1 < ColumnCount(); ++i) {
        auto* top = dynamic_cast<TFloatColumn*>(Column(i));
        auto* next = dynamic_cast<TFloatColumn*>(Column(i + 1));
        if (top == nullptr || next == nullptr || !top->TopDepth()) continue;
        for (int r = std::max(at, 1); r < at + count; ++r) top->values_[std::size_t(r)] = next->values_[std::size_t(r - 1)];
    }
    RenumberSubTables(at);
    emit structureChanged();
}

void TGridTable::DeleteRowAt(int row) {
    if (row < 0 || row >= rowCount_) return;
    for (auto& c : columns_) c->DeleteRow(row);
    --rowCount_;
    RenumberSubTables(row);
    emit structureChanged();
}

void TGridTable::RenumberSubTables(int fromRow) {
    for (auto& c : columns_)
        if (c->Kind() == ColumnKind::Table) static_cast<TTableColumn*>(c.get())->Renumber(fromRow);
}

void TGridTable::SetRowCount(int rows) {
    if (rows < 0) rows = 0;
    while (rowCount_ > rows) DeleteRowAt(rowCount_ - 1);
    while (rowCount_ < rows) InsertRowsAt(rowCount_, rowGroup_);
}

void TGridTable::AppendGroup() { InsertRowsAt(rowCount_, rowGroup_); }

void TGridTable::InsertGroup(int row) {
    row = std::clamp(row, 0, rowCount_);
    InsertRowsAt(row / rowGroup_ * rowGroup_, rowGroup_);
}

void TGridTable::DeleteGroup(int row) {
    if (row < 0 || row >= rowCount_) return;
    const int first = row / rowGroup_ * rowGroup_;
    for (int i = 0; i < rowGroup_ && first < rowCount_; ++i) DeleteRowAt(first);
}

void TGridTable::PadToMinimum() {
    if (rowCount_ < minRows_) SetRowCount(minRows_);
}

// ---------------------------------------------------------------- values

void TGridTable::ValueChanged(TColumn* column, int row) {
    // A new choice in the first column brings a new sub-table of the matching kind.
    if (!columns_.empty() && column == columns_.front().get() && column->Kind() == ColumnKind::Choice) {
        for (auto& c : columns_) {
            if (c->Kind() != ColumnKind::Table) continue;
            static_cast<TTableColumn*>(c.get())->RecreateSubTable(row);
            break;
        }
    }
    emit cellChanged(IndexOf(column), row);
}

void TGridTable::SwitchUnits(int units) {
    units = std::clamp(units, 1, 3);
    if (units == units_) return;
    for (auto& c : columns_) c->SetUnits(units_, units);
    units_ = units;
    emit structureChanged();
}

bool TGridTable::IsChanged() const {
    if (changed_) return true;
    return std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->IsChanged(); });
}

void TGridTable::ResetChanged() {
    changed_ = false;
    for (auto& c : columns_) c->ResetChanged();
}

// ---------------------------------------------------------------- numbering

void TGridTable::SetNumber(int number) {
    if (number == number_) return;
    number_ = number;
    emit titleChanged();
}

QString TGridTable::WindowTitle() const {
    QList<int> numbers;
    for (const TGridTable* t = this; t != nullptr; t = t->owner_) numbers.prepend(t->number_);
    QString path;
    for (int n : numbers)
        if (n != 0) path += QStringLiteral(" %1").arg(n);
    return Caption + QLatin1Char(' ') + path;
}

// ---------------------------------------------------------------- templates

std::unique_ptr<TGridTable> TGridTable::NewOfSameKind() const { return std::make_unique<TGridTable>(); }

void TGridTable::CopySettingsTo(TGridTable& other) const {
    other.Caption = Caption;
    other.Comments = Comments;
    other.TopLeft = TopLeft;
    other.HelpPicture = HelpPicture;
    other.minRows_ = minRows_;
    other.maxRows_ = maxRows_;
}

std::unique_ptr<TGridTable> TGridTable::CreateFromTemplate(TGridTable* owner, int number) const {
    std::unique_ptr<TGridTable> table = NewOfSameKind();
    CopySettingsTo(*table);
    table->owner_ = owner;
    table->units_ = owner != nullptr ? owner->units_ : 1;
    for (const auto& c : columns_) table->AddColumn(c->Clone());
    table->number_ = number;
    table->SetRowCount(table->minRows_);
    return table;
}

// ---------------------------------------------------------------- windows

TTableForm* TGridTable::Window() const { return window_.data(); }

TTableForm* TGridTable::CreateWindow() { return new TTableForm(this); }

void TGridTable::Show() {
    if (!HasVisibleColumns()) return;
    if (window_ == nullptr) window_ = CreateWindow();
    window_->ShowWindow();
}

void TGridTable::ShowModal() {
    if (!HasVisibleColumns()) return;
    if (window_ == nullptr) window_ = CreateWindow();
    window_->ShowModalWindow();
}

void TGridTable::CloseWindow() {
    if (TTableForm* form = window_) {
        window_ = nullptr;
        form->CloseFromTable();
    }
    for (auto& c : columns_) c->CloseWindows();
}

void TGridTable::WindowGone() {
    window_ = nullptr;
    for (auto& c : columns_) c->CloseWindows();
}

// ---------------------------------------------------------------- definitions

QString TGridTable::WriteDefinition() const {
    TDefinitionWriter writer;
    writer.WriteInteger(ColumnCount());
    for (const auto& c : columns_) {
        writer.WriteInteger(int(c->Kind()));
        c->WriteDefinition(writer);
    }
    WriteExtraDefinition(writer);
    return writer.Text();
}

std::unique_ptr<TColumn> TGridTable::ReadColumn(TDefinitionReader& reader, int index) {
    const int key = reader.ReadInteger();
    std::unique_ptr<TColumn> column = CreateColumnOfKind(key);
    if (!column) throw EDefinitionError(QString::fromLatin1(kErrorColumnClass));
    try {
        column->table_ = this;  // the older table form looks at the columns read so far
        column->ReadDefinition(reader);
    } catch (const TMessageError& e) {
        throw EDefinitionError(QString::fromLatin1(kErrorCreatingColumn).arg(index).arg(e.message()));
    }
    return column;
}

void TGridTable::ReadDefinition(const QString& text) {
    TDefinitionReader reader(text);
    int count = 0;
    try {
        count = reader.ReadInteger();
    } catch (const TMessageError&) {
        throw EDefinitionError(QString::fromLatin1(kErrorReadingColumnCount));
    }
    if (count < 0) throw EDefinitionError(QString::fromLatin1(kErrorReadingColumnCount));

    CloseWindow();
    const int rows = rowCount_;
    columns_.clear();
    rowCount_ = 0;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<TColumn> column = ReadColumn(reader, i);
        column->table_ = this;
        columns_.push_back(std::move(column));
        FitTemplates();
    }
    for (int i = 0; i < ColumnCount(); ++i) {
        auto* f = dynamic_cast<TFloatColumn*>(Column(i));
        if (f != nullptr && f->TopDepth() && dynamic_cast<TFloatColumn*>(Column(i + 1)) == nullptr)
            throw EDefinitionError(QString::fromLatin1(kErrorTopDepth));
    }
    ReadExtraDefinition(reader);
    SetRowCount(rows);
    emit structureChanged();
}
