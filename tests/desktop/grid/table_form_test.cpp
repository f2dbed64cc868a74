// The table window driven as a user would: typing entries, Enter, entry
// errors, row buttons, drop-down lists and sub-table buttons, closing.
#include "grid/expression.h"
#include "grid/grid_table.h"
#include "grid/table_form.h"
#include "grid_fixtures.h"
#include "widget_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace torvex::test;

namespace {

class TableWindow : public ::testing::Test {
protected:
    MessageRecorder messages;

    TTableForm* Open(TGridTable* table) {
        table->Show();
        Settle();
        TTableForm* form = table->Window();
        Activate(form->Frame());
        return form;
    }
};

TEST_F(TableWindow, AnExpressionAndEnterStoreTheValueAndMoveDown) {
    auto sections = MakeSections();
    sections->SetRowCount(3);
    TTableForm* form = Open(sections.get());
    TypeInCell(form, 0, 3, "12*3");
    PressEnter(form);
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.Last().toStdString();
    EXPECT_EQ(sections->Cell(3, 0).Real(), 36.0);
    EXPECT_EQ(form->Grid()->item(0, 3)->text(), QStringLiteral("36"));
    EXPECT_EQ(form->Grid()->currentRow(), 1);
    EXPECT_EQ(form->Grid()->currentColumn(), 3);
    EXPECT_TRUE(sections->IsChanged());

    TypeInCell(form, 1, 3, "2*sqrt(2)");
    PressEnter(form);
    EXPECT_EQ(form->Grid()->item(1, 3)->text(), QStringLiteral("2.8284271"));
    EXPECT_EQ(form->Grid()->currentRow(), 2);
}

TEST_F(TableWindow, AWrongEntryIsExplainedAndTheCursorStays) {
    auto sections = MakeSections();
    sections->SetRowCount(3);
    sections->Cell(3, 0).SetReal(5);
    TTableForm* form = Open(sections.get());
    TypeInCell(form, 0, 3, "abc");
    PressEnter(form);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last(), QString::fromLatin1(torvex::kEvalInvalidCharacters));
    EXPECT_EQ(form->Grid()->currentRow(), 0);
    EXPECT_EQ(form->Grid()->currentColumn(), 3);
    EXPECT_EQ(sections->Cell(3, 0).Real(), 5.0);
    EXPECT_EQ(form->Grid()->item(0, 3)->text(), QStringLiteral("abc"));  // the typed text stays

    // Moving elsewhere is refused the same way.
    form->Grid()->CommitOpenEditor();
    form->Grid()->setCurrentCell(2, 0);
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(form->Grid()->currentRow(), 0);
    EXPECT_EQ(form->Grid()->currentColumn(), 3);

    // So is a row button, and closing the window.
    form->AddRowClick();
    EXPECT_EQ(sections->RowCount(), 3);
    EXPECT_FALSE(form->Frame()->close());
    EXPECT_EQ(sections->Window(), form);

    TypeInCell(form, 0, 3, "7");
    PressEnter(form);
    EXPECT_EQ(sections->Cell(3, 0).Real(), 7.0);
    EXPECT_EQ(form->Grid()->currentRow(), 1);
}

TEST_F(TableWindow, IntegerCellsRefuseFractionsAndValuesOutOfRange) {
    auto sections = MakeSections();
    sections->SetRowCount(1);
    TTableForm* form = Open(sections.get());
    const struct {
        const char* typed;
        const char* message;
        int stored;
    } cases[] = {{"2.5", "Entry must be an integer.", 0},
                 {"-2.5", "Entry must be an integer.", 0},
                 {"3e9", "Entry must be between 0 and 2147483600.", 0},
                 {"-1", "Entry must be between 0 and 2147483600.", 0},
                 {"1e9", "", 1000000000},
                 {"4*5", "", 20}};
    for (const auto& c : cases) {
        sections->Cell(0, 0).SetInteger(0);
        messages.Clear();
        TypeInCell(form, 0, 0, QString::fromLatin1(c.typed));
        EXPECT_EQ(form->ValidateCurrentCell(), c.message[0] == 0) << c.typed;
        EXPECT_EQ(messages.Last(), QString::fromLatin1(c.message)) << c.typed;
        EXPECT_EQ(sections->Cell(0, 0).Integer(), c.stored) << c.typed;
        form->Grid()->item(0, 0)->setText(sections->Cell(0, 0).Text());
        form->ValidateCurrentCell();
    }
}

