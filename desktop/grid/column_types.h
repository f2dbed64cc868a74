// Columns of a grid table. A column holds one value per row; cells are reached
// only through their column, and an access a column does not support throws
// EDataTypeError ("Data of wrong type").
#pragma once

#include "grid/entry_error.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QFontMetrics;
class QObject;
class TColumn;
class TDefinitionReader;
class TDefinitionWriter;
class TGridTable;

// Keys of the column kinds in stored definitions.
enum class ColumnKind { Choice = 0, Integer = 1, Real = 2, Table = 3, Text = 4 };

// Messages of entry checks made by the columns.
inline constexpr const char kEntryMustBeInteger[] = "Entry must be an integer.";
inline constexpr const char kEntryMustBeBetween[] = "Entry must be between %1 and %2.";

// One cell: a column and a row, with the column's accessors.
class TData {
public:
    TData(TColumn* column, int row) : column_(column), row_(row) {}
    TColumn* Column() const { return column_; }
    int Row() const { return row_; }
    double Real() const;
    void SetReal(double value) const;
    int Integer() const;
    void SetInteger(int value) const;
    QString Text() const;
    void SetText(const QString& text) const;
    TGridTable* SubTable() const;

private:
    TColumn* column_;
    int row_;
};

class TColumn {
public:
    explicit TColumn(const QStringList& captions = {});
    virtual ~TColumn();
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual ColumnKind Kind() const = 0;
    TGridTable* Table() const { return table_; }
    TData Cell(int row) { return TData(this, row); }
    virtual int RowCount() const = 0;

    virtual void InsertRows(int at, int count) = 0;
    virtual void DeleteRow(int row) = 0;

    int CaptionLineCount() const { return int(captions_.size()); }
    QString CaptionLine(int i) const { return i >= 0 && i < captions_.size() ? captions_[i] : QString(); }
    const QStringList& Captions() const { return captions_; }
    void SetCaptions(const QStringList& captions) { captions_ = captions; }
    // Header line i as shown in the window (a real column adds its unit).
    virtual QString HeaderLine(int i) const { return CaptionLine(i); }

    virtual TGridTable* GetSubTable(int row) const;
    virtual double GetReal(int row) const;
    virtual void SetReal(int row, double value);
    virtual int GetInteger(int row) const;
    virtual void SetInteger(int row, int value);
    virtual QObject* GetObject(int row) const;
    virtual QString GetText(int row) const;
    // Parses an entry (through the expression evaluator); throws EEntryError.
    virtual void SetText(int row, const QString& text);

    virtual bool IsChanged() const { return false; }
    int GroupSize() const;
    virtual void CloseWindows() {}
    virtual void ResetChanged() {}
    // Column width in pixels: the widest header line with two blanks, at
    // least the kind's minimum width (inches at the screen's resolution).
    int Width(const QFontMetrics& metrics, int dotsPerInch) const;
    virtual void SetUnits(int fromUnits, int toUnits);
    void WriteDefinition(TDefinitionWriter& writer) const;  // common and kind part
    void ReadDefinition(TDefinitionReader& reader);         // both parts, after the key
    virtual bool UsesControls() const { return false; }
    virtual std::unique_ptr<TColumn> Clone() const = 0;

    bool Visible = true;
    bool Grouped = false;

protected:
    virtual double MinimumWidthInches() const { return 0.5; }
    virtual void WriteKindPart(TDefinitionWriter& writer) const = 0;
    virtual void ReadKindPart(TDefinitionReader& reader) = 0;
    void CopyCommonTo(TColumn& other) const;
    void CheckRow(int row) const;
    void NotifyChanged(int row);
    // First and one-past-last row written by a value change (the row group of a grouped column).
    std::pair<int, int> WrittenRows(int row) const;

private:
    friend class TGridTable;
    TGridTable* table_ = nullptr;
    QStringList captions_;
};

