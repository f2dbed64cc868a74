// TResultGraphs: the result graphs of the main window, their Graphics-menu
// items and toolbar buttons, and the flag that says whether the last load of
// the plot data file succeeded. The main window owns one and plugs its
// actions into its menu bar and toolbar.
#pragma once

#include "graphs/graph_plot.h"
#include "graphs/plot_loader.h"

#include <QList>
#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QWidget;

class TResultGraphs : public QObject {
    Q_OBJECT

public:
    explicit TResultGraphs(QObject* parent = nullptr);

    // The graphs, with their design-time captions, units and options.
    TGraphPlot* const pltLD;       // earth pressure, one curve per problem
    TGraphPlot* const PltCombine;  // total, soil and surcharge pressure of the first problem
    TGraphPlot* const pltPY;       // p-y curves of the last problem
    TGraphPlot* const pltDef;
    TGraphPlot* const pltMom;
    TGraphPlot* const pltShear;
    TGraphPlot* const pltSoil;
    TGraphPlot* const pltDMS;      // deflection, moment and shear in three panels, soil column
    QList<TGraphPlot*> All() const;

    // Graphics-menu items; each shows its graph's window.
    QAction* const Comppy;
    QAction* const CompDef;
    QAction* const CompMom;
    QAction* const CompShear;
    QAction* const CompSoil;
    QAction* const DefMomShear;
    QAction* const CompLD;
    QAction* const CompCombine;
    QAction* const ExportExcel;  // unavailable until an export handler is set
    QList<QAction*> GraphicsMenuItems() const;
    // A "&Graphics" menu holding the items; it runs GraphicsMenuClick as it opens.
    QMenu* BuildGraphicsMenu(QWidget* parent);

    // Graph toolbar buttons, in toolbar order: p-y curves, deflection, moment,
    // shear, soil reaction, the combined deflection-moment-shear graph, pressure.
    QList<QAction*> ToolbarButtons() const { return toolbar_; }

    // Where graph windows open; without an area they are windows of their own.
    void SetMdiArea(QMdiArea* area) { mdiArea_ = area; }
    // The current project's plot data file name (it need not exist).
    void SetPlotFileSource(std::function<QString()> source) { plotFile_ = std::move(source); }
    QString CurrentPlotFile() const { return plotFile_ ? plotFile_() : QString(); }
    void SetExportHandler(std::function<void()> handler) { export_ = std::move(handler); }

    bool ResultsLoaded() const { return resultsLoaded_; }
    // For a host that keeps the flag itself (a new project clears it).
    void SetResultsLoaded(bool loaded) { resultsLoaded_ = loaded; }
    // Loads a plot data file and records the outcome in ResultsLoaded.
    bool Load(const QString& plotFile, bool showMessages, const torvex::graphs::TPlotProject& project,
              QWidget* messageParent = nullptr);
    // After a run (messages on) and after opening a project (messages off):
    // loads only when the plot data file exists; then refreshes the toolbar.
    void LoadAfterRun(const QString& plotFile, const torvex::graphs::TPlotProject& project, QWidget* messageParent);
    void LoadAfterOpen(const QString& plotFile, const torvex::graphs::TPlotProject& project);

    // Enabling of the Graphics menu, run as it opens; RefreshToolbar applies
    // the same rules to the toolbar buttons.
    void GraphicsMenuClick();
    void RefreshToolbar();
    void CloseWindows();

private:
    QAction* MakeItem(const char* text, TGraphPlot* graph);
    QAction* MakeButton(const char* hint, TGraphPlot* graph, int glyph);
    bool ResultsAvailable() const;

    QList<QAction*> toolbar_;
    QPointer<QMdiArea> mdiArea_;
    std::function<QString()> plotFile_;
    std::function<void()> export_;
    bool resultsLoaded_ = false;
};
