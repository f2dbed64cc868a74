// The graph window driven as a user would: zooming, the Plot menu, the
// legend, and the window's life beside its graph.
#include "graphs/graph_texts.h"
#include "graphs/plot_form.h"
#include "graphs/plot_legend.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace torvex::graphs;

namespace {

// Curve k runs from (x0 + k, 0) to (x0 + k, 10), with points at every unit of depth.
void FillCurves(TGraphPlot& plot, int count, double x0 = 1, double slope = 1) {
    plot.Curves.SetCount(count);
    for (int k = 0; k < count; ++k) {
        TLine& line = plot.Curves[k];
        line.Points.clear();
        for (int j = 0; j <= 10; ++j) line.Points.push_back({x0 + k + slope * j * 0.1L * (k + 1), static_cast<long double>(j)});
    }
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Click(QWidget* w, QPoint press, QPoint release, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, press, button, button);
    SendMouse(w, QEvent::MouseMove, release, Qt::NoButton, button);
    SendMouse(w, QEvent::MouseButtonRelease, release, button, Qt::NoButton);
}

class GraphWindow : public ::testing::Test {
protected:
    void Open(int curves = 3) {
        plot.Caption = "Deflection vs Depth";
        plot.CurveName = "Load #";
        FillCurves(plot, curves);
        form = std::make_unique<TPlotForm>(&plot);
        form->resize(800, 600);
        form->show();
        QApplication::processEvents();
        form->RecomputeLayout(true);
    }
    const PixelRect& Area() const { return form->View().layout.plot; }
    void OpenMenu() { emit form->PlotMenu()->aboutToShow(); }

