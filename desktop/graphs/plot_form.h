// TPlotForm: the window of one result graph. It scales the graph's curves to
// its client area, draws them through the shared paint routine, carries the
// floating legend and the Plot menu, shows the data coordinates under the
// mouse in its title, zooms in with a rubber band and out with the right
// mouse button.
#pragma once

#include "graphs/plot_menu.h"
#include "graphs/plot_painter.h"

#include <QPoint>
#include <QWidget>

class QRubberBand;
class TGraphPlot;
class TPlotLegend;

class TPlotForm : public QWidget {
    Q_OBJECT

public:
    explicit TPlotForm(TGraphPlot* plot, QWidget* parent = nullptr);
    ~TPlotForm() override;

    TGraphPlot* Plot() const { return plot_; }
    // False when a panel's range could not be stepped: the window must close.
    bool RangesValid() const { return rangesValid_; }
    TPlotLegend* Legend() const { return legend_; }
    // The Plot menu; the host shows it in its menu bar while this window is active.
    QMenu* PlotMenu() const { return menu_.menu; }
    const torvex::graphs::TPlotMenu& MenuItems() const { return menu_; }

    // Layout state of the screen target (ranges, rectangles, ticks, dpi).
    const torvex::graphs::TPlotView& View() const { return view_; }
    torvex::graphs::TPlotRange Range(int panel = 0) const { return view_.range[panel]; }
    torvex::graphs::TPlotRange FullRange(int panel = 0) const { return view_.full[panel]; }
    // Paints the graph as it stands onto any target with the window's layout
    // rules for that target's size (a bitmap for review, for instance).
    void Render(QPainter& painter, const QSize& size, torvex::graphs::PlotOutput mode);

    // Recomputes the layout for the current client size; with putLegendBack
    // the legend's bottom-right corner goes to the plot area's.
    void RecomputeLayout(bool putLegendBack);
    // Plot menu about to open: checks, visibility and enabling.
    void UpdateMenuState();
    void UpdateMarkerChecks();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildLegendAndCurveItems();
    void ConnectMenu();
    void ToggleCurve(int curveIndex);
    void SetSizeFont(int sizeFont);
    TFloatPoint DataAt(QPoint pixel) const;
    void RefreshView();

    TGraphPlot* plot_;
    torvex::graphs::TPlotView view_;
    torvex::graphs::TPlotMenu menu_;
    TPlotLegend* legend_ = nullptr;
    QRubberBand* band_ = nullptr;
    bool rangesValid_ = true;
    bool banding_ = false;
    QPoint bandStart_;
};
