#include "grid/table_form.h"

#include "grid/grid_table.h"
#include "grid/message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QListView>
#include <climits>
#include <cmath>

namespace {

QPointer<QMdiArea> g_mdiArea;

constexpr const char kCellControlProperty[] = "torvexCellControl";

}  // namespace

// ---------------------------------------------------------------- TTableForm

void TTableForm::SetMdiArea(QMdiArea* area) { g_mdiArea = area; }
QMdiArea* TTableForm::MdiArea() { return g_mdiArea; }

TTableForm::TTableForm(TGridTable* table) : QWidget(nullptr), table_(table) {
    setAttribute(Qt::WA_DeleteOnClose);
    grid_ = new TTableGrid(this);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(false);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->verticalHeader()->setHighlightSections(false);

    // Clicking a row button leaves the focus in the grid, so the click itself
    // checks the entry once.
    addButton_ = new QPushButton(QString::fromLatin1(kAddRowText), this);
    insertButton_ = new QPushButton(QString::fromLatin1(kInsertRowText), this);
    deleteButton_ = new QPushButton(QString::fromLatin1(kDeleteRowText), this);
    for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) b->setFocusPolicy(Qt::TabFocus);
    connect(addButton_, &QPushButton::clicked, this, &TTableForm::AddRowClick);
    connect(insertButton_, &QPushButton::clicked, this, &TTableForm::InsertRowClick);
    connect(deleteButton_, &QPushButton::clicked, this, &TTableForm::DeleteRowClick);

    note_ = new QLabel(this);
    picture_ = new QLabel(this);

    connect(grid_, &QTableWidget::currentCellChanged, this, &TTableForm::OnCurrentCellChanged);
    connect(grid_, &QTableWidget::itemChanged, this, &TTableForm::OnItemChanged);
    connect(grid_, &TTableGrid::enterPressed, this, &TTableForm::OnEnter);
    connect(qApp, &QApplication::focusChanged, this, &TTableForm::OnFocusChanged);
    connect(table_, &TGridTable::cellChanged, this, &TTableForm::OnCellChanged);
    connect(table_, &TGridTable::structureChanged, this, &TTableForm::OnStructureChanged);
    connect(table_, &TGridTable::titleChanged, this, &TTableForm::UpdateTitle);
}

TTableForm::~TTableForm() {
    if (table_ != nullptr) {
        TGridTable* table = table_;
        table_ = nullptr;
        if (table->window_ == this) table->WindowGone();
    }
}

int TTableForm::Margin() const { return std::max(1, int(std::lround(logicalDpiX() / 20.0))); }

QWidget* TTableForm::Frame() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return const_cast<TTableForm*>(this);
}

void TTableForm::Information(const QString& text) {
    const bool was = validating_;
    validating_ = true;  // the message box takes the focus: no second check
    torvex::ShowInformation(this, text);
    validating_ = was;
}

int TTableForm::TableColumnOf(int gridColumn) const {
    return gridColumn >= 0 && gridColumn < gridToTable_.size() ? gridToTable_[gridColumn] : -1;
}

bool TTableForm::IsControlColumn(int gridColumn) const {
    const TColumn* c = table_ != nullptr ? table_->Column(TableColumnOf(gridColumn)) : nullptr;
    return c != nullptr && c->UsesControls();
}

int TTableForm::FirstEditableColumn() const {
    for (int c = 0; c < gridToTable_.size(); ++c)
        if (!IsControlColumn(c)) return c;
    return -1;
}

QComboBox* TTableForm::ChoiceControl(int gridColumn, int row) const {
    return qobject_cast<QComboBox*>(grid_->cellWidget(row, gridColumn));
}

QPushButton* TTableForm::SubTableButton(int gridColumn, int row) const {
    return qobject_cast<QPushButton*>(grid_->cellWidget(row, gridColumn));
}

// ---------------------------------------------------------------- showing