    TGraphPlot plot;
    std::unique_ptr<TPlotForm> form;
};

bool SameRange(const TPlotRange& a, const TPlotRange& b) {
    return a.Xmin == b.Xmin && a.Xmax == b.Xmax && a.Ymin == b.Ymin && a.Ymax == b.Ymax;
}

TEST_F(GraphWindow, TitleShowsTheDataUnderTheMouseOnceItMoves) {
    Open();
    EXPECT_EQ(form->windowTitle(), "PlotForm");
    const PixelRect& a = Area();
    SendMouse(form.get(), QEvent::MouseMove, QPoint(a.left, a.top), Qt::NoButton, Qt::NoButton);
    const TPlotRange full = form->FullRange();
    EXPECT_EQ(form->windowTitle(), "Deflection vs Depth X: 0 Y: 0");
    // Outside the plot area the position is held at its edge.
    SendMouse(form.get(), QEvent::MouseMove, QPoint(a.right + 50, a.bottom + 50), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form->windowTitle(), "Deflection vs Depth X: 6 Y: 10");
    EXPECT_EQ(static_cast<double>(full.Xmax), 6);
}

TEST_F(GraphWindow, RubberBandOfZeroWidthOrHeightChangesNothing) {
    Open();
    const PixelRect& a = Area();
    const QPoint start(a.left + 100, a.top + 100);
    Click(form.get(), start, QPoint(start.x(), start.y() + 150));
    EXPECT_TRUE(SameRange(form->Range(), form->FullRange()));
    Click(form.get(), start, QPoint(start.x() + 150, start.y()));
    EXPECT_TRUE(SameRange(form->Range(), form->FullRange()));
}

TEST_F(GraphWindow, NarrowRubberBandGivesOneTwentiethOfTheFullSpan) {
    Open();
    const PixelRect& a = Area();
    const TPlotRange full = form->FullRange();
    Click(form.get(), QPoint(a.left + 200, a.top + 50), QPoint(a.left + 202, a.top + 350));
    const TPlotRange r = form->Range();
    EXPECT_NEAR(static_cast<double>((r.Xmax - r.Xmin) / (full.Xmax - full.Xmin)), 0.05, 1e-12);
    const long double yPerPixel = (full.Ymax - full.Ymin) / a.height();
    EXPECT_NEAR(static_cast<double>(r.Ymin), static_cast<double>(full.Ymin + 50 * yPerPixel), 1e-9);
    EXPECT_NEAR(static_cast<double>(r.Ymax), static_cast<double>(full.Ymin + 350 * yPerPixel), 1e-9);
}

TEST_F(GraphWindow, RepeatedRightClicksEndAtTheFullRange) {
    Open();
    const PixelRect& a = Area();
    Click(form.get(), QPoint(a.left + 300, a.top + 100), QPoint(a.left + 320, a.top + 110));
    ASSERT_FALSE(SameRange(form->Range(), form->FullRange()));
    for (int i = 0; i < 12; ++i) {
        const QPoint at(a.left + 10 + 37 * i, a.top + 5 + 23 * i);
        SendMouse(form.get(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        SendMouse(form.get(), QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }
    EXPECT_TRUE(SameRange(form->Range(), form->FullRange()));
}

TEST_F(GraphWindow, ThreePanelsTakeNoRubberBand) {
    plot.ShowThree = true;
    plot.Curves2.SetCount(3);
    plot.Curves3.SetCount(3);
    Open();
    const PixelRect& a = form->View().layout.panels[0];
    Click(form.get(), QPoint(a.left + 10, a.top + 10), QPoint(a.left + 60, a.top + 80));
    EXPECT_TRUE(SameRange(form->Range(), form->FullRange()));
    // Between two panels the position reads as the origin.
    const int gapX = (form->View().layout.panels[0].right + form->View().layout.panels[1].left) / 2;
    SendMouse(form.get(), QEvent::MouseMove, QPoint(gapX, a.top + 40), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form->windowTitle(), "Deflection vs Depth X: 0 Y: 0");
}

TEST_F(GraphWindow, AtMostTwentyCurvesAreActiveUnlessTheLimitIsOff) {
    Open(25);
    EXPECT_EQ(form->Legend()->count(), 20);
    EXPECT_EQ(form->MenuItems().curveItems.size(), 20);
    EXPECT_TRUE(plot.Curves[19].Active);
    EXPECT_FALSE(plot.Curves[20].Active);
    EXPECT_FALSE(plot.Curves[24].Active);
    EXPECT_EQ(form->MenuItems().curveItems[4]->text(), "Load #5");
    EXPECT_EQ(form->MenuItems().curveItems[4]->data().toInt(), 4);

    form.reset();
    plot.LimitCurves = false;
    form = std::make_unique<TPlotForm>(&plot);
    EXPECT_EQ(form->Legend()->count(), 25);
    EXPECT_TRUE(plot.Curves[24].Active);
}

TEST_F(GraphWindow, LegendItemToggleHidesAndShowsTheLegend) {
    Open();
    ASSERT_FALSE(form->Legend()->isHidden());
    OpenMenu();
    EXPECT_TRUE(form->MenuItems().showLegend->isChecked());
    form->MenuItems().showLegend->trigger();
    EXPECT_FALSE(plot.ShowLegend);
    EXPECT_TRUE(form->Legend()->isHidden());
    OpenMenu();
    EXPECT_FALSE(form->MenuItems().showLegend->isChecked());

    // A later window of the same graph keeps the choice and can undo it.
    form = std::make_unique<TPlotForm>(&plot);
    EXPECT_TRUE(form->Legend()->isHidden());
    EXPECT_TRUE(form->MenuItems().showLegend->isVisible());
    form->MenuItems().showLegend->trigger();
    EXPECT_TRUE(plot.ShowLegend);
    EXPECT_FALSE(form->Legend()->isHidden());
}

TEST_F(GraphWindow, SoilLayerAndWallItemsAppearWithTheirLinesAndMoveThePlotArea) {
    Open();
    OpenMenu();
    EXPECT_FALSE(form->MenuItems().showSoilLayer->isVisible());
    EXPECT_FALSE(form->MenuItems().showWallGeometry->isVisible());

    plot.LayerLines.SetCount(4);
    for (int i = 0; i < 4; ++i) {
        plot.LayerLines[i].SetCount(1);
        plot.LayerLines[i].Points[0] = {i < 2 ? 7.0L : 0.0L, 3.0L + 3 * i};
    }
    plot.WallLineCount = 2;
    OpenMenu();
    EXPECT_TRUE(form->MenuItems().showSoilLayer->isVisible());
    EXPECT_TRUE(form->MenuItems().showWallGeometry->isVisible());
    EXPECT_FALSE(form->MenuItems().showWallGeometry->isEnabled());

    const int right = Area().right;
    form->Legend()->move(0, 0);
    form->MenuItems().showSoilLayer->trigger();
    EXPECT_TRUE(plot.ShowLayers);
    EXPECT_EQ(Area().right, right - form->View().dpiX);
    EXPECT_EQ(form->View().layout.soil.left, Area().right + form->View().dpiX / 5);
    // The legend goes back to the plot area's bottom-right corner.
    EXPECT_EQ(form->Legend()->geometry().right() + 1, Area().right);
    EXPECT_EQ(form->Legend()->geometry().bottom() + 1, Area().bottom);

    OpenMenu();
    EXPECT_TRUE(form->MenuItems().showSoilLayer->isChecked());
    EXPECT_TRUE(form->MenuItems().showWallGeometry->isEnabled());
    form->MenuItems().showWallGeometry->trigger();
    EXPECT_TRUE(plot.ShowWall);
    form->MenuItems().showSoilLayer->trigger();
    EXPECT_FALSE(plot.ShowLayers);
    EXPECT_EQ(Area().right, right);
}

TEST_F(GraphWindow, MarkerLineWidthAndCurveItemsSetTheGraph) {
    Open();
    QList<QAction*> markers = form->MenuItems().markerItems();
    ASSERT_EQ(markers.size(), 6);
    markers[3]->trigger();  // "Every &3 Incrments"
    EXPECT_EQ(plot.Markers, 3);
    emit form->MenuItems().markers->aboutToShow();
    for (QAction* a : markers) EXPECT_EQ(a->isChecked(), a->data().toInt() == 3) << a->text().toStdString();
    plot.Markers = 4;  // no item carries 4
    emit form->MenuItems().markers->aboutToShow();
    for (QAction* a : markers) EXPECT_FALSE(a->isChecked());

    QList<QAction*> widths = form->MenuItems().lineWidthItems();
    ASSERT_EQ(widths.size(), 5);
    widths[3]->trigger();
    EXPECT_EQ(plot.WidthLine, 6);

    form->MenuItems().curveItems[1]->trigger();
    EXPECT_FALSE(plot.Curves[1].Visible);
    OpenMenu();
    EXPECT_FALSE(form->MenuItems().curveItems[1]->isChecked());
    EXPECT_TRUE(form->MenuItems().curveItems[0]->isChecked());

    plot.ShowFontWidth = false;
    OpenMenu();
    EXPECT_FALSE(form->MenuItems().fontSize->menuAction()->isVisible());
    EXPECT_FALSE(form->MenuItems().lineWidth->menuAction()->isVisible());
}

TEST_F(GraphWindow, FontSizeItemScalesTheLegendAndTheLayout) {
    Open();
    const int left = Area().left;
    QList<QAction*> sizes = form->MenuItems().fontSizeItems();
    ASSERT_EQ(sizes.size(), 6);
    sizes[2]->trigger();  // "2 * Default"
    EXPECT_EQ(plot.SizeFont, 20);
    EXPECT_EQ(form->Legend()->font().pointSize(), 22);
    EXPECT_EQ(form->Legend()->height(), 3 * form->Legend()->ItemHeight() + 3);
    EXPECT_GT(Area().left, left);  // text unit doubled: more room for the captions
}

TEST_F(GraphWindow, UnavailableCommandsAreShownDisabled) {
    Open();
    const TPlotMenu& m = form->MenuItems();
    for (QAction* a : {m.graphTitle, m.editLegend, m.activeCurves, m.print, m.pageSetup, m.saveToDisk}) {
        EXPECT_TRUE(a->isVisible()) << a->text().toStdString();
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    }
}

TEST_F(GraphWindow, LegendDoubleClickTogglesTheSelectedCurveAndDragStaysInside) {
    Open();
    TPlotLegend* legend = form->Legend();
    QWidget* view = legend->viewport();
    const QPoint item = legend->visualItemRect(legend->item(2)).center();
    SendMouse(view, QEvent::MouseButtonPress, item, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, item, Qt::LeftButton, Qt::NoButton);
    SendMouse(view, QEvent::MouseButtonDblClick, item, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, item, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(plot.Curves[2].Visible);
    EXPECT_TRUE(plot.Curves[1].Visible);

    SendMouse(view, QEvent::MouseButtonPress, item, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, item - QPoint(5000, 5000), Qt::NoButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, item - QPoint(5000, 5000), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(legend->pos(), QPoint(0, 0));
    EXPECT_TRUE(legend->Dragged());
}

// Three curves as vertical strokes at x = 1.3, 2.3 and 3.3, off the grid lines.
class GraphColourSlots : public ::testing::Test {
protected:
    void SetUp() override {
        plot.Curves.SetCount(3);
        for (int k = 0; k < 3; ++k) plot.Curves[k].Points = {{1.3L + k, 0}, {1.3L + k, 10}};
        plot.Markers = 0;
        plot.WidthLine = 3;  // wide enough that the stroke's middle pixel is pure colour
        form = std::make_unique<TPlotForm>(&plot);
        form->resize(800, 600);
        form->RecomputeLayout(true);
    }
    QImage Render() {
        QImage image(800, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        form->Render(painter, image.size(), PlotOutput::Screen);
        return image;
    }
    QRgb At(const QImage& image, long double x) const {
        const TPlotView& v = form->View();
        return image.pixel(DataToPixel(v.range[0], v.layout.plot, true, x, 5.5L));  // between grid lines
    }
    TGraphPlot plot;
    std::unique_ptr<TPlotForm> form;
};

TEST_F(GraphColourSlots, HiddenCurveKeepsItsSlotAndInactiveCurveGivesItUp) {
    QImage image = Render();
    EXPECT_EQ(At(image, 1.3L), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 2.3L), qRgb(0, 0, 255));
    EXPECT_EQ(At(image, 3.3L), qRgb(255, 0, 0));

    plot.Curves[0].Visible = false;
    image = Render();
    EXPECT_EQ(At(image, 1.3L), qRgb(255, 255, 255));
    EXPECT_EQ(At(image, 2.3L), qRgb(0, 0, 255));  // keeps the second colour
    EXPECT_EQ(At(image, 3.3L), qRgb(255, 0, 0));

    plot.Curves[0].Active = false;
    image = Render();
    EXPECT_EQ(At(image, 2.3L), qRgb(0, 0, 0));  // first Active curve: first colour
    EXPECT_EQ(At(image, 3.3L), qRgb(0, 0, 255));
}

TEST_F(GraphColourSlots, ATargetSmallerThanAnInchStaysWhite) {
    QImage image(90, 400, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    form->Render(painter, image.size(), PlotOutput::Bitmap);
    painter.end();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 3) ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST_F(GraphColourSlots, PageAndBitmapTargetsCarryTheLegendInTheImage) {
    auto render = [this](PlotOutput mode) {
        QImage image(800, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        form->Render(painter, image.size(), mode);
        return image;
    };
    auto blueChanges = [](const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y) && qBlue(a.pixel(x, y)) > qRed(a.pixel(x, y)) + 60) ++n;
        return n;
    };
    const QImage screenWith = render(PlotOutput::Screen);
    const QImage bitmapWith = render(PlotOutput::Bitmap);
    plot.ShowLegend = false;
    const QImage screenWithout = render(PlotOutput::Screen);
    const QImage bitmapWithout = render(PlotOutput::Bitmap);
    EXPECT_EQ(screenWith, screenWithout);  // on the screen the legend is a window of its own
    EXPECT_GT(blueChanges(bitmapWith, bitmapWithout), 10);  // "Load #2" in the second colour
}

TEST_F(GraphWindow, SoilColumnWithTheWallLeavesTheExcavationSideOpenAboveTheExcavation) {
    plot.LayerLines.SetCount(3);
    const long double lines[3][2] = {{1, 10}, {0, 8}, {0, 4}};  // clay to 10, wall tip 8, excavation at 4
    for (int i = 0; i < 3; ++i) {
        plot.LayerLines[i].SetCount(1);
        plot.LayerLines[i].Points[0] = {lines[i][0], lines[i][1]};
    }
    plot.WallLineCount = 1;
    plot.ShowLayers = true;
    plot.ShowWall = true;
    Open();
    QImage image(form->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    form->Render(painter, image.size(), PlotOutput::Screen);
    const PixelRect& column = form->View().layout.soil;
    const TPlotView& v = form->View();
    auto depthY = [&](long double depth) { return DataToPixel(v.range[0], v.layout.plot, true, 0, depth).y(); };
    auto ink = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (image.pixel(x, y) == qRgb(0, 0, 0)) ++n;
        return n;
    };
    const int split1 = column.left + column.width() * 2 / 5;
    const int split2 = column.left + column.width() * 3 / 5;
    EXPECT_GT(ink(column.left + 2, split1 - 2, depthY(1), depthY(3)), 20);   // backfill side: clay tile
    EXPECT_EQ(ink(split2 + 2, column.right - 2, depthY(1), depthY(3)), 0);   // excavated side: open
    EXPECT_GT(ink(split2 + 2, column.right - 2, depthY(5), depthY(7)), 20);  // below the excavation: clay
    EXPECT_EQ(image.pixel((split1 + split2) / 2, depthY(6)), qRgb(128, 128, 128));  // the wall
    EXPECT_NE(image.pixel((split1 + split2) / 2, depthY(9)), qRgb(128, 128, 128));  // below its tip
}

TEST(GraphLifecycle, ShowCreatesOneWindowPerGraphAndClosingFreesIt) {
    TGraphPlot plot;
    FillCurves(plot, 2);
    plot.Show();
    TPlotForm* first = plot.Form();
    ASSERT_NE(first, nullptr);
    plot.Show();
    EXPECT_EQ(plot.Form(), first);
    plot.CloseWindow();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(plot.Form(), nullptr);

    // Inside an MDI area the window opens maximised and comes back from an icon.
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    plot.Show(&area);
    auto* sub = qobject_cast<QMdiSubWindow*>(plot.Window());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isMaximized());
    sub->showMinimized();
    plot.Show(&area);
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST(GraphLifecycle, AGraphWhoseRangeCannotBeSteppedOpensNoWindow) {
    TGraphPlot plot;
    plot.Curves.SetCount(1);
    plot.Curves[0].Points = {{0, 0}, {1, std::numeric_limits<long double>::infinity()}};
    plot.Show();
    EXPECT_EQ(plot.Form(), nullptr);
}

TEST(GraphLifecycle, AnOpenWindowSurvivesAReloadWithFewerCurves) {
    TGraphPlot plot;
    FillCurves(plot, 3);
    plot.onGetCaption = [](TGraphPlot*, int curve, QString& caption) {
        if (curve == 1) caption = "renamed";
    };
    TPlotForm form(&plot);
    form.resize(700, 500);
    EXPECT_EQ(form.Legend()->item(1)->text(), "renamed");
    EXPECT_EQ(form.MenuItems().curveItems[1]->text(), "renamed");

    plot.Curves.SetCount(1);  // a new load under the open window
    form.MenuItems().curveItems[2]->trigger();
    emit form.PlotMenu()->aboutToShow();
    EXPECT_FALSE(form.MenuItems().curveItems[2]->isChecked());
    const QImage image = form.grab().toImage();
    EXPECT_FALSE(image.isNull());
}

}  // namespace
