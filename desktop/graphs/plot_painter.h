// The one paint routine of a graph: the screen, a printer page and a bitmap
// all pass their painter, their resolution and their layout through here.
#pragma once

#include "graphs/plot_geometry.h"

#include <QFont>
#include <QRect>
#include <QSize>

class QPainter;

namespace torvex::graphs {

enum class PlotOutput { Screen, Printer, Bitmap };

// Layout state of one graph target. Printing and saving copy it, change it
// for their device and put it back afterwards.
struct TPlotView {
    TPlotLayout layout;
    int dpiX = 96;
    int dpiY = 96;
    int fontPixels = 14;  // height of the window (canvas) font on the target
    PlotOutput mode = PlotOutput::Screen;
    TPlotRange range[3];  // current range per panel
    TPlotRange full[3];   // full (auto-ranged) range per panel
    TickAxis ticksX[3];   // filled while painting
    TickAxis ticksY[3];
    // The legend's box in window pixels and the window size: where the legend
    // goes when it is drawn onto a page or bitmap instead of floating.
    QRect legendRect;
    QSize windowSize;
};

// "Times New Roman" (a metric-compatible serif where it is missing).
QFont PlotFont(int pixelSize, bool bold);
// The window font: 14 pixels at 96 dpi.
int CanvasFontPixels(int dpiY);
// Text unit u of a target for the graph's SizeFont.
int ViewTextUnit(const TGraphPlot& plot, const TPlotView& view);
// Curve pen width on a target.
int CurvePenWidth(const TGraphPlot& plot, int dpiX);

// Number of panels drawn: 3 in the three-panel layout, else 1.
inline int PanelCount(const TGraphPlot& plot) { return plot.ShowThree ? 3 : 1; }
const TCurveList& PanelCurves(const TGraphPlot& plot, int panel);  // panel 0..2
const PixelRect& PanelRect(const TGraphPlot& plot, const TPlotView& view, int panel);

void PaintPlot(QPainter& painter, const TGraphPlot& plot, TPlotView& view);

}  // namespace torvex::graphs
