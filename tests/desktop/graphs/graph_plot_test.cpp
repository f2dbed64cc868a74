// The non-visual graph: curve names, resizing, unit letters and colours.
#include "graphs/graph_plot.h"

#include <gtest/gtest.h>

using namespace torvex::graphs;

namespace {

TEST(GraphCurveName, PrefersNameThenLineNamesThenCurveNameAndValue) {
    TGraphPlot plot;
    plot.CurveName = "Load #";
    plot.Curves.SetCount(3);
    EXPECT_EQ(plot.DisplayName(0), "Load #1");
    EXPECT_EQ(plot.DisplayName(2), "Load #3");

    plot.LineNames = {"first", "second"};
    EXPECT_EQ(plot.DisplayName(1), "second");
    EXPECT_EQ(plot.DisplayName(2), "Load #3");  // list too short for index 2

    plot.Curves[1].Name = "explicit";
    EXPECT_EQ(plot.DisplayName(1), "explicit");

    plot.CurveName = "Depth";
    plot.LineNames.clear();
    plot.Curves[2].Value = 12.5L;
    EXPECT_EQ(plot.DisplayName(2), "Depth12.5");
    plot.Curves[2].Value = 96;
    EXPECT_EQ(plot.DisplayName(2), "Depth96");
}

TEST(GraphCurveList, NewCurvesTakeThePointCountOfTheFirstCurveAndTheirPosition) {
    TGraphPlot plot;
    plot.Curves.SetCount(1);
    EXPECT_EQ(plot.Curves[0].Count(), 0);
    plot.Curves[0].SetCount(4);
    plot.Curves[0].Points[3] = {7, 8};

    plot.Curves.SetCount(3);
    EXPECT_EQ(plot.Curves[1].Count(), 4);
    EXPECT_EQ(plot.Curves[2].Value, 3);
    EXPECT_EQ(plot.Curves[2].Points[3].X, 0);  // appended points are at (0, 0)

    // Lists other than Curves follow Curves' first curve as well.
    plot.Curves2.SetCount(2);
    EXPECT_EQ(plot.Curves2[1].Count(), 4);
    EXPECT_EQ(plot.Curves2[1].Value, 2);

    plot.Curves.SetCount(1);  // frees from the end
    EXPECT_EQ(plot.Curves.Count(), 1);
    EXPECT_EQ(plot.Curves[0].Points[3].Y, 8);
    plot.Curves.SetCount(-2);
    EXPECT_TRUE(plot.Curves.IsEmpty());
}

TEST(GraphCurveList, ResizingPointsKeepsTheFrontAndAppliesToEveryCurve) {
    TGraphPlot plot;
    plot.Curves.SetCount(2);
    plot.Curves.SetPointCount(3);
    plot.Curves[0].Points[0] = {1, 2};
    plot.Curves.SetPointCount(5);
    EXPECT_EQ(plot.Curves[0].Count(), 5);
    EXPECT_EQ(plot.Curves[1].Count(), 5);
    EXPECT_EQ(plot.Curves[0].Points[0].X, 1);
    plot.Curves[1].SetCount(-1);
    EXPECT_EQ(plot.Curves[1].Count(), 0);
    EXPECT_TRUE(plot.Curves.HasDrawableData());  // the first curve decides
    plot.Curves[0].SetCount(1);
    EXPECT_FALSE(plot.Curves.HasDrawableData());  // one point is not a curve
}

TEST(GraphUnits, SetterClampsToTheThreeSystems) {
    TGraphPlot plot;
    for (const auto& [given, kept] : {std::pair{0, 1}, {-4, 1}, {1, 1}, {2, 2}, {3, 3}, {9, 3}}) {
        plot.SetUnits(given);
        EXPECT_EQ(plot.Units(), kept) << given;
    }
}

TEST(GraphUnitLetters, ReplacesNumberedSymbolsBeforePlainLetters) {
    const struct {
        const char* text;
        int units;
        const char* shown;
    } cases[] = {
        {"F/L", 1, "lbs/in"},      {"F/L", 2, "kN/m"},       {"F/L2^3", 1, "lbs/ft^3"}, {"F/L2^3", 2, "kN/m^3"},
        {"F1-L2", 1, "kips-ft"},   {"F2", 1, "tons"},        {"F2", 2, "kN"},           {"L1", 2, "mm"},
        {"L1", 1, "in"},           {"L", 1, "in"},           {"F/L", 3, "F/L"},         {"", 2, ""},
        // Only the first kind found is replaced: "F2" wins, the plain "F" stays.
        {"F2/F", 1, "tons/F"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceUnitLetters(c.text, c.units), c.shown) << c.text << " " << c.units;
}

TEST(GraphAxisText, AddsUnitsInParenthesesOnlyWhenSet) {
    TGraphPlot plot;
    plot.XCaption = "Distributed load";
    plot.XUnits = "F/L";
    plot.YCaption = "Depth (ft)";
    plot.SetUnits(2);
    EXPECT_EQ(plot.XAxisText(1), "Distributed load (kN/m)");
    EXPECT_EQ(plot.YAxisText(1), "Depth (ft)");
    plot.XCaption3 = "Shear (kN)";
    EXPECT_EQ(plot.XAxisText(3), "Shear (kN)");
}

TEST(GraphColours, SequenceOfSeventeenRepeats) {
    EXPECT_EQ(CurveColor(0), QColor(0, 0, 0));
    EXPECT_EQ(CurveColor(1), QColor(0, 0, 255));
    EXPECT_EQ(CurveColor(2), QColor(255, 0, 0));
    EXPECT_EQ(CurveColor(11), QColor(0, 255, 0));
    EXPECT_EQ(CurveColor(16), QColor(0, 255, 255));
    EXPECT_EQ(CurveColor(17), CurveColor(0));
    EXPECT_EQ(CurveColor(18), CurveColor(1));
}

}  // namespace
