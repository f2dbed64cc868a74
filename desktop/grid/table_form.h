// TTableForm: the editing window of one grid table. The window is a view:
// values live in the table, and an entry is written into the table as soon
// as the user leaves its cell.
#pragma once

#include "grid/table_grid.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;
class TGridTable;

inline constexpr const char kAddRowText[] = "&Add Row";
inline constexpr const char kInsertRowText[] = "&Insert Row";
inline constexpr const char kDeleteRowText[] = "&Delete Row";
inline constexpr const char kRowNotValid[] = "Grid.Row not in valid range";
inline constexpr const char kTwoColumnsNeeded[] = "There must be at least 2 columns in grid";

class TTableForm : public QWidget {
    Q_OBJECT

public:
    explicit TTableForm(TGridTable* table);
    ~TTableForm() override;

    // Child windows go into this area when it is set (the main window's).
    static void SetMdiArea(QMdiArea* area);
    static QMdiArea* MdiArea();

    TGridTable* Table() const { return table_; }
    void ShowWindow();
    void ShowModalWindow();
    // The table closes its window: a pending valid entry is kept.
    void CloseFromTable();
    // Writes an edited current cell into the table; on an entry error shows
    // the message, keeps the typed text and returns false.
    bool ValidateCurrentCell();
    // The window the user moves and resizes: the MDI sub-window or this form.
    QWidget* Frame() const;

    TTableGrid* Grid() const { return grid_; }
    QPushButton* AddButton() const { return addButton_; }
    QPushButton* InsertButton() const { return insertButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    QLabel* NoteLabel() const { return note_; }
    QLabel* PictureLabel() const { return picture_; }
    int HeaderRows() const { return headerRows_; }
    int RowsShown() const { return rowsShown_; }
    int ColumnsShown() const { return columnsShown_; }
    // Table column of a grid column, and the control over a cell (or nullptr).
    int TableColumnOf(int gridColumn) const;
    QComboBox* ChoiceControl(int gridColumn, int row) const;
    QPushButton* SubTableButton(int gridColumn, int row) const;
    // The size of the grid that shows `rows` rows and `columns` columns.
    QSize GridSizeFor(int rows, int columns) const;
    // Rows and columns shown for a dragged grid size (the closest whole fit).
    QPair<int, int> SnapGridSize(const QSize& wanted) const;

    void AddRowClick();
    void InsertRowClick();
    void DeleteRowClick();

signals:
    void valuesEdited();  // a value of the table changed through this window

protected:
    virtual int InitialRowsLimit() const { return 10; }
    // Areas the chart variant adds above the grid and under the row buttons.
    virtual QSize TopAreaSize(int contentWidth) const;
    virtual void PlaceTopArea(const QRect&) {}
    virtual QSize BottomRowSize() const { return {}; }
    virtual void PlaceBottomRow(const QPoint&) {}
    virtual void TableValuesChanged() {}

    void FillGrid();
    void LayOut();
    int Margin() const;
    void Information(const QString& text);
    // Adds rows when the table grows through the window (reading a file).
    void GrowRowsShown();

    QSize sizeHint() const override { return clientSize_.isValid() ? clientSize_ : QWidget::sizeHint(); }
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void OnItemChanged(QTableWidgetItem* item);
    void OnEnter();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void OnCellChanged(int tableColumn, int row);
    void OnStructureChanged();
    void UpdateTitle();
    void UpdateButtons();
    void RefreshCell(int row, int gridColumn);
    void RefreshAllCells();
    bool WriteCell(int row, int gridColumn);
    bool IsControlColumn(int gridColumn) const;
    int FirstEditableColumn() const;
    bool InGrid(QWidget* widget) const;
    void ApplyShown();
    int ColumnWidth(int gridColumn) const;

    TGridTable* table_;
    TTableGrid* grid_;
    QPushButton* addButton_;
    QPushButton* insertButton_;
    QPushButton* deleteButton_;
    QLabel* note_;
    QLabel* picture_;
    QList<int> gridToTable_;
    QSet<QPair<int, int>> dirty_;  // cells whose typed text is not yet written
    int headerRows_ = 1;
    int rowsShown_ = 0;
    int columnsShown_ = 0;
    bool filling_ = false;
    bool reverting_ = false;
    bool validating_ = false;
    bool layingOut_ = false;
    bool fillPending_ = false;
    bool closingFromTable_ = false;
    bool leftToNothing_ = false;  // the focus left the grid for no widget
    QSize clientSize_;
};
