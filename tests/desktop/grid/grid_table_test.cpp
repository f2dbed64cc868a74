// The grid-table model: cells through their columns, sub-tables made from
// templates, row rules, units, change marks, identifiers and definitions.
#include "grid/grid_table.h"
#include "grid/unit_codes.h"
#include "grid_fixtures.h"

#include <QSet>

#include <gtest/gtest.h>

using torvex::test::MakeSections;
using torvex::test::MakeSoilTables;

namespace {

TEST(GridCells, AnAccessTheColumnDoesNotSupportIsDataOfWrongType) {
    auto sections = MakeSections();
    auto soil = MakeSoilTables();
    sections->SetRowCount(1);
    soil.layers->SetRowCount(1);
    TData integer = sections->Cell(0, 0), choice = sections->Cell(2, 0), real = sections->Cell(3, 0);
    TData table = soil.layers->Cell(2, 0);
    const std::function<void()> wrong[] = {
        [&] { integer.Real(); },          [&] { integer.SetReal(1); },  [&] { integer.SubTable(); },
        [&] { choice.Real(); },           [&] { real.Integer(); },      [&] { real.SetInteger(1); },
        [&] { real.SubTable(); },         [&] { table.Real(); },        [&] { table.Integer(); },
        [&] { table.Column()->GetObject(0); (void)0; },
    };
    for (std::size_t i = 0; i + 1 < std::size(wrong); ++i) {
        try {
            wrong[i]();
            ADD_FAILURE() << "access " << i << " was allowed";
        } catch (const EDataTypeError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Data of wrong type"));
        }
    }
    EXPECT_NE(table.Column()->GetObject(0), nullptr);
    EXPECT_THROW(sections->Column(0)->GetObject(0), EDataTypeError);
    // Text is supported by every kind; the table column shows none.
    EXPECT_EQ(integer.Text(), QStringLiteral("0"));
    EXPECT_EQ(table.Text(), QString());
}

TEST(GridCells, NewRowsTakeTheColumnDefaultsAndTextsFollowTheKinds) {
    auto sections = MakeSections();
    sections->SetRowCount(2);
    EXPECT_EQ(sections->Cell(0, 1).Integer(), 0);
    EXPECT_EQ(sections->Cell(1, 1).Integer(), 1);
    EXPECT_EQ(sections->Cell(2, 1).Integer(), 1);
    EXPECT_EQ(sections->Cell(3, 1).Real(), 0.0);
    sections->Cell(3, 0).SetText("2.9e7*1.5");
    EXPECT_EQ(sections->Cell(3, 0).Real(), 43500000.0);
    EXPECT_EQ(sections->Cell(3, 0).Text(), QStringLiteral("43500000"));
    sections->Cell(3, 0).SetReal(1.0 / 3.0);
    EXPECT_EQ(sections->Cell(3, 0).Text(), QStringLiteral("0.33333333"));
    sections->Cell(2, 0).SetText("2");
    EXPECT_EQ(sections->Cell(2, 0).Integer(), 2);
    EXPECT_THROW(sections->Cell(2, 0).SetText("3"), EEntryError);  // only two items
    EXPECT_THROW(sections->Cell(3, 0).SetText("1/0"), EAssignError);
    EXPECT_EQ(sections->Cell(3, 0).Text(), QStringLiteral("0.33333333"));  // an error leaves the value

    TGridTable notes;
    notes.Add<TStringColumn>(QStringList{"Remark"}, "none", 2.0);
    notes.SetRowCount(1);
    EXPECT_EQ(notes.Cell(0, 0).Text(), QStringLiteral("none"));
    notes.Cell(0, 0).SetText("2*3 is text here");
    EXPECT_EQ(notes.Cell(0, 0).Text(), QStringLiteral("2*3 is text here"));
}

TEST(GridCells, IntegerEntriesWithoutAWindowTakeTheNearestIntegerInRange) {
    auto sections = MakeSections();
    sections->SetRowCount(1);
    sections->Cell(0, 0).SetText("2.5");
    EXPECT_EQ(sections->Cell(0, 0).Integer(), 3);
    sections->Cell(0, 0).SetText("-2.5");
    EXPECT_EQ(sections->Cell(0, 0).Integer(), -3);
    sections->Cell(0, 0).SetText("3e9");
    EXPECT_EQ(sections->Cell(0, 0).Integer(), 2147483647);
}

TEST(SubTables, RowsGetTheTemplateOfTheirChoice) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(2);
    TGridTable* first = soil.layers->Cell(2, 0).SubTable();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Caption, QStringLiteral("Clay"));
    EXPECT_EQ(first->TopLeft, QStringLiteral("Point"));
    EXPECT_EQ(first->RowCount(), 2);
    EXPECT_EQ(first->ColumnCount(), 3);
    EXPECT_EQ(first->OwnerTable(), soil.layers.get());
    EXPECT_EQ(first->Number(), 1);
    EXPECT_EQ(soil.layers->Cell(2, 1).SubTable()->Number(), 2);
    EXPECT_EQ(soil.layers->Cell(2, 1).SubTable()->WindowTitle(), QStringLiteral("Clay  2"));
    EXPECT_EQ(soil.layers->WindowTitle(), QStringLiteral("Soil Layers "));
}

