// Graph arithmetic: auto-range, tick steps, data-pixel mapping, layout,
// markers and the zoom rules.
#include "graphs/plot_geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace torvex::graphs;

namespace {

void AddCurve(TGraphPlot& plot, std::initializer_list<TFloatPoint> points) {
    TLine& line = plot.Curves.Add();
    line.Points.assign(points.begin(), points.end());
}

TEST(PlotAutoRange, AllZeroOrNoPointsGiveAHundredthEachWay) {
    TGraphPlot zeros;
    AddCurve(zeros, {{0, 0}, {0, 0}, {0, 0}});
    TGraphPlot empty;
    for (const TGraphPlot* plot : {&zeros, &empty}) {
        bool ok = false;
        const TPlotRange r = AutoRange(plot->Curves, &ok);
        EXPECT_TRUE(ok);
        EXPECT_NEAR(static_cast<double>(r.Xmin), -0.01, 1e-15);
        EXPECT_NEAR(static_cast<double>(r.Xmax), 0.01, 1e-15);
        EXPECT_NEAR(static_cast<double>(r.Ymin), -0.01, 1e-15);
        EXPECT_NEAR(static_cast<double>(r.Ymax), 0.01, 1e-15);
    }
}

TEST(PlotAutoRange, RoundsOutwardsToStepsAndAlwaysContainsZero) {
    const struct {
        long double lo, hi;        // data extremes on X (Y runs 1 .. 21)
        double wantMin, wantMax;   // X range
    } cases[] = {
        {0.0113L, 0.369L, 0, 0.4},         // span 0.369: step 0.1
        {-2058, 1891, -3000, 2000},        // span 3949: step 1000
        {3, 250, 0, 250},                  // span 250, mantissa below 3: step 10
        {-0.65L, -0.05L, -0.7, 0},          // all negative: the range still reaches 0
    };
    for (const auto& c : cases) {
        TGraphPlot plot;
        AddCurve(plot, {{c.lo, 1}, {c.hi, 21}});
        const TPlotRange r = AutoRange(plot.Curves);
        EXPECT_NEAR(static_cast<double>(r.Xmin), c.wantMin, 1e-12) << static_cast<double>(c.hi);
        EXPECT_NEAR(static_cast<double>(r.Xmax), c.wantMax, 1e-12) << static_cast<double>(c.hi);
        EXPECT_NEAR(static_cast<double>(r.Ymin), 0, 1e-12);  // span 21: step 1
        EXPECT_NEAR(static_cast<double>(r.Ymax), 21, 1e-12);
    }
}

TEST(PlotAutoRange, CountsHiddenCurvesAndRefusesNonFiniteSpans) {
    TGraphPlot plot;
    AddCurve(plot, {{0, 0}, {1, 1}});
    AddCurve(plot, {{0, 0}, {50, 1}});
    plot.Curves[1].Visible = false;
    plot.Curves[1].Active = false;
    EXPECT_NEAR(static_cast<double>(AutoRange(plot.Curves).Xmax), 50, 1e-12);

    AddCurve(plot, {{0, std::numeric_limits<long double>::infinity()}});
    bool ok = true;
    AutoRange(plot.Curves, &ok);
    EXPECT_FALSE(ok);
}

TEST(PlotTickSteps, MajorStepIsOneTwoFiveOrTenTimesItsPowerOfTen) {
    const std::pair<double, double> cases[] = {{1.5, 1},  {2, 2},      {4.9, 2},     {5, 5},
                                               {8.9, 5},  {9.5, 10},   {0.03, 0.02}, {700, 500}};
    for (const auto& [raw, major] : cases) EXPECT_NEAR(static_cast<double>(MajorStep(raw)), major, 1e-12) << raw;
}

TEST(PlotTickSteps, IndicesRunFromMinToMaxInMinorSteps) {
    // 600 pixels with u = 14: 7 intervals of 3 ft, major 2, minor 0.4.
    TickAxis depth = TickSteps(0, 21, 600, 14);
    EXPECT_NEAR(static_cast<double>(depth.minor), 0.4, 1e-12);
    EXPECT_EQ(depth.first, 0);
    EXPECT_EQ(depth.last, 52);
    EXPECT_TRUE(depth.drawn());

    TickAxis shear = TickSteps(-3000, 2000, 500, 14);
    EXPECT_NEAR(static_cast<double>(shear.minor), 200, 1e-9);
    EXPECT_EQ(shear.first, -15);
    EXPECT_EQ(shear.last, 10);

    // After a zoom away from 0 the run still starts at 0; the drawing skips
    // the ticks outside the panel.
    TickAxis zoomed = TickSteps(5, 6.01L, 600, 14);
    EXPECT_NEAR(static_cast<double>(zoomed.minor), 0.02, 1e-12);
    EXPECT_EQ(zoomed.first, 0);
    EXPECT_EQ(zoomed.last, 300);

    EXPECT_FALSE(TickSteps(0, 21, 6 * 14 - 1, 14).drawn());  // less than 6u: no ticks
}

TEST(PlotMapping, DataToPixelAndBack) {
    const TPlotRange range{0, 10, 0, 20};
    const PixelRect area{100, 50, 600, 450};
    EXPECT_EQ(DataToPixel(range, area, true, 2.5L, 5), QPoint(225, 150));
    EXPECT_EQ(DataToPixel(range, area, false, 2.5L, 5), QPoint(225, 350));
    EXPECT_EQ(DataToPixel(range, area, true, 0, 0), QPoint(100, 50));
    EXPECT_EQ(DataToPixel(range, area, false, 10, 20), QPoint(600, 50));

    for (bool xOnTop : {true, false}) {
        const TFloatPoint p = PixelToData(range, area, xOnTop, 225, xOnTop ? 150 : 350);
        EXPECT_NEAR(static_cast<double>(p.X), 2.5, 1e-12);
        EXPECT_NEAR(static_cast<double>(p.Y), 5, 1e-12);
        for (int px = area.left; px <= area.right; px += 37) {
            for (int py = area.top; py <= area.bottom; py += 41) {
                const TFloatPoint d = PixelToData(range, area, xOnTop, px, py);
                EXPECT_EQ(DataToPixel(range, area, xOnTop, d.X, d.Y), QPoint(px, py));
            }
        }
    }
    // Left or right of the area reads as the origin.
    const TFloatPoint outside = PixelToData(range, area, true, 99, 200);
    EXPECT_EQ(outside.X, 0);
    EXPECT_EQ(outside.Y, 0);
    EXPECT_EQ(PixelToData(range, area, true, 601, 200).X, 0);
}

TEST(PlotLayout, PanelsAndSoilColumnShareTheScreenWithoutOverlap) {
    LayoutOptions options;
    options.showLayers = true;
    options.showThree = true;
    options.titleShown = true;
    options.titleOnTop = true;
    options.soilColumnWidth = 96;
    const int u = TextUnit(14, 10);
    const TPlotLayout l = ScreenLayout(800, 600, 96, 96, u, options);
    EXPECT_EQ(l.plot.left, 41);     // 2u + dpi/8 + u/8
    EXPECT_EQ(l.plot.top, 41 + 15); // lowered for the title
    EXPECT_EQ(l.plot.bottom, 569);
    EXPECT_EQ(l.soil.left, l.plot.right + 96 / 5);
    EXPECT_EQ(l.soil.right, 769);
    EXPECT_EQ(l.panels[0].left, l.plot.left);
    EXPECT_EQ(l.panels[2].right, l.plot.right);
    EXPECT_EQ(l.panels[0].width(), l.panels[1].width());
    EXPECT_EQ(l.panels[1].left - l.panels[0].right, 2 * u + 96 / 4);
    EXPECT_EQ(l.panels[2].left - l.panels[1].right, 2 * u + 96 / 4);
    EXPECT_GE(l.panels[2].width(), l.panels[0].width());

    options = {};
    options.xOnTop = false;
    const TPlotLayout below = ScreenLayout(800, 600, 96, 96, u, options);
    EXPECT_EQ(below.plot.top, 7 + 24);  // u/2 + dpi/4: room for tick labels only
    EXPECT_EQ(below.plot.bottom, 600 - 28 - 12 - 1);
}

TEST(PlotMarkers, ShapeRepeatsEveryTenCurvesAndStandsAsStated) {
    EXPECT_EQ(MarkerShape(0), 1);
    EXPECT_EQ(MarkerShape(9), 10);
    EXPECT_EQ(MarkerShape(10), 1);
    EXPECT_EQ(MarkerShape(23), 4);
    const QPointF c(50, 50);
    for (int shape = 1; shape <= 10; ++shape) {
        const QPolygonF p = MarkerPolygon(shape, c, 3, 4);
        EXPECT_EQ(p.size(), shape <= 2 ? shape + 2 : shape) << shape;
        for (const QPointF& v : p) EXPECT_NEAR(std::hypot((v.x() - 50) / 3, (v.y() - 50) / 4), 1.0, 1e-9);
    }
    const QPolygonF down = MarkerPolygon(1, c, 3, 4);
    EXPECT_NEAR(down[0].x(), 50, 1e-9);
    EXPECT_NEAR(down[0].y(), 54, 1e-9);  // vertex pointing down
    const QPolygonF up = MarkerPolygon(5, c, 3, 4);
    EXPECT_NEAR(up[0].y(), 46, 1e-9);    // n-gons stand on a vertex up
    const QPolygonF square = MarkerPolygon(2, c, 3, 4);
    EXPECT_NEAR(square[0].y(), square[3].y(), 1e-9);  // a side on top

    std::vector<int> marked;
    for (int j = 0; j < 10; ++j)
        if (HasMarker(j, 3)) marked.push_back(j);
    EXPECT_EQ(marked, (std::vector<int>{0, 3, 6, 9}));
    EXPECT_FALSE(HasMarker(0, 0));
}

TEST(PlotZoom, NarrowBandGivesOneTwentiethOfTheFullSpanInsideTheFullRange) {
    const TPlotRange full{0, 100, -20, 20};
    const TPlotRange inner = ZoomToBand(full, {40, 5}, {42, -5});
    EXPECT_NEAR(static_cast<double>(inner.Xmax - inner.Xmin), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(inner.Xmin), 38.5, 1e-12);  // centred on the selection
    EXPECT_NEAR(static_cast<double>(inner.Ymin), -5, 1e-12);    // wide enough: kept
    EXPECT_NEAR(static_cast<double>(inner.Ymax), 5, 1e-12);

    const TPlotRange edge = ZoomToBand(full, {99.9L, 19.99L}, {99.5L, 19.9L});
    EXPECT_NEAR(static_cast<double>(edge.Xmin), 95, 1e-12);  // shifted back inside
    EXPECT_NEAR(static_cast<double>(edge.Xmax), 100, 1e-12);
    EXPECT_NEAR(static_cast<double>(edge.Ymax), 20, 1e-12);
    EXPECT_NEAR(static_cast<double>(edge.Ymin), 18, 1e-12);
}

TEST(PlotZoom, RightClicksDoubleTheSpanAndEndAtTheFullRange) {
    const TPlotRange full{-3000, 2000, 0, 21};
    TPlotRange r{100, 200, 5, 6};
    r = ZoomOutAt(r, full, {150, 5.5L});
    EXPECT_NEAR(static_cast<double>(r.Xmin), 50, 1e-9);
    EXPECT_NEAR(static_cast<double>(r.Xmax), 250, 1e-9);
    // Near an edge the window is pushed back inside the full range.
    r = ZoomOutAt(r, full, {-2990, 0.2L});
    EXPECT_NEAR(static_cast<double>(r.Xmin), -3000, 1e-9);
    EXPECT_NEAR(static_cast<double>(r.Ymin), 0, 1e-12);
    for (int i = 0; i < 20; ++i) r = ZoomOutAt(r, full, {1234, 17});
    EXPECT_EQ(r.Xmin, full.Xmin);
    EXPECT_EQ(r.Xmax, full.Xmax);
    EXPECT_EQ(r.Ymin, full.Ymin);
    EXPECT_EQ(r.Ymax, full.Ymax);
}

}  // namespace