void TTableForm::ShowWindow() {
    if (table_ == nullptr) return;
    if (parentWidget() == nullptr) {
        table_->PadToMinimum();
        if (table_->FormParent != nullptr) {
            setParent(table_->FormParent, Qt::Widget);
            move(0, 0);
        } else if (g_mdiArea != nullptr) {
            QMdiSubWindow* sub = g_mdiArea->addSubWindow(this);
            sub->setAttribute(Qt::WA_DeleteOnClose);
        } else {
            setWindowFlags(Qt::Window);
        }
        rowsShown_ = std::min(table_->RowCount(), InitialRowsLimit());
        FillGrid();
        const int first = FirstEditableColumn();
        if (first >= 0 && table_->RowCount() > 0) {
            reverting_ = true;
            grid_->setCurrentCell(0, first);
            reverting_ = false;
        }
    }
    UpdateTitle();
    Frame()->show();
    LayOut();
    Frame()->raise();
    Frame()->activateWindow();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Frame())) sub->mdiArea()->setActiveSubWindow(sub);
    grid_->setFocus();
}

void TTableForm::ShowModalWindow() {
    ShowWindow();
    Frame()->setWindowModality(Qt::ApplicationModal);
    Frame()->hide();
    Frame()->show();
    QEventLoop loop;
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

void TTableForm::CloseFromTable() {
    if (table_ == nullptr) return;
    closingFromTable_ = true;
    // The table may be going away: no more notifications into this window.
    disconnect(table_, nullptr, this, nullptr);
    // Closing never loses a valid entry; an invalid one goes with the window.
    grid_->CommitOpenEditor();
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (dirty_.contains({row, column})) {
        try {
            table_->Column(TableColumnOf(column))->SetText(row, grid_->item(row, column)->text());
            table_->SetChanged();
        } catch (const TMessageError&) {
        }
    }
    table_ = nullptr;
    QWidget* frame = Frame();
    frame->hide();
    frame->deleteLater();
}

void TTableForm::UpdateTitle() {
    if (table_ == nullptr) return;
    setWindowTitle(table_->WindowTitle());
    if (Frame() != this) Frame()->setWindowTitle(table_->WindowTitle());
}

// ---------------------------------------------------------------- filling

void TTableForm::FillGrid() {
    if (table_ == nullptr) return;
    fillPending_ = false;
    filling_ = true;
    const int currentRow = grid_->currentRow();
    const int currentColumn = grid_->currentColumn();
    dirty_.clear();

    gridToTable_.clear();
    headerRows_ = 1;
    for (int i = 0; i < table_->ColumnCount(); ++i) {
        if (!table_->Column(i)->Visible) continue;
        gridToTable_ << i;
        headerRows_ = std::max(headerRows_, table_->Column(i)->CaptionLineCount());
    }
    const int rows = table_->RowCount();
    grid_->clearSpans();
    grid_->setRowCount(rows);
    grid_->setColumnCount(int(gridToTable_.size()));

    const QFontMetrics metrics = grid_->fontMetrics();
    const int dpi = logicalDpiX();
    QStringList headers;
    for (int c = 0; c < gridToTable_.size(); ++c) {
        const TColumn* column = table_->Column(gridToTable_[c]);
        QStringList lines;
        for (int i = 0; i < headerRows_; ++i) lines << column->HeaderLine(i);
        headers << lines.join(QLatin1Char('\n'));
    }
    grid_->setHorizontalHeaderLabels(headers);
    QStringList rowLabels;
    for (int r = 0; r < rows; ++r) rowLabels << QString::number(r / table_->RowGroup() + 1);
    grid_->setVerticalHeaderLabels(rowLabels);
    grid_->SetTopLeftText(table_->TopLeft);

    // Row height fits the drop-down lists and buttons placed over cells.
    QComboBox probe;
    QPushButton probeButton(QStringLiteral("1: X"));
    const int rowHeight = std::max({metrics.height() + 8, probe.sizeHint().height() + 2, probeButton.sizeHint().height() + 2});
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->verticalHeader()->setMinimumSectionSize(rowHeight);

    for (int c = 0; c < gridToTable_.size(); ++c) {
        grid_->setColumnWidth(c, table_->Column(gridToTable_[c])->Width(metrics, dpi));
        for (int r = 0; r < rows; ++r) {
            grid_->removeCellWidget(r, c);
            auto* item = new QTableWidgetItem();
            if (IsControlColumn(c)) item->setFlags(Qt::ItemIsEnabled);
            grid_->setItem(r, c, item);
            RefreshCell(r, c);
        }
    }
    // The first column: the top-left text and two blanks, at least a third of an inch.
    const int labelWidth = std::max({metrics.horizontalAdvance(table_->TopLeft + QStringLiteral("  ")),
                                     int(std::lround(dpi / 3.0)),
                                     metrics.horizontalAdvance(QString::number(rows) + QStringLiteral("  "))});
    grid_->verticalHeader()->setFixedWidth(labelWidth);

    filling_ = false;
    if (rows > 0 && !gridToTable_.isEmpty()) {
        int row = std::clamp(currentRow, 0, rows - 1);
        int column = currentColumn;
        if (column < 0 || column >= gridToTable_.size() || IsControlColumn(column)) column = FirstEditableColumn();
        if (column >= 0) {
            reverting_ = true;
            grid_->setCurrentCell(row, column);
            reverting_ = false;
        }
    }
    if (rowsShown_ > rows) rowsShown_ = rows;
    if (rowsShown_ < 1 && rows > 0) rowsShown_ = std::min(rows, InitialRowsLimit());
    if (columnsShown_ < 1 || columnsShown_ > gridToTable_.size()) columnsShown_ = int(gridToTable_.size());
    UpdateButtons();
}

void TTableForm::RefreshCell(int row, int gridColumn) {
    if (table_ == nullptr || row < 0 || row >= grid_->rowCount() || gridColumn < 0 || gridColumn >= grid_->columnCount())
        return;
    TColumn* column = table_->Column(TableColumnOf(gridColumn));
    if (column == nullptr) return;
    const bool wasFilling = filling_;
    filling_ = true;
    if (column->Kind() == ColumnKind::Choice) {
        auto* combo = ChoiceControl(gridColumn, row);
        if (combo == nullptr) {
            combo = new QComboBox();
            combo->setProperty(kCellControlProperty, true);
            combo->setFocusPolicy(Qt::TabFocus);
            combo->setMaxVisibleItems(11);
            combo->addItems(static_cast<TEnumColumn*>(column)->Items());
            // The list opens wide enough for its longest item.
            combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
            grid_->setCellWidget(row, gridColumn, combo);
            connect(combo, &QComboBox::activated, this, [this, combo, gridColumn](int index) {
                if (table_ == nullptr) return;
                const int r = grid_->indexAt(combo->pos() + QPoint(1, 1)).row();
                TColumn* c = table_->Column(TableColumnOf(gridColumn));
                if (r < 0 || c == nullptr) return;
                if (!ValidateCurrentCell()) {
                    RefreshCell(r, gridColumn);
                    return;
                }
                c->SetInteger(r, index + 1);
                table_->SetChanged();
                emit valuesEdited();
            });
        }
        combo->setCurrentIndex(column->GetInteger(row) - 1);
    } else if (column->Kind() == ColumnKind::Table) {
        TGridTable* sub = column->GetSubTable(row);
        auto* button = SubTableButton(gridColumn, row);
        if (sub == nullptr) {
            if (button != nullptr) grid_->removeCellWidget(row, gridColumn);
        } else {
            if (button == nullptr) {
                button = new QPushButton();
                button->setProperty(kCellControlProperty, true);
                button->setFocusPolicy(Qt::TabFocus);
                grid_->setCellWidget(row, gridColumn, button);
                connect(button, &QPushButton::clicked, this, [this, button, gridColumn]() {
                    if (table_ == nullptr) return;
                    const int r = grid_->indexAt(button->pos() + QPoint(1, 1)).row();
                    TColumn* c = table_->Column(TableColumnOf(gridColumn));
                    if (r < 0 || c == nullptr || !ValidateCurrentCell()) return;
                    if (TGridTable* t = c->GetSubTable(r)) t->Show();
                });
            }
            button->setText(QStringLiteral("%1: %2").arg(sub->Number()).arg(sub->Caption));
        }
    } else if (QTableWidgetItem* item = grid_->item(row, gridColumn)) {
        item->setText(column->GetText(row));
        dirty_.remove({row, gridColumn});
    }
    filling_ = wasFilling;
}

void TTableForm::RefreshAllCells() {
    for (int c = 0; c < grid_->columnCount(); ++c)
        if (!IsControlColumn(c))
            for (int r = 0; r < grid_->rowCount(); ++r) RefreshCell(r, c);
}

void TTableForm::UpdateButtons() {
    if (table_ == nullptr) return;
    const bool visible = table_->MinRows() != table_->MaxRows();
    const int rows = table_->RowCount();
    const bool canGrow = table_->MaxRows() == 0 || rows < table_->MaxRows();
    for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) b->setVisible(visible);
    addButton_->setEnabled(canGrow);
    insertButton_->setEnabled(canGrow);
    deleteButton_->setEnabled(table_->MinRows() < rows);
}

