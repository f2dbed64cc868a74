// Every result graph of a few engine runs, saved as pictures for review
// (build folder, screenshots/graphs). The checks are the robust facts a
// picture must show: curves in their colours inside the plot area.
#include "graphs/graph_texts.h"
#include "graphs/plot_form.h"
#include "graphs/plot_legend.h"
#include "graphs/result_graphs.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <memory>
#include <gtest/gtest.h>

using namespace torvex::graphs;

namespace {

QString Fixture(const QString& name) { return QStringLiteral(TORVEX_TEST_DATA "/plot/") + name; }
QString ShotDir() { return QStringLiteral(TORVEX_SHOT_DIR "/graphs"); }

struct Example {
    const char* name;  // plot file without extension
    TPlotProject project;
};

TPlotProject Project(int units, int nextCode, int increments, double incrementLength, double freeHeight,
                     std::vector<TPlotProject::SoilLayer> layers) {
    TPlotProject p;
    p.Units = units;
    p.NextCode = nextCode;
    p.Increments = increments;
    p.IncrementLength = incrementLength;
    p.FreeHeight = freeHeight;
    p.SoilLayers = std::move(layers);
    return p;
}

// The projects behind the plot files (examples/ and the staged and
// long-term variants kept beside the fixtures); layer depths in ft or m.
std::vector<Example> Examples() {
    return {
        {"sand_cantilever", Project(1, 0, 60, 6, 144, {{4, 40}})},
        {"soft_clay_wall", Project(2, 0, 120, 0.1, 4, {{1, 8}, {1, 14}})},
        {"three_stages", Project(2, 0, 120, 0.1, 4, {{1, 8}, {1, 14}})},
        {"long_term", Project(1, 9, 60, 6, 144, {{4, 40}})},
        {"mixed_profile", Project(1, 0, 60, 12, 144, {{4, 20}, {3, 27.5}, {2, 35}, {5, 41.6667}, {7, 75}})},
    };
}

// Pixels of a panel that change when the curves are hidden: curve ink.
int CurveInk(TPlotForm& form, TGraphPlot* graph, int panel) {
    const PixelRect r = PanelRect(*graph, form.View(), panel);
    const QImage with = form.grab().toImage();
    std::vector<bool> visible;
    for (int i = 0; i < graph->Curves.Count(); ++i) {
        visible.push_back(graph->Curves[i].Visible);
        graph->Curves[i].Visible = false;
    }
    const QImage without = form.grab().toImage();
    for (int i = 0; i < graph->Curves.Count(); ++i) graph->Curves[i].Visible = visible[static_cast<std::size_t>(i)];
    int ink = 0;
    for (int y = r.top + 1; y < r.bottom; ++y)
        for (int x = r.left + 1; x < r.right; ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) ++ink;
    return ink;
}

struct Shot {
    std::unique_ptr<TPlotForm> form;
    QImage image;
};

Shot Shoot(TGraphPlot* graph, const QString& file) {
    Shot shot{std::make_unique<TPlotForm>(graph), {}};
    shot.form->resize(1100, 800);
    shot.form->show();
    shot.form->RecomputeLayout(true);
    shot.image = shot.form->grab().toImage();
    shot.image.save(ShotDir() + QLatin1Char('/') + file);
    return shot;
}

TEST(GraphScreenshots, EveryGraphOfEachExampleShowsItsCurves) {
    QDir().mkpath(ShotDir());
    for (const Example& example : Examples()) {
        SCOPED_TRACE(example.name);
        TResultGraphs graphs;
        ASSERT_TRUE(graphs.Load(Fixture(QString::fromUtf8(example.name) + ".tx5p"), false, example.project));
        const struct {
            TGraphPlot* graph;
            const char* tag;
        } shots[] = {{graphs.pltPY, "py"},         {graphs.pltDef, "deflection"}, {graphs.pltMom, "moment"},
                     {graphs.pltShear, "shear"},   {graphs.pltSoil, "reaction"},  {graphs.pltLD, "pressure"},
                     {graphs.PltCombine, "pressure_combined"}, {graphs.pltDMS, "three"}};
        for (const auto& shot : shots) {
            SCOPED_TRACE(shot.tag);
            if (!shot.graph->Curves.HasDrawableData()) continue;
            const QString file = QStringLiteral("%1_%2.png").arg(QString::fromUtf8(example.name), QString::fromUtf8(shot.tag));
            Shot picture = Shoot(shot.graph, file);
            ASSERT_FALSE(picture.image.isNull());
            for (int panel = 0; panel < PanelCount(*shot.graph); ++panel)
                EXPECT_GT(CurveInk(*picture.form, shot.graph, panel), 100) << "panel " << panel;
        }
        // The combined graph with the soil column, without and with the wall.
        graphs.pltDMS->ShowLayers = true;
        Shoot(graphs.pltDMS, QStringLiteral("%1_three_soil.png").arg(QString::fromUtf8(example.name)));
        graphs.pltDMS->ShowWall = true;
        const Shot wall = Shoot(graphs.pltDMS, QStringLiteral("%1_three_wall.png").arg(QString::fromUtf8(example.name)));
        // The wall is drawn in grey in the soil column's middle fifth.
        const PixelRect& column = wall.form->View().layout.soil;
        EXPECT_EQ(wall.image.pixel((column.left + column.right) / 2, column.top + 2), qRgb(128, 128, 128));
    }
}

TEST(GraphScreenshots, LargerTextAndMarkersStayReadable) {
    QDir().mkpath(ShotDir());
    TResultGraphs graphs;
    ASSERT_TRUE(graphs.Load(Fixture("three_stages.tx5p"), false, Examples()[2].project));
    graphs.pltDef->SizeFont = 15;
    graphs.pltDef->Markers = 10;
    graphs.pltDef->GraphTitle = "Three-stage excavation";
    graphs.pltDef->GraphTitleOnTop = true;
    const Shot shot = Shoot(graphs.pltDef, "three_stages_deflection_large.png");
    EXPECT_GT(CurveInk(*shot.form, graphs.pltDef, 0), 100);
    graphs.pltPY->GraphTitle = "Soft clay";
    Shoot(graphs.pltPY, "soft_clay_py_title_below.png");
}

}  // namespace