TEST(SubTables, ChangingTheChoiceReplacesTheSubTableWithFreshDefaults) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(1);
    TGridTable* clay = soil.layers->Cell(2, 0).SubTable();
    clay->Cell(0, 0).SetReal(120);

    soil.layers->Cell(0, 0).SetInteger(4);  // Soft Clay -> Sand
    TGridTable* sand = soil.layers->Cell(2, 0).SubTable();
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->Caption, QStringLiteral("Sand"));
    EXPECT_EQ(sand->Cell(0, 0).Real(), 0.0);
    EXPECT_EQ(sand->Cell(1, 1).Real(), 30.0);
    EXPECT_EQ(sand->Number(), 1);

    soil.layers->Cell(0, 0).SetText("1");
    TGridTable* clay2 = soil.layers->Cell(2, 0).SubTable();
    clay2->Cell(0, 0).SetReal(110);
    soil.layers->Cell(0, 0).SetInteger(2);  // another clay kind: a new clay table
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable()->Caption, QStringLiteral("Clay"));
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable()->Cell(0, 0).Real(), 0.0);

    // Writing the same choice again keeps the parameters the user entered.
    soil.layers->Cell(2, 0).SubTable()->Cell(0, 0).SetReal(125);
    soil.layers->Cell(0, 0).SetInteger(2);
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable()->Cell(0, 0).Real(), 125.0);

    // A kind whose template does not exist leaves the row without a sub-table.
    soil.layers->Cell(0, 0).SetInteger(6);
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable(), nullptr);
}

TEST(SubTables, DeletingARowRenumbersTheFollowingSubTables) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(3);
    soil.layers->Cell(0, 2).SetInteger(4);
    soil.layers->Cell(2, 2).SubTable()->Cell(1, 0).SetReal(33);
    soil.layers->DeleteGroup(1);
    ASSERT_EQ(soil.layers->RowCount(), 2);
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable()->Number(), 1);
    TGridTable* moved = soil.layers->Cell(2, 1).SubTable();
    EXPECT_EQ(moved->Number(), 2);
    EXPECT_EQ(moved->Caption, QStringLiteral("Sand"));
    EXPECT_EQ(moved->Cell(1, 0).Real(), 33.0);
    soil.layers->InsertGroup(0);
    EXPECT_EQ(soil.layers->Cell(2, 0).SubTable()->Number(), 1);
    EXPECT_EQ(soil.layers->Cell(2, 2).SubTable()->Number(), 3);
}

TEST(SubTables, TemplatesFollowTheChoiceItemsAndAreFoundWhenUsed) {
    auto soil = MakeSoilTables();
    auto* column = static_cast<TTableColumn*>(soil.layers->Column(2));
    EXPECT_EQ(column->Templates().size(), 7);
    TGridTable short_;
    short_.Add<TEnumColumn>(QStringList{"Kind"}, QStringList{"A", "B", "C"});
    auto* sub = short_.Add<TTableColumn>(QStringList{"Data"}, QList<int>{17});
    EXPECT_EQ(sub->Templates(), (QList<int>{17, -1, -1}));

    // A template created after the definition is still found at row creation.
    TGridTable later;
    later.Add<TIntColumn>(QStringList{"Node"});
    later.Add<TTableColumn>(QStringList{"Curve"}, QList<int>{4242});
    later.SetRowCount(1);
    EXPECT_EQ(later.Cell(1, 0).SubTable(), nullptr);
    TGridTable curve;
    curve.SetIdentifier(4242);
    curve.Caption = "Curve";
    curve.SetMinRows(3);
    curve.Add<TFloatColumn>(QStringList{"y"}, "L");
    later.AppendGroup();
    ASSERT_NE(later.Cell(1, 1).SubTable(), nullptr);
    EXPECT_EQ(later.Cell(1, 1).SubTable()->RowCount(), 3);
}

