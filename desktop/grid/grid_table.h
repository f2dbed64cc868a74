// TGridTable: a typed, column-oriented table with bounded row counts, a units
// system, a change mark, stored column definitions and an editing window.
// A table column lets every row own a sub-table made from a template table.
#pragma once

#include "grid/column_types.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QWidget;
class TTableForm;

inline constexpr const char kValueMustBePositive[] = "Value must be greater than 0";
inline constexpr const char kErrorReadingColumnCount[] = "Error reading column count";
inline constexpr const char kErrorColumnClass[] = "Error Column Class not defined";
inline constexpr const char kErrorCreatingColumn[] = "Error occured when creating column %1: %2";
inline constexpr const char kErrorTopDepth[] = "If column if a topdepth then the next column must be a float column";
inline constexpr const char kMarkerFloatColumn[] = "FLOATCOLUMN2";
inline constexpr const char kMarkerFlexColumn[] = "FLEXCOLUMN2";

// Tables of one kind in creation order; identifiers are unique within it.
struct TTableRegistry {
    QList<TGridTable*> tables;
};

class TGridTable : public QObject {
    Q_OBJECT

public:
    explicit TGridTable(QObject* parent = nullptr);
    ~TGridTable() override;

    // Identifier: the key by which table columns find this table as a template.
    int Identifier() const { return identifier_; }
    void SetIdentifier(int identifier);

    QString Caption;
    QString Comments;  // lines separated by "\r"
    QString TopLeft;
    bool HardwiredButton = false;
    QPixmap HelpPicture;
    QWidget* FormParent = nullptr;

    int MaxRows() const { return maxRows_; }  // 0: no maximum
    void SetMaxRows(int rows) { maxRows_ = rows < 0 ? 0 : rows; }
    int MinRows() const { return minRows_; }
    // Throws TMessageError for 0 or less, except while loading (then 1).
    void SetMinRows(int rows);
    int RowGroup() const { return rowGroup_; }
    void SetRowGroup(int rows) { rowGroup_ = rows < 1 ? 1 : rows; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Columns.
    TColumn* AddColumn(std::unique_ptr<TColumn> column);
    template <class T, class... Args>
    T* Add(Args&&... args) {
        return static_cast<T*>(AddColumn(std::make_unique<T>(std::forward<Args>(args)...)));
    }
    int ColumnCount() const { return int(columns_.size()); }
    TColumn* Column(int index) const;
    int IndexOf(const TColumn* column) const;
    void ClearColumns();
    TData Cell(int column, int row) { return TData(Column(column), row); }
    int VisibleColumnCount() const;
    bool HasVisibleColumns() const { return VisibleColumnCount() > 0; }

    // Rows. Setting the row count does not check MinRows or MaxRows.
    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    void AppendGroup();
    void InsertGroup(int row);  // before the group containing row
    void DeleteGroup(int row);  // the group containing row
    void PadToMinimum();

    // Units system: 1 English, 2 SI, 3 other.
    int Units() const { return units_; }
    void SwitchUnits(int units);
    // Chart tables label only the symbols F, F1, F2, L, L1 and L2.
    virtual bool ChartSymbolsOnly() const { return false; }

    // Change mark: the table's own or any sub-table's.
    void SetChanged() { changed_ = true; }
    bool IsChanged() const;
    void ResetChanged();

    // The 1-based row of the owner for a sub-table, 0 for a top-level table.
    int Number() const { return number_; }
    void SetNumber(int number);
    TGridTable* OwnerTable() const { return owner_; }
    QString WindowTitle() const;  // Caption, a blank, and the number path

    // Editing window.
    void Show();
    void ShowModal();
    void CloseWindow();
    TTableForm* Window() const;

    // Stored column definitions in their text form.
    QString WriteDefinition() const;
    void ReadDefinition(const QString& text);

    // Registry of this table's kind.
    const QList<TGridTable*>& Registry() const { return registry_->tables; }
    TGridTable* FindTable(int identifier) const;
    static const QList<TGridTable*>& GridTables();
    // A new table of this table's kind owned by owner, copied from this template.
    std::unique_ptr<TGridTable> CreateFromTemplate(TGridTable* owner, int number) const;

signals:
    void cellChanged(int column, int row);
    void structureChanged();
    void titleChanged();

protected:
    TGridTable(QObject* parent, TTableRegistry* registry);
    virtual std::unique_ptr<TGridTable> NewOfSameKind() const;
    virtual void CopySettingsTo(TGridTable& other) const;
    virtual TTableForm* CreateWindow();
    virtual void WriteExtraDefinition(TDefinitionWriter&) const {}
    virtual void ReadExtraDefinition(TDefinitionReader&) {}

private:
    friend class TColumn;
    friend class TFloatColumn;
    friend class TTableColumn;
    friend class TTableForm;
    void ValueChanged(TColumn* column, int row);
    void InsertRowsAt(int at, int count);
    void DeleteRowAt(int row);
    void FitTemplates();
    void RenumberSubTables(int fromRow);
    void WindowGone();
    std::unique_ptr<TColumn> ReadColumn(TDefinitionReader& reader, int index);

    TTableRegistry* registry_;
    std::vector<std::unique_ptr<TColumn>> columns_;
    int identifier_ = -1;
    int maxRows_ = 0;
    int minRows_ = 1;
    int rowGroup_ = 1;
    int rowCount_ = 0;
    int units_ = 1;
    int number_ = 0;
    bool changed_ = false;
    bool loading_ = false;
    TGridTable* owner_ = nullptr;
    QPointer<TTableForm> window_;
};