// ---------------------------------------------------------------- layout

int TTableForm::ColumnWidth(int gridColumn) const { return grid_->columnWidth(gridColumn); }

QSize TTableForm::GridSizeFor(int rows, int columns) const {
    const int allRows = grid_->rowCount();
    const int allColumns = grid_->columnCount();
    const int frame = 2 * grid_->frameWidth();
    int first = grid_->horizontalScrollBar()->value();
    first = std::clamp(first, 0, std::max(0, allColumns - columns));
    int width = frame + grid_->verticalHeader()->width();
    for (int c = first; c < first + columns && c < allColumns; ++c) width += ColumnWidth(c);
    if (rows < allRows) width += grid_->verticalScrollBar()->sizeHint().width();
    int height = frame + grid_->horizontalHeader()->sizeHint().height() +
                 grid_->verticalHeader()->defaultSectionSize() * std::max(rows, 0);
    if (columns < allColumns) height += grid_->horizontalScrollBar()->sizeHint().height();
    return {width, height};
}

QPair<int, int> TTableForm::SnapGridSize(const QSize& wanted) const {
    const int allColumns = grid_->columnCount();
    if (allColumns + 1 < 2) throw TMessageError(QString::fromLatin1(kTwoColumnsNeeded));
    const int allRows = std::max(grid_->rowCount(), 1);
    // Of the layouts with and without each scroll bar, the closest to the dragged size.
    QPair<int, int> best(rowsShown_, columnsShown_);
    long bestDistance = LONG_MAX;
    for (int r = 1; r <= allRows; ++r)
        for (int c = 1; c <= allColumns; ++c) {
            const QSize s = GridSizeFor(r, c);
            const long d = std::labs(long(s.width() - wanted.width())) + std::labs(long(s.height() - wanted.height()));
            if (d < bestDistance) {
                bestDistance = d;
                best = {r, c};
            }
        }
    return best;
}