// Choice: the 1-based number of one of its items.
class TEnumColumn : public TColumn {
public:
    explicit TEnumColumn(const QStringList& captions = {}, const QStringList& items = {});
    ColumnKind Kind() const override { return ColumnKind::Choice; }
    int RowCount() const override { return int(values_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    int GetInteger(int row) const override;
    void SetInteger(int row, int value) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    bool UsesControls() const override { return true; }
    std::unique_ptr<TColumn> Clone() const override;
    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items) { items_ = items; }

protected:
    double MinimumWidthInches() const override { return 1.5; }
    void WriteKindPart(TDefinitionWriter& writer) const override;
    void ReadKindPart(TDefinitionReader& reader) override;

private:
    QStringList items_;
    std::vector<int> values_;
};

class TIntColumn : public TColumn {
public:
    TIntColumn(const QStringList& captions = {}, int defaultValue = 0, int lowest = -2147483647 - 1,
               int highest = 2147483647);
    ColumnKind Kind() const override { return ColumnKind::Integer; }
    int RowCount() const override { return int(values_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    int GetInteger(int row) const override;
    void SetInteger(int row, int value) override;
    QString GetText(int row) const override;
    // The integrality and range checks apply while the table's window is open.
    void SetText(int row, const QString& text) override;
    std::unique_ptr<TColumn> Clone() const override;
    int DefaultValue() const { return default_; }
    int Lowest() const { return lowest_; }
    int Highest() const { return highest_; }

protected:
    void WriteKindPart(TDefinitionWriter& writer) const override;
    void ReadKindPart(TDefinitionReader& reader) override;

private:
    int default_, lowest_, highest_;
    std::vector<int> values_;
};

class TFloatColumn : public TColumn {
public:
    TFloatColumn(const QStringList& captions = {}, const QString& unitCode = {}, double defaultValue = 0,
                 bool topDepth = false);
    ColumnKind Kind() const override { return ColumnKind::Real; }
    int RowCount() const override { return int(values_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    double GetReal(int row) const override;
    void SetReal(int row, double value) override;
    QString GetText(int row) const override;  // 8 significant digits
    void SetText(int row, const QString& text) override;
    QString HeaderLine(int i) const override;
    void SetUnits(int fromUnits, int toUnits) override;
    std::unique_ptr<TColumn> Clone() const override;
    const QString& UnitCode() const { return unitCode_; }
    double DefaultValue() const { return default_; }
    bool TopDepth() const { return topDepth_; }

protected:
    void WriteKindPart(TDefinitionWriter& writer) const override;
    void ReadKindPart(TDefinitionReader& reader) override;

private:
    friend class TGridTable;
    void Store(int row, double value);  // one value, no neighbour, with notification
    QString unitCode_;
    double default_;
    bool topDepth_;
    std::vector<double> values_;
};

// Table: each row owns a sub-table created from a template found by identifier.
class TTableColumn : public TColumn {
public:
    explicit TTableColumn(const QStringList& captions = {}, const QList<int>& templates = {});
    ~TTableColumn() override;
    ColumnKind Kind() const override { return ColumnKind::Table; }
    int RowCount() const override { return int(tables_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    TGridTable* GetSubTable(int row) const override;
    QObject* GetObject(int row) const override;
    bool IsChanged() const override;
    void CloseWindows() override;
    void ResetChanged() override;
    void SetUnits(int fromUnits, int toUnits) override;
    bool UsesControls() const override { return true; }
    std::unique_ptr<TColumn> Clone() const override;

    const QList<int>& Templates() const { return templates_; }
    void SetTemplates(const QList<int>& templates) { templates_ = templates; }
    // The template identifier for a row: entry k for choice value k when the
    // first column is a choice column, else entry 1; -1 for none.
    int TemplateFor(int row) const;
    // Destroys the row's sub-table and creates it again from its template.
    void RecreateSubTable(int row);
    void Renumber(int fromRow);

protected:
    double MinimumWidthInches() const override { return 2.0; }
    void WriteKindPart(TDefinitionWriter& writer) const override;
    void ReadKindPart(TDefinitionReader& reader) override;

private:
    std::unique_ptr<TGridTable> CreateFor(int row) const;
    QList<int> templates_;
    std::vector<std::unique_ptr<TGridTable>> tables_;
};

class TStringColumn : public TColumn {
public:
    TStringColumn(const QStringList& captions = {}, const QString& defaultText = {}, double widthInches = 1.0);
    ColumnKind Kind() const override { return ColumnKind::Text; }
    int RowCount() const override { return int(values_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    std::unique_ptr<TColumn> Clone() const override;
    const QString& DefaultText() const { return default_; }
    double WidthInches() const { return width_; }

protected:
    double MinimumWidthInches() const override { return width_; }
    void WriteKindPart(TDefinitionWriter& writer) const override;
    void ReadKindPart(TDefinitionReader& reader) override;

private:
    QString default_;
    double width_;
    std::vector<QString> values_;
};

// The column of a registered kind key, or nullptr.
std::unique_ptr<TColumn> CreateColumnOfKind(int key);