TEST(GridRows, RowCountRules) {
    auto sections = MakeSections();
    sections->SetRowCount(15);  // above MaxRows: allowed here, the window stops the user
    EXPECT_EQ(sections->RowCount(), 15);
    sections->SetRowCount(-4);
    EXPECT_EQ(sections->RowCount(), 0);
    sections->PadToMinimum();
    EXPECT_EQ(sections->RowCount(), 1);
    sections->SetRowCount(3);
    sections->Cell(0, 2).SetInteger(7);
    sections->SetRowCount(2);  // surplus rows go from the end
    EXPECT_EQ(sections->Cell(0, 1).Integer(), 0);
    sections->PadToMinimum();
    EXPECT_EQ(sections->RowCount(), 2);

    try {
        sections->SetMinRows(0);
        ADD_FAILURE() << "MinRows 0 accepted";
    } catch (const TMessageError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Value must be greater than 0"));
    }
    sections->SetLoading(true);
    sections->SetMinRows(-3);
    EXPECT_EQ(sections->MinRows(), 1);
}

TEST(GridRows, GroupsAreAddedInsertedAndDeletedWhole) {
    TGridTable pairs;
    pairs.SetRowGroup(2);
    pairs.Add<TIntColumn>(QStringList{"n"}, 5);
    pairs.SetRowCount(3);  // appended in whole groups
    EXPECT_EQ(pairs.RowCount(), 4);
    for (int r = 0; r < 4; ++r) pairs.Cell(0, r).SetInteger(r);
    pairs.InsertGroup(3);  // before the group holding row 3: at row 2
    ASSERT_EQ(pairs.RowCount(), 6);
    EXPECT_EQ(pairs.Cell(0, 1).Integer(), 1);
    EXPECT_EQ(pairs.Cell(0, 2).Integer(), 5);
    EXPECT_EQ(pairs.Cell(0, 4).Integer(), 2);
    pairs.DeleteGroup(1);  // rows 0 and 1
    ASSERT_EQ(pairs.RowCount(), 4);
    EXPECT_EQ(pairs.Cell(0, 0).Integer(), 5);
    EXPECT_EQ(pairs.Cell(0, 3).Integer(), 3);
}

TEST(GridRows, GroupedColumnsWriteTheWholeGroup) {
    TGridTable pairs;
    pairs.SetRowGroup(2);
    auto* c = pairs.Add<TFloatColumn>(QStringList{"x"});
    c->Grouped = true;
    pairs.SetRowCount(4);
    pairs.Cell(0, 3).SetReal(8);
    EXPECT_EQ(pairs.Cell(0, 2).Real(), 8.0);
    EXPECT_EQ(pairs.Cell(0, 1).Real(), 0.0);
}

TEST(GridRows, TopDepthColumnsFollowTheBottomOfTheRowAbove) {
    TGridTable layers;
    layers.Add<TFloatColumn>(QStringList{"Top"}, "L2", 0.0, true);
    layers.Add<TFloatColumn>(QStringList{"Bottom"}, "L2", 0.0);
    layers.SetRowCount(1);
    layers.Cell(1, 0).SetReal(10);
    layers.AppendGroup();
    EXPECT_EQ(layers.Cell(0, 1).Real(), 10.0);
    layers.Cell(1, 1).SetReal(25);
    layers.AppendGroup();
    layers.Cell(0, 2).SetReal(26);  // moving a top moves the bottom above
    EXPECT_EQ(layers.Cell(1, 1).Real(), 26.0);
    layers.Cell(1, 0).SetReal(12);  // moving a bottom moves the top below
    EXPECT_EQ(layers.Cell(0, 1).Real(), 12.0);
}