QSize TTableForm::TopAreaSize(int) const { return {}; }

void TTableForm::ApplyShown() {
    grid_->setVerticalScrollBarPolicy(rowsShown_ < grid_->rowCount() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(columnsShown_ < grid_->columnCount() ? Qt::ScrollBarAlwaysOn
                                                                             : Qt::ScrollBarAlwaysOff);
}

void TTableForm::LayOut() {
    if (table_ == nullptr) return;
    layingOut_ = true;
    const int m = Margin();
    ApplyShown();
    const QSize gridSize = GridSizeFor(rowsShown_, columnsShown_);

    int buttonsWidth = 0;
    int buttonsHeight = 0;
    if (addButton_->isVisibleTo(this)) {
        for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) {
            buttonsWidth += b->sizeHint().width();
            buttonsHeight = std::max(buttonsHeight, b->sizeHint().height());
        }
        buttonsWidth += 2 * m;
    }
    const QSize bottomRow = BottomRowSize();

    note_->setText(QString(table_->Comments).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    note_->setVisible(!table_->Comments.isEmpty());
    picture_->setPixmap(table_->HelpPicture);
    picture_->setVisible(!table_->HelpPicture.isNull());
    const QSize noteSize = note_->isVisibleTo(this) ? note_->sizeHint() : QSize();
    const QSize pictureSize = picture_->isVisibleTo(this) ? table_->HelpPicture.deviceIndependentSize().toSize() : QSize();

    const int contentWidth = std::max({gridSize.width(), buttonsWidth, bottomRow.width(), noteSize.width(), pictureSize.width()});
    const QSize top = TopAreaSize(contentWidth);

    int y = m;
    if (top.height() > 0) {
        PlaceTopArea(QRect(m, y, contentWidth, top.height()));
        y += top.height() + m;
    }
    grid_->setGeometry(m, y, gridSize.width(), gridSize.height());
    y += gridSize.height() + m;
    if (buttonsWidth > 0) {
        int x = m;
        for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) {
            b->setGeometry(x, y, b->sizeHint().width(), buttonsHeight);
            x += b->sizeHint().width() + m;
        }
        y += buttonsHeight + m;
    }
    if (bottomRow.height() > 0) {
        PlaceBottomRow(QPoint(m, y));
        y += bottomRow.height() + m;
    }
    if (noteSize.isValid() && !noteSize.isEmpty()) {
        note_->setGeometry(m, y, noteSize.width(), noteSize.height());
        y += noteSize.height() + m;
    }
    if (pictureSize.isValid() && !pictureSize.isEmpty()) {
        picture_->setGeometry(m, y, pictureSize.width(), pictureSize.height());
        y += pictureSize.height() + m;
    }
    const QSize client(contentWidth + 2 * m, y);
    // Never narrower than the row of buttons; at least one row high.
    const int fixedHeight = y - gridSize.height();
    setMinimumSize(std::max({buttonsWidth, bottomRow.width()}) + 2 * m, fixedHeight + GridSizeFor(1, 1).height());
    clientSize_ = client;
    if (size() != client) resize(client);
    // A sub-window sizes itself around the form's size hint.
    if (Frame() != this && Frame()->size() != Frame()->sizeHint()) Frame()->resize(Frame()->sizeHint());
    layingOut_ = false;
}

void TTableForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layingOut_ || table_ == nullptr || !isVisible() || !event->oldSize().isValid()) return;
    // A dragged border: the grid would take the whole change of size; snap
    // it to whole rows and columns and fit the window around it.
    const QSize wanted = grid_->size() + (event->size() - event->oldSize());
    const QPair<int, int> snapped = SnapGridSize(wanted);
    rowsShown_ = std::min(snapped.first, grid_->rowCount());
    columnsShown_ = snapped.second;
    QTimer::singleShot(0, this, [this]() { LayOut(); });
}

// ---------------------------------------------------------------- editing

void TTableForm::OnItemChanged(QTableWidgetItem* item) {
    if (filling_ || item == nullptr) return;
    dirty_.insert({item->row(), item->column()});
}

bool TTableForm::WriteCell(int row, int gridColumn) {
    if (table_ == nullptr || !dirty_.contains({row, gridColumn})) return true;
    TColumn* column = table_->Column(TableColumnOf(gridColumn));
    QTableWidgetItem* item = grid_->item(row, gridColumn);
    if (column == nullptr || item == nullptr) return true;
    try {
        column->SetText(row, item->text());
    } catch (const TMessageError& e) {
        Information(e.message());
        return false;
    }
    dirty_.remove({row, gridColumn});
    table_->SetChanged();
    RefreshAllCells();
    TableValuesChanged();
    emit valuesEdited();
    return true;
}

void TTableForm::OnCurrentCellChanged(int row, int column, int previousRow, int previousColumn) {
    if (reverting_ || filling_ || table_ == nullptr) return;
    auto revert = [&]() {
        reverting_ = true;
        grid_->setCurrentCell(previousRow, previousColumn);
        reverting_ = false;
    };
    if (previousRow >= 0 && previousColumn >= 0 && !WriteCell(previousRow, previousColumn)) {
        revert();
        grid_->setFocus();
        grid_->editItem(grid_->item(previousRow, previousColumn));
        return;
    }
    // Cells under drop-down lists and buttons are not selected.
    if (row >= 0 && IsControlColumn(column) && previousRow >= 0 && previousColumn >= 0) revert();
}

bool TTableForm::ValidateCurrentCell() {
    if (table_ == nullptr) return true;
    if (validating_) return false;
    grid_->CommitOpenEditor();
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (WriteCell(row, column)) return true;
    grid_->setFocus();
    if (QTableWidgetItem* item = grid_->item(row, column)) grid_->editItem(item);
    return false;
}

void TTableForm::OnEnter() {
    if (table_ == nullptr) return;
    const int rows = grid_->rowCount();
    const int columns = grid_->columnCount();
    int row = grid_->currentRow();
    int column = grid_->currentColumn();
    if (rows == 0 || columns == 0 || row < 0 || column < 0) return;
    // Down the column; from the last row to the top of the next column that
    // takes typed entries, from the last column back to the first.
    if (row + 1 < rows) {
        ++row;
    } else {
        row = 0;
        int next = column;
        for (int step = 0; step < columns; ++step) {
            next = (next + 1) % columns;
            if (!IsControlColumn(next)) break;
        }
        column = next;
    }
    if (row == grid_->currentRow() && column == grid_->currentColumn()) {
        ValidateCurrentCell();
        return;
    }
    grid_->setCurrentCell(row, column);
}

