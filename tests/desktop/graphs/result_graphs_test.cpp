// The Graphics menu and the graph toolbar buttons: which are available after
// which load, and what choosing one opens.
#include "graphs/graph_texts.h"
#include "graphs/plot_form.h"
#include "graphs/result_graphs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torvex::graphs;

namespace {

QString Fixture(const char* name) { return QStringLiteral(TORVEX_TEST_DATA "/plot/") + QString::fromUtf8(name); }

class GraphicsMenu : public ::testing::Test {
protected:
    // Loads a fixture as the current project's plot file.
    bool Load(const char* name, bool keepFile = true) {
        plotFile = dir.filePath("wall.tx5p");
        QFile::remove(plotFile);
        QFile::copy(Fixture(name), plotFile);
        graphs.SetPlotFileSource([this] { return plotFile; });
        TPlotProject project;
        project.Units = 2;
        const bool ok = graphs.Load(plotFile, false, project);
        if (!keepFile) QFile::remove(plotFile);
        graphs.GraphicsMenuClick();
        graphs.RefreshToolbar();
        return ok;
    }
    // Enabled state of the items in menu order, and of the toolbar buttons.
    std::vector<bool> Items() const {
        std::vector<bool> on;
        for (const QAction* a : graphs.GraphicsMenuItems()) on.push_back(a->isEnabled());
        return on;
    }
    std::vector<bool> Buttons() const {
        std::vector<bool> on;
        for (const QAction* a : graphs.ToolbarButtons()) on.push_back(a->isEnabled());
        return on;
    }

    QTemporaryDir dir;
    QString plotFile;
    TResultGraphs graphs;
};

using Flags = std::vector<bool>;
// Menu order: p-y, deflection, moment, shear, reaction, combined three, pressure, pressure combined, export.
// Toolbar order: p-y, deflection, moment, shear, reaction, combined three, pressure.

TEST_F(GraphicsMenu, NothingIsAvailableBeforeResultsAreLoaded) {
    graphs.GraphicsMenuClick();
    EXPECT_EQ(Items(), Flags(9, false));
    EXPECT_EQ(Buttons(), Flags(7, false));
}

TEST_F(GraphicsMenu, ALoadedFileWithEveryGraphEnablesAllButTheMissingExport) {
    ASSERT_TRUE(Load("pair_si.tx5p"));
    EXPECT_EQ(Items(), (Flags{true, true, true, true, true, true, true, true, false}));
    EXPECT_EQ(Buttons(), Flags(7, true));
    graphs.SetExportHandler([] {});
    graphs.GraphicsMenuClick();
    EXPECT_TRUE(graphs.ExportExcel->isEnabled());
}

TEST_F(GraphicsMenu, GraphsWithoutDataStayUnavailable) {
    // No result sets and no p-y curves: only the combined pressure, which
    // has no data rule of its own, remains.
    ASSERT_TRUE(Load("zero_sets.tx5p"));
    EXPECT_TRUE(graphs.ResultsLoaded());
    EXPECT_EQ(Items(), (Flags{false, false, false, false, false, false, false, true, false}));
    EXPECT_EQ(Buttons(), Flags(7, false));
}

TEST_F(GraphicsMenu, AFailedLoadOrAMissingPlotFileDisablesEverything) {
    ASSERT_FALSE(Load("truncated.tx5p"));
    EXPECT_EQ(Items(), Flags(9, false));
    EXPECT_EQ(Buttons(), Flags(7, false));

    ASSERT_TRUE(Load("pair_si.tx5p", /*keepFile=*/false));
    EXPECT_EQ(Items(), Flags(9, false));
    EXPECT_EQ(Buttons(), Flags(7, false));
}

TEST_F(GraphicsMenu, LoadingAfterOpenOrRunNeedsTheFileAndOnlyTheRunSpeaks) {
    TPlotProject project;
    graphs.LoadAfterOpen(dir.filePath("absent.tx5p"), project);
    EXPECT_FALSE(graphs.ResultsLoaded());
    graphs.LoadAfterOpen(Fixture("single_english.tx5p"), project);
    EXPECT_TRUE(graphs.ResultsLoaded());
    graphs.LoadAfterRun(dir.filePath("absent.tx5p"), project, nullptr);
    EXPECT_TRUE(graphs.ResultsLoaded());  // nothing to load: the flag stays
}

TEST_F(GraphicsMenu, MenuOpensAndItemsShowTheirGraphs) {
    ASSERT_TRUE(Load("pair_si.tx5p"));
    QWidget host;
    QMenu* menu = graphs.BuildGraphicsMenu(&host);
    EXPECT_EQ(menu->title(), "&Graphics");
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"p-&y Curves", "&Deflection vs Depth", "&Moment vs Depth", "&Shear vs Depth",
                                  "&Reaction vs Depth", "&Deflection, Moment and Shear", "Earth &Pressure Distribution",
                                  "Earth Pressure Combined", "Export Plots To Excel"}));
    QMdiArea area;
    area.resize(1000, 700);
    graphs.SetMdiArea(&area);
    graphs.DefMomShear->trigger();
    ASSERT_NE(graphs.pltDMS->Form(), nullptr);
    EXPECT_EQ(area.subWindowList().size(), 1);
    graphs.ToolbarButtons()[1]->trigger();
    EXPECT_NE(graphs.pltDef->Form(), nullptr);
    EXPECT_EQ(graphs.ToolbarButtons()[5]->toolTip(), "Soil-Reaction Diagram");
    EXPECT_EQ(area.subWindowList().size(), 2);
    graphs.CloseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(graphs.pltDMS->Form(), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());

    QFile::remove(plotFile);
    emit menu->aboutToShow();  // runs the enabling rules
    EXPECT_FALSE(graphs.CompDef->isEnabled());
    graphs.CompDef->trigger();
    EXPECT_EQ(graphs.pltDef->Form(), nullptr);
}

}  // namespace