TEST(GridUnits, SwitchingConvertsRealColumnsAndSubTables) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(1);
    soil.layers->Cell(1, 0).SetReal(10);  // ft
    TGridTable* clay = soil.layers->Cell(2, 0).SubTable();
    clay->Cell(0, 0).SetReal(120);  // lb/ft^3
    clay->Cell(2, 0).SetReal(0.01);  // E50, no unit

    soil.layers->SwitchUnits(torvex::kSI);
    EXPECT_EQ(soil.layers->Units(), 2);
    EXPECT_EQ(clay->Units(), 2);
    EXPECT_EQ(clay->Cell(0, 0).Text(), QStringLiteral("18.850497"));
    EXPECT_EQ(soil.layers->Cell(1, 0).Text(), QStringLiteral("3.048"));
    EXPECT_EQ(clay->Cell(2, 0).Real(), 0.01);
    EXPECT_EQ(clay->Column(0)->HeaderLine(1), QStringLiteral("Weight, (kN/m^3)  "));
    EXPECT_EQ(clay->Column(0)->HeaderLine(0), QStringLiteral("Total Unit"));

    // A sub-table made now starts in its owner's units.
    soil.layers->AppendGroup();
    EXPECT_EQ(soil.layers->Cell(2, 1).SubTable()->Units(), 2);

    soil.layers->SwitchUnits(torvex::kOtherUnits);
    EXPECT_EQ(clay->Cell(0, 0).Text(), QStringLiteral("18.850497"));
    EXPECT_EQ(clay->Column(0)->HeaderLine(1), QStringLiteral("Weight, (F/L^3)  "));
    soil.layers->SwitchUnits(torvex::kSI);
    EXPECT_EQ(clay->Cell(0, 0).Text(), QStringLiteral("18.850497"));
    soil.layers->SwitchUnits(torvex::kEnglish);
    EXPECT_NEAR(clay->Cell(0, 0).Real(), 120.0, 1e-9);
    EXPECT_EQ(soil.layers->Cell(1, 0).Text(), QStringLiteral("10"));
}

TEST(GridChanges, MarksIncludeSubTablesAndResetReachesThem) {
    auto soil = MakeSoilTables();
    soil.layers->SetRowCount(2);
    EXPECT_FALSE(soil.layers->IsChanged());
    soil.layers->Cell(2, 1).SubTable()->SetChanged();
    EXPECT_TRUE(soil.layers->IsChanged());
    soil.layers->ResetChanged();
    EXPECT_FALSE(soil.layers->IsChanged());
    EXPECT_FALSE(soil.layers->Cell(2, 1).SubTable()->IsChanged());
}

TEST(GridRegistry, IdentifiersStayUnique) {
    TGridTable a, b, c;
    EXPECT_NE(a.Identifier(), b.Identifier());
    EXPECT_GE(a.Identifier(), 0);
    a.SetIdentifier(501);
    const int bBefore = b.Identifier();
    b.SetIdentifier(501);  // a takes b's previous identifier
    EXPECT_EQ(b.Identifier(), 501);
    EXPECT_EQ(a.Identifier(), bBefore);
    c.SetIdentifier(-7);  // ignored
    EXPECT_GE(c.Identifier(), 0);
    EXPECT_EQ(a.FindTable(501), &b);
    EXPECT_EQ(a.FindTable(-1), nullptr);
    EXPECT_TRUE(TGridTable::GridTables().contains(&c));
    {
        TGridTable d;
        EXPECT_TRUE(TGridTable::GridTables().contains(&d));
    }
    EXPECT_EQ(TGridTable::GridTables().size(), QSet<TGridTable*>(TGridTable::GridTables().begin(), TGridTable::GridTables().end()).size());
}

// ---------------------------------------------------------------- definitions

TEST(GridDefinition, RoundTripKeepsKindsAndSettings) {
    auto soil = MakeSoilTables();
    auto sections = MakeSections();
    auto* text = sections->Add<TStringColumn>(QStringList{"Remark", "line \"2\""}, "n/a", 1.25);
    text->Visible = false;

    for (TGridTable* source : {sections.get(), soil.layers.get(), soil.clay.get()}) {
        const QString written = source->WriteDefinition();
        EXPECT_TRUE(written.contains(QStringLiteral("FLOATCOLUMN2")));
        TGridTable copy;
        copy.ReadDefinition(written);
        EXPECT_EQ(copy.WriteDefinition(), written);
        ASSERT_EQ(copy.ColumnCount(), source->ColumnCount());
        for (int i = 0; i < copy.ColumnCount(); ++i) {
            EXPECT_EQ(copy.Column(i)->Kind(), source->Column(i)->Kind());
            EXPECT_EQ(copy.Column(i)->Captions(), source->Column(i)->Captions());
            EXPECT_EQ(copy.Column(i)->Visible, source->Column(i)->Visible);
        }
    }
    TGridTable copy;
    copy.ReadDefinition(soil.layers->WriteDefinition());
    EXPECT_TRUE(soil.layers->WriteDefinition().contains(QStringLiteral("FLEXCOLUMN2")));
    EXPECT_EQ(static_cast<TTableColumn*>(copy.Column(2))->Templates(), (QList<int>{18, 18, 18, 17, 29, 30, 31}));
    EXPECT_EQ(static_cast<TEnumColumn*>(copy.Column(0))->Items().size(), 7);
    TGridTable copy2;
    copy2.ReadDefinition(sections->WriteDefinition());
    auto* integer = static_cast<TIntColumn*>(copy2.Column(1));
    EXPECT_EQ(integer->DefaultValue(), 1);
    EXPECT_EQ(integer->Highest(), 2147483647);
    auto* real = static_cast<TFloatColumn*>(copy2.Column(3));
    EXPECT_EQ(real->UnitCode(), QStringLiteral("F-L^2"));
    auto* remark = static_cast<TStringColumn*>(copy2.Column(4));
    EXPECT_EQ(remark->DefaultText(), QStringLiteral("n/a"));
    EXPECT_EQ(remark->WidthInches(), 1.25);
    EXPECT_FALSE(remark->Visible);
}