bool TTableForm::InGrid(QWidget* widget) const {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->property(kCellControlProperty).toBool()) return false;
        if (w == grid_) return true;
        if (w->isWindow()) return false;
    }
    return false;
}

void TTableForm::OnFocusChanged(QWidget* old, QWidget* now) {
    // Leaving the grid for another control or another window of the program
    // checks the entry; the application losing the focus does not. Moving
    // between child windows passes through "no focus" on the way.
    if (table_ == nullptr || validating_ || closingFromTable_) return;
    if (now == nullptr) {
        leftToNothing_ = InGrid(old);
        return;
    }
    const bool left = InGrid(old) || (old == nullptr && leftToNothing_);
    leftToNothing_ = false;
    if (!left || InGrid(now)) return;
    if (old == grid_->OpenEditor() && grid_->OpenEditor() != nullptr) grid_->CommitOpenEditor();
    if (!ValidateCurrentCell()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(Frame())) sub->mdiArea()->setActiveSubWindow(sub);
        Frame()->show();
        Frame()->activateWindow();
        grid_->setFocus();
    }
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (table_ != nullptr && !closingFromTable_ && !ValidateCurrentCell()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (table_ != nullptr && event->isAccepted()) {
        TGridTable* table = table_;
        disconnect(table_, nullptr, this, nullptr);
        table_ = nullptr;
        table->WindowGone();
    }
}

// ---------------------------------------------------------------- notifications

void TTableForm::OnCellChanged(int tableColumn, int row) {
    const int gridColumn = int(gridToTable_.indexOf(tableColumn));
    if (gridColumn >= 0 && !fillPending_) RefreshCell(row, gridColumn);
    TableValuesChanged();
}

void TTableForm::OnStructureChanged() {
    if (fillPending_) return;
    fillPending_ = true;
    // Coalesce the many notifications of one operation into one refill.
    QTimer::singleShot(0, this, [this]() {
        if (!fillPending_ || table_ == nullptr) return;
        FillGrid();
        LayOut();
        TableValuesChanged();
    });
}

// ---------------------------------------------------------------- row buttons

void TTableForm::GrowRowsShown() {
    if (rowsShown_ >= table_->RowCount()) rowsShown_ = std::min(rowsShown_ + table_->RowGroup(), 10);
}

void TTableForm::AddRowClick() {
    if (table_ == nullptr || !ValidateCurrentCell()) return;
    if (table_->MaxRows() != 0 && table_->RowCount() >= table_->MaxRows()) return;
    GrowRowsShown();
    const int column = std::max(grid_->currentColumn(), FirstEditableColumn());
    table_->AppendGroup();
    table_->SetChanged();
    FillGrid();
    LayOut();
    const int newRow = table_->RowCount() - table_->RowGroup();
    if (column >= 0 && newRow >= 0) {
        reverting_ = true;
        grid_->setCurrentCell(newRow, column);
        reverting_ = false;
        grid_->scrollToItem(grid_->item(newRow, column));
    }
    TableValuesChanged();
    emit valuesEdited();
}

void TTableForm::InsertRowClick() {
    if (table_ == nullptr || !ValidateCurrentCell()) return;
    const int row = grid_->currentRow();
    if (row < 0 || row >= table_->RowCount()) {
        Information(QString::fromLatin1(kRowNotValid));
        return;
    }
    if (table_->MaxRows() != 0 && table_->RowCount() >= table_->MaxRows()) return;
    GrowRowsShown();
    table_->InsertGroup(row);
    table_->SetChanged();
    FillGrid();
    LayOut();
    TableValuesChanged();
    emit valuesEdited();
}

void TTableForm::DeleteRowClick() {
    if (table_ == nullptr || !ValidateCurrentCell()) return;
    const int row = grid_->currentRow();
    if (row < 0 || row >= table_->RowCount()) {
        Information(QString::fromLatin1(kRowNotValid));
        return;
    }
    if (table_->RowCount() <= table_->MinRows()) return;
    table_->DeleteGroup(row);
    table_->SetChanged();
    rowsShown_ = std::min(rowsShown_, table_->RowCount());
    FillGrid();
    LayOut();
    TableValuesChanged();
    emit valuesEdited();
}