TEST_F(TableWindow, EnterGoesDownThenToTheTopOfTheNextTypedColumn) {
    auto sections = MakeSections();
    sections->SetRowCount(2);
    TTableForm* form = Open(sections.get());
    form->Grid()->setCurrentCell(1, 0);
    PressEnter(form);
    EXPECT_EQ(form->Grid()->currentRow(), 0);
    EXPECT_EQ(form->Grid()->currentColumn(), 1);
    form->Grid()->setCurrentCell(1, 1);
    PressEnter(form);  // column 2 holds drop-down lists: on to column 3
    EXPECT_EQ(form->Grid()->currentRow(), 0);
    EXPECT_EQ(form->Grid()->currentColumn(), 3);
    form->Grid()->setCurrentCell(1, 3);
    PressEnter(form);  // the last column wraps to the first
    EXPECT_EQ(form->Grid()->currentRow(), 0);
    EXPECT_EQ(form->Grid()->currentColumn(), 0);
    // A cell under a drop-down list is not selected.
    form->Grid()->setCurrentCell(0, 2);
    EXPECT_EQ(form->Grid()->currentColumn(), 0);
}

TEST_F(TableWindow, RowButtonsFollowTheRowLimits) {
    auto sections = MakeSections();
    sections->SetRowCount(1);
    TTableForm* form = Open(sections.get());
    EXPECT_TRUE(form->AddButton()->isVisible());
    EXPECT_EQ(form->AddButton()->text(), QStringLiteral("&Add Row"));
    EXPECT_EQ(form->InsertButton()->text(), QStringLiteral("&Insert Row"));
    EXPECT_EQ(form->DeleteButton()->text(), QStringLiteral("&Delete Row"));
    EXPECT_TRUE(form->AddButton()->isEnabled());
    EXPECT_FALSE(form->DeleteButton()->isEnabled());  // at MinRows

    for (int i = 0; i < 9; ++i) QTest::mouseClick(form->AddButton(), Qt::LeftButton);
    EXPECT_EQ(sections->RowCount(), 10);
    EXPECT_EQ(form->RowsShown(), 10);
    EXPECT_FALSE(form->AddButton()->isEnabled());  // at MaxRows
    EXPECT_FALSE(form->InsertButton()->isEnabled());
    EXPECT_TRUE(form->DeleteButton()->isEnabled());
    EXPECT_EQ(form->Grid()->currentRow(), 9);  // the new row is current
    EXPECT_EQ(form->Grid()->verticalHeaderItem(9)->text(), QStringLiteral("10"));

    // Delete and insert act on the current row.
    for (int r = 0; r < 10; ++r) sections->Cell(0, r).SetInteger(r * 10);
    form->Grid()->setCurrentCell(4, 0);
    QTest::mouseClick(form->DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(sections->RowCount(), 9);
    EXPECT_EQ(sections->Cell(0, 4).Integer(), 50);
    EXPECT_TRUE(form->InsertButton()->isEnabled());
    form->Grid()->setCurrentCell(2, 0);
    QTest::mouseClick(form->InsertButton(), Qt::LeftButton);
    ASSERT_EQ(sections->RowCount(), 10);
    EXPECT_EQ(sections->Cell(0, 2).Integer(), 0);
    EXPECT_EQ(sections->Cell(0, 3).Integer(), 20);

    // Above MaxRows (set by a file) the user cannot add more.
    sections->SetRowCount(15);
    Settle();
    EXPECT_FALSE(form->AddButton()->isEnabled());
    EXPECT_TRUE(form->DeleteButton()->isEnabled());
}

TEST_F(TableWindow, TablesWithAFixedRowCountShowNoRowButtons) {
    auto soil = MakeSoilTables();
    TTableForm* form = Open(soil.clay.get());
    EXPECT_EQ(soil.clay->RowCount(), 2);  // padded to MinRows on opening
    EXPECT_FALSE(form->AddButton()->isVisible());
    EXPECT_FALSE(form->DeleteButton()->isVisible());
    EXPECT_EQ(form->HeaderRows(), 2);
    EXPECT_EQ(form->Grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Total Unit\nWeight, (lbs/ft^3)  "));
    EXPECT_EQ(form->Grid()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("E50\n"));
    EXPECT_EQ(form->Grid()->TopLeftText(), QStringLiteral("Point"));
}

TEST_F(TableWindow, OpensWithAtMostTenRowsShownAndAScrollBar) {
    auto sections = MakeSections();
    sections->SetMaxRows(20);
    sections->SetRowCount(14);
    TTableForm* form = Open(sections.get());
    EXPECT_EQ(form->RowsShown(), 10);
    EXPECT_EQ(form->ColumnsShown(), 4);
    EXPECT_EQ(form->Grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form->Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Exactly ten rows fit the viewport.
    const int rowHeight = form->Grid()->verticalHeader()->defaultSectionSize();
    EXPECT_EQ(form->Grid()->viewport()->height() / rowHeight, 10);
    EXPECT_EQ(form->Grid()->viewport()->height() % rowHeight, 0);
}

TEST_F(TableWindow, ResizingSnapsToWholeRowsAndNeverNarrowerThanTheButtons) {
    auto sections = MakeSections();
    sections->SetMaxRows(20);
    sections->SetRowCount(14);
    TTableForm* form = Open(sections.get());
    const int rowHeight = form->Grid()->verticalHeader()->defaultSectionSize();
    const QSize before = form->size();
    form->resize(before.width(), before.height() - 3 * rowHeight - rowHeight / 3);
    Settle();
    EXPECT_EQ(form->RowsShown(), 7);
    EXPECT_EQ(form->size().height(), before.height() - 3 * rowHeight);
    // Dragging narrower than one column gives one column and a scroll bar,
    // but the window keeps the width of its button row.
    form->resize(40, form->height());
    Settle();
    EXPECT_EQ(form->ColumnsShown(), 1);
    EXPECT_EQ(form->Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GE(form->width(), form->DeleteButton()->geometry().right());
    const auto snapped = form->SnapGridSize(form->GridSizeFor(4, 2) + QSize(3, 3));
    EXPECT_EQ(snapped.first, 4);
    EXPECT_EQ(snapped.second, 2);
}

TEST_F(TableWindow, ChoiceCellsHaveDropDownListsAndTableCellsButtons) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(3);
    TTableForm* form = Open(soil.layers.get());
    QComboBox* kind = form->ChoiceControl(0, 1);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->count(), 7);
    EXPECT_EQ(kind->maxVisibleItems(), 11);
    EXPECT_EQ(kind->currentText(), QStringLiteral("Soft Clay"));
    ASSERT_NE(form->SubTableButton(2, 1), nullptr);
    EXPECT_EQ(form->SubTableButton(2, 1)->text(), QStringLiteral("2: Clay"));

    // Choosing "Sand" stores 4 and brings a sand table.
    kind->setCurrentIndex(3);
    emit kind->activated(3);
    EXPECT_EQ(soil.layers->Cell(0, 1).Integer(), 4);
    EXPECT_EQ(form->SubTableButton(2, 1)->text(), QStringLiteral("2: Sand"));
    EXPECT_TRUE(soil.layers->IsChanged());

    // The button opens the sub-table, titled with its number.
    QTest::mouseClick(form->SubTableButton(2, 2), Qt::LeftButton);
    TGridTable* third = soil.layers->Cell(2, 2).SubTable();
    ASSERT_NE(third->Window(), nullptr);
    EXPECT_EQ(third->Window()->windowTitle(), QStringLiteral("Clay  3"));

    // Deleting row 2 renumbers: the buttons read 1 and 2, the open window too.
    form->Grid()->setCurrentCell(1, 1);
    form->DeleteRowClick();
    Settle();
    EXPECT_EQ(form->SubTableButton(2, 0)->text(), QStringLiteral("1: Clay"));
    EXPECT_EQ(form->SubTableButton(2, 1)->text(), QStringLiteral("2: Clay"));
    EXPECT_EQ(third->Window()->windowTitle(), QStringLiteral("Clay  2"));

    // Closing the layer window closes the sub-table windows with it.
    QPointer<TTableForm> sub = third->Window();
    EXPECT_TRUE(form->Frame()->close());
    Settle();
    EXPECT_EQ(soil.layers->Window(), nullptr);
    EXPECT_EQ(third->Window(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sub.isNull());
}

TEST_F(TableWindow, ReplacingASubTableClosesItsWindow) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(1);
    TGridTable* clay = soil.layers->Cell(2, 0).SubTable();
    clay->Show();
    Settle();
    ASSERT_NE(clay->Window(), nullptr);
    QPointer<TTableForm> window = clay->Window();
    soil.layers->Cell(0, 0).SetInteger(4);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(TableWindow, AValidPendingEntryIsKeptWhenTheTableClosesTheWindow) {
    auto sections = MakeSections();
    sections->SetRowCount(1);
    TTableForm* form = Open(sections.get());
    TypeInCell(form, 0, 3, "2e6");
    form->Grid()->CommitOpenEditor();
    sections->CloseWindow();
    EXPECT_EQ(sections->Cell(3, 0).Real(), 2e6);
    EXPECT_EQ(sections->Window(), nullptr);
}

TEST_F(TableWindow, LeavingTheGridChecksTheEntry) {
    auto sections = MakeSections();
    sections->SetRowCount(1);
    TTableForm* form = Open(sections.get());
    QLineEdit other(form);
    other.show();
    TypeInCell(form, 0, 3, "2+");
    form->Grid()->CommitOpenEditor();
    other.setFocus();
    Settle();
    EXPECT_EQ(messages.Last(), QString::fromLatin1(torvex::kEvalInvalidExpression));
    EXPECT_TRUE(form->Grid()->hasFocus() || form->Grid()->OpenEditor() != nullptr);
}

TEST_F(TableWindow, ATableWithoutVisibleColumnsShowsNothing) {
    TGridTable hidden;
    hidden.Add<TIntColumn>(QStringList{"n"})->Visible = false;
    hidden.Show();
    EXPECT_EQ(hidden.Window(), nullptr);
}

TEST_F(TableWindow, ScreenshotOfALayerTableWithSubTableButtons) {
    auto soil = MakeSoilTables();
    soil.layers->Comments = "Each layer carries the parameters of its soil type.\rChoose the type first.";
    soil.layers->SetRowCount(3);
    soil.layers->Cell(0, 1).SetInteger(4);
    soil.layers->Cell(0, 2).SetInteger(5);
    for (int r = 0; r < 3; ++r) soil.layers->Cell(1, r).SetReal(5.0 * (r + 1));
    TTableForm* form = Open(soil.layers.get());
    QDir().mkpath(TORVEX_SHOT_DIR);
    const QString path = QStringLiteral(TORVEX_SHOT_DIR "/grid_table_window.png");
    ASSERT_TRUE(form->grab().save(path));
    EXPECT_GT(form->width(), form->DeleteButton()->geometry().right());
    TGridTable* clay = soil.layers->Cell(2, 0).SubTable();
    clay->Cell(0, 0).SetReal(110);
    clay->Cell(0, 1).SetReal(120);
    clay->Show();
    Settle();
    ASSERT_TRUE(clay->Window()->grab().save(QStringLiteral(TORVEX_SHOT_DIR "/grid_sub_table_window.png")));
}

}  // namespace

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

class MdiTableWindow : public TableWindow {
protected:
    QMdiArea area;
    void SetUp() override {
        area.resize(900, 700);
        TTableForm::SetMdiArea(&area);
        Activate(&area);
    }
    void TearDown() override { TTableForm::SetMdiArea(nullptr); }
};

TEST_F(MdiTableWindow, WindowsAreChildWindowsOfTheArea) {
    auto sections = MakeSections();
    sections->SetRowCount(2);
    sections->Show();
    Settle();
    TTableForm* form = sections->Window();
    auto* sub = qobject_cast<QMdiSubWindow*>(form->Frame());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->mdiArea(), &area);
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Wall Stiffness "));
    // The sub-window fits the form's client area.
    EXPECT_EQ(sub->widget(), form);
    EXPECT_GE(sub->width(), form->width());
    sub->close();
    Settle();
    EXPECT_EQ(sections->Window(), nullptr);
}

TEST_F(MdiTableWindow, SwitchingToAnotherWindowChecksTheEntry) {
    auto sections = MakeSections();
    sections->SetRowCount(2);
    auto soil = MakeSoilTables();
    soil.layers->Show();
    sections->Show();
    Settle();
    TTableForm* form = sections->Window();
    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form->Frame()));
    TypeInCell(form, 0, 3, "1/0");
    form->Grid()->CommitOpenEditor();
    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(soil.layers->Window()->Frame()));
    soil.layers->Window()->Grid()->setFocus();
    Settle();
    EXPECT_EQ(messages.Last(), QString::fromLatin1(torvex::kEvalDivisionByZero));
    EXPECT_EQ(area.activeSubWindow(), form->Frame());
}

}  // namespace