TEST(GridDefinition, ReadsTheOlderRealAndTableForms) {
    auto soil = MakeSoilTables();  // puts tables in the registry
    const QString older =
        "Integer 3\n"
        "Integer 0\nList\n String \"Kind\"\nEnd\nBoolean True\nBoolean False\nList\n String \"A\"\n String \"B\"\nEnd\n"
        "Integer 2\nList\n String \"Depth\"\nEnd\nBoolean True\nBoolean False\nBoolean False\nString \"L2\"\n"
        "Integer 3\nList\n String \"Edit\"\nEnd\nBoolean True\nBoolean False\nString \"\"\nInteger 0\n";
    TGridTable numbered;
    numbered.ReadDefinition(older);
    auto* real = static_cast<TFloatColumn*>(numbered.Column(1));
    EXPECT_EQ(real->UnitCode(), QStringLiteral("L2"));
    EXPECT_EQ(real->DefaultValue(), 0.0);
    // After a choice: the item numbers as identifiers.
    EXPECT_EQ(static_cast<TTableColumn*>(numbered.Column(2))->Templates(), (QList<int>{1, 2}));

    const int position = int(TGridTable::GridTables().indexOf(soil.sand.get()));
    TGridTable hardwired;
    hardwired.HardwiredButton = true;
    hardwired.ReadDefinition(QString(older).replace("Integer 0\n", QStringLiteral("Integer %1\n").arg(position)).replace(
        QStringLiteral("Integer %1\nList\n String \"Kind\"").arg(position), "Integer 0\nList\n String \"Kind\""));
    EXPECT_EQ(static_cast<TTableColumn*>(hardwired.Column(2))->Templates(), (QList<int>{17, 17}));

    // Without a choice column before it: the template's position in the registry.
    TGridTable single;
    single.ReadDefinition(QStringLiteral("Integer 1\nInteger 3\nList\n String \"Curve\"\nEnd\nBoolean True\n"
                                         "Boolean False\nString \"x\"\nInteger %1\n")
                              .arg(position));
    EXPECT_EQ(static_cast<TTableColumn*>(single.Column(0))->Templates(), (QList<int>{17}));
}

TEST(GridDefinition, DamagedDefinitionsRaiseTheirMessages) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "Error reading column count"},
        {"String \"2\"\n", "Error reading column count"},
        {"Integer 1\nInteger 9\n", "Error Column Class not defined"},
        {"Integer 2\nInteger 1\nList\nEnd\nBoolean True\nBoolean False\nInteger 0\nInteger 0\nInteger 5\n"
         "Integer 2\nList\nEnd\nBoolean Yes\n",
         "Error occured when creating column 1: "},
        {"Integer 1\nInteger 4\nList\nEnd\nBoolean True\nBoolean False\nString \"x\"\n",
         "Error occured when creating column 0: "},
        {"Integer 1\nInteger 2\nList\nEnd\nBoolean True\nBoolean False\nBoolean True\nString \"FLOATCOLUMN2\"\n"
         "String \"L\"\nExtended 0\n",
         "If column if a topdepth then the next column must be a float column"},
    };
    for (const auto& c : cases) {
        TGridTable table;
        try {
            table.ReadDefinition(QString::fromLatin1(c.text));
            ADD_FAILURE() << c.text << " was read";
        } catch (const EDefinitionError& e) {
            EXPECT_TRUE(e.message().startsWith(QString::fromLatin1(c.message))) << e.message().toStdString();
        }
    }
}

}  // namespace
