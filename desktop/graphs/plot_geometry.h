// The arithmetic of a graph window, free of widgets: auto-ranging, tick
// steps, the mapping between data and device pixels, the screen layout,
// marker shapes and the two zoom rules.
#pragma once

#include "graphs/graph_plot.h"

#include <QPolygonF>

namespace torvex::graphs {

// Data range of one panel.
struct TPlotRange {
    long double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
};

// A rectangle in device pixels with inclusive edges, as the layout rules
// state them (right and bottom are coordinates, not sizes).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Rounding step of an axis span: 10^floor(log10 span), a tenth of that when
// the mantissa of the span is below 3. 0 when the span cannot be stepped.
long double RangeStep(long double span);

// Range of every point of every curve (visible or not), always including 0,
// widened by 0.01 each way when flat and rounded outwards to whole steps.
// ok is false when either axis has no usable step (empty or non-finite span).
TPlotRange AutoRange(const TCurveList& curves, bool* ok = nullptr);

// Tick steps of one axis: minor step and the first and last tick index
// (index i sits at i x minor; every fifth index is a major tick with a label
// and a grid line). Drawn only when last > first.
struct TickAxis {
    long double minor = 0;
    long long first = 0;
    long long last = 0;
    bool drawn() const { return minor > 0 && last > first; }
};
// pixels: length of the axis; textUnit: the layout's text unit u.
// Returns an undrawn axis when fewer than 6u pixels are available.
TickAxis TickSteps(long double min, long double max, int pixels, int textUnit);
// Major step for a raw step: 1, 2, 5 or 10 times its power of ten.
long double MajorStep(long double raw);

// Data to device pixels and back. Y grows downwards when xOnTop.
QPoint DataToPixel(const TPlotRange& range, const PixelRect& area, bool xOnTop, long double x, long double y);
QPointF DataToPixelF(const TPlotRange& range, const PixelRect& area, bool xOnTop, long double x, long double y);
// A pixel left or right of the area gives (0, 0).
TFloatPoint PixelToData(const TPlotRange& range, const PixelRect& area, bool xOnTop, int px, int py);

// Screen layout of a graph window.
struct TPlotLayout {
    PixelRect client;
    PixelRect plot;       // plot area of the single panel
    PixelRect panels[3];  // three-panel mode
    PixelRect soil;       // soil-layer column
};
struct LayoutOptions {
    bool xOnTop = true;
    bool titleShown = false;
    bool titleOnTop = false;
    bool showLayers = false;
    bool showThree = false;
    int soilColumnWidth = 0;  // dpiX on the screen
};
// u: the text unit (window font height x SizeFont / 10).
TPlotLayout ScreenLayout(int width, int height, int dpiX, int dpiY, int u, const LayoutOptions& options);
// Soil column and the three panels inside an already placed plot area.
void SplitPlotArea(TPlotLayout& layout, int dpiX, int u, const LayoutOptions& options);
// Text unit for a window font height in pixels and a SizeFont factor.
inline int TextUnit(int fontPixels, int sizeFont) { return fontPixels * sizeFont / 10; }

// Marker shape of a curve index: 1 .. 10.
inline int MarkerShape(int curveIndex) { return curveIndex % 10 + 1; }
// Outline of marker shape 1..10 around a centre: 1 a triangle pointing down,
// 2 a square standing on a side, 3..10 a regular n-gon with a vertex up.
QPolygonF MarkerPolygon(int shape, QPointF centre, double radiusX, double radiusY);
// Indices that carry a marker: 0 and every multiple of the interval.
inline bool HasMarker(int pointIndex, int interval) { return interval > 0 && pointIndex % interval == 0; }

// Rubber-band zoom to the rectangle between two data corners. An axis whose
// new span is below 1/20 of its full span gets exactly 1/20, centred on the
// selection and kept inside the full range.
TPlotRange ZoomToBand(const TPlotRange& full, TFloatPoint a, TFloatPoint b);
// Right-click zoom out around a point: each span doubles, up to the full range.
TPlotRange ZoomOutAt(const TPlotRange& current, const TPlotRange& full, TFloatPoint at);

// Clamps a pixel position into the area.
QPoint ClampToArea(const PixelRect& area, QPoint p);

}  // namespace torvex::graphs
