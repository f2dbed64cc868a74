#include "graphs/plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace torvex::graphs {
namespace {

// Rounds away from zero: the ceiling for positive values, the floor otherwise.
long double RoundAway(long double v) { return v > 0 ? std::ceil(v) : std::floor(v); }

bool UsableStep(long double step) { return std::isfinite(step) && step > 0; }

// Pixel coordinates far outside any window are cut to keep the integer
// conversion defined; they only occur for points outside a zoomed range.
constexpr long double kPixelLimit = 1.0e7L;

long double ClampPixel(long double v) {
    if (std::isnan(v)) return 0;
    return std::clamp(v, -kPixelLimit, kPixelLimit);
}

int RoundPixel(long double v) { return static_cast<int>(std::llround(ClampPixel(v))); }

}  // namespace

long double RangeStep(long double span) {
    if (!std::isfinite(span) || span <= 0) return 0;
    const long double lg = std::log10(span);
    const long double whole = std::floor(lg);
    long double step = std::pow(10.0L, whole);
    if (lg - whole < std::log10(3.0L)) step /= 10;
    return step;
}

TPlotRange AutoRange(const TCurveList& curves, bool* ok) {
    TPlotRange r;  // starts at 0 so the range always contains the origin
    for (int i = 0; i < curves.Count(); ++i) {
        for (const TFloatPoint& p : curves[i].Points) {
            if (p.X < r.Xmin) r.Xmin = p.X;
            else if (p.X > r.Xmax) r.Xmax = p.X;
            if (p.Y < r.Ymin) r.Ymin = p.Y;
            else if (p.Y > r.Ymax) r.Ymax = p.Y;
        }
    }
    bool good = true;
    auto roundAxis = [&good](long double& lo, long double& hi) {
        if (hi == lo) {
            hi += 0.01L;
            lo -= 0.01L;
        }
        const long double step = RangeStep(hi - lo);
        if (!UsableStep(step)) {
            good = false;
            return;
        }
        lo = step * RoundAway(lo / step);
        hi = step * RoundAway(hi / step);
    };
    roundAxis(r.Xmin, r.Xmax);
    roundAxis(r.Ymin, r.Ymax);
    if (ok != nullptr) *ok = good;
    return r;
}

long double MajorStep(long double raw) {
    if (!std::isfinite(raw) || raw <= 0) return 0;
    const long double g = std::pow(10.0L, std::floor(std::log10(raw)));
    const long long h = static_cast<long long>(raw / g);  // 1 .. 10
    if (h < 2) return g;
    if (h <= 4) return 2 * g;
    if (h <= 8) return 5 * g;
    return 10 * g;
}

TickAxis TickSteps(long double min, long double max, int pixels, int textUnit) {
    TickAxis axis;
    if (textUnit <= 0) return axis;
    const int n = std::abs(pixels) / (6 * textUnit);
    if (n == 0) return axis;
    const long double major = MajorStep((max - min) / n);
    if (!UsableStep(major)) return axis;
    axis.minor = major / 5;
    // First: the smallest i <= 0 with i x minor >= min; last: the largest
    // i >= 0 with i x minor <= max. Index 0 stays in the run when the range
    // lies to one side of 0 (after a zoom); ticks outside the panel are
    // skipped when drawing.
    long double first = std::ceil(min / axis.minor);
    while ((first - 1) * axis.minor >= min) first -= 1;
    while (first * axis.minor < min) first += 1;
    long double last = std::floor(max / axis.minor);
    while ((last + 1) * axis.minor <= max) last += 1;
    while (last * axis.minor > max) last -= 1;
    if (!std::isfinite(first) || !std::isfinite(last) || std::fabs(first) > 1e15L || std::fabs(last) > 1e15L) {
        axis.minor = 0;
        return axis;
    }
    axis.first = std::min(0LL, static_cast<long long>(first));
    axis.last = std::max(0LL, static_cast<long long>(last));
    return axis;
}

QPointF DataToPixelF(const TPlotRange& range, const PixelRect& area, bool xOnTop, long double x, long double y) {
    const long double px = (x - range.Xmin) / (range.Xmax - range.Xmin) * area.width() + area.left;
    const long double c = (y - range.Ymin) / (range.Ymax - range.Ymin) * area.height();
    const long double py = xOnTop ? area.top + c : area.bottom - c;
    return QPointF(static_cast<double>(ClampPixel(px)), static_cast<double>(ClampPixel(py)));
}

QPoint DataToPixel(const TPlotRange& range, const PixelRect& area, bool xOnTop, long double x, long double y) {
    const int px = RoundPixel((x - range.Xmin) / (range.Xmax - range.Xmin) * area.width()) + area.left;
    const int c = RoundPixel((y - range.Ymin) / (range.Ymax - range.Ymin) * area.height());
    return QPoint(px, xOnTop ? area.top + c : area.bottom - c);
}

TFloatPoint PixelToData(const TPlotRange& range, const PixelRect& area, bool xOnTop, int px, int py) {
    if (px < area.left || px > area.right || area.width() == 0 || area.height() == 0) return {};
    TFloatPoint p;
    p.X = range.Xmin + static_cast<long double>(px - area.left) / area.width() * (range.Xmax - range.Xmin);
    const int c = xOnTop ? py - area.top : area.bottom - py;
    p.Y = range.Ymin + static_cast<long double>(c) / area.height() * (range.Ymax - range.Ymin);
    return p;
}

TPlotLayout ScreenLayout(int width, int height, int dpiX, int dpiY, int u, const LayoutOptions& options) {
    TPlotLayout layout;
    layout.client = {0, 0, width, height};
    PixelRect& plot = layout.plot;
    plot.left = 2 * u + dpiX / 8 + u / 8;
    plot.right = width - dpiX / 4 - u / 2;
    if (options.xOnTop) {
        plot.top = 2 * u + dpiY / 8 + u / 8;
        plot.bottom = height - dpiY / 4 - u / 2;
    } else {
        plot.top = u / 2 + dpiY / 4;
        plot.bottom = height - 2 * u - dpiY / 8 - u / 8;
    }
    if (options.titleShown) {
        if (options.titleOnTop) plot.top += u / 8 + u;
        else plot.bottom -= u;
    }
    SplitPlotArea(layout, dpiX, u, options);
    return layout;
}

void SplitPlotArea(TPlotLayout& layout, int dpiX, int u, const LayoutOptions& options) {
    PixelRect& plot = layout.plot;
    layout.soil = {};
    if (options.showLayers) {
        const int oldRight = plot.right;
        plot.right -= options.soilColumnWidth;
        layout.soil = {plot.right + dpiX / 5, plot.top, oldRight, plot.bottom};
    }
    for (PixelRect& panel : layout.panels) panel = plot;
    if (options.showThree) {
        const int gap = 2 * u + dpiX / 4;
        const int k = (plot.right - plot.left - 4 * u - dpiX / 2) / 3;
        layout.panels[0] = {plot.left, plot.top, plot.left + k, plot.bottom};
        layout.panels[1] = {layout.panels[0].right + gap, plot.top, layout.panels[0].right + gap + k, plot.bottom};
        layout.panels[2] = {layout.panels[1].right + gap, plot.top, plot.right, plot.bottom};
    }
}

QPolygonF MarkerPolygon(int shape, QPointF centre, double radiusX, double radiusY) {
    auto vertex = [&](double degrees) {
        const double a = degrees * M_PI / 180.0;  // clockwise from straight up
        return QPointF(centre.x() + radiusX * std::sin(a), centre.y() - radiusY * std::cos(a));
    };
    QPolygonF polygon;
    if (shape == 1) {
        for (double a : {180.0, 300.0, 60.0}) polygon << vertex(a);
    } else if (shape == 2) {
        for (double a : {45.0, 135.0, 225.0, 315.0}) polygon << vertex(a);
    } else {
        const int n = std::clamp(shape, 3, 10);
        for (int i = 0; i < n; ++i) polygon << vertex(360.0 * i / n);
    }
    return polygon;
}

namespace {

// One axis of the rubber-band rule.
void BandAxis(long double fullMin, long double fullMax, long double a, long double b, long double& lo,
              long double& hi) {
    lo = std::min(a, b);
    hi = std::max(a, b);
    const long double fullSpan = fullMax - fullMin;
    if (fullSpan <= 20 * (hi - lo)) return;
    const long double width = fullSpan / 20;
    const long double middle = (lo + hi) / 2;
    lo = middle - width / 2;
    hi = middle + width / 2;
    if (lo < fullMin) {
        lo = fullMin;
        hi = fullMin + width;
    } else if (hi > fullMax) {
        hi = fullMax;
        lo = fullMax - width;
    }
}

void OutAxis(long double curMin, long double curMax, long double fullMin, long double fullMax, long double at,
             long double& lo, long double& hi) {
    const long double half = (fullMax - fullMin) / 2;
    const long double h = std::min(curMax - curMin, half);
    if (h >= half) {  // the whole range: exact, not rebuilt from its middle
        lo = fullMin;
        hi = fullMax;
        return;
    }
    const long double p = std::clamp(at, fullMin + h, fullMax - h);
    lo = p - h;
    hi = p + h;
}

}  // namespace

TPlotRange ZoomToBand(const TPlotRange& full, TFloatPoint a, TFloatPoint b) {
    TPlotRange r;
    BandAxis(full.Xmin, full.Xmax, a.X, b.X, r.Xmin, r.Xmax);
    BandAxis(full.Ymin, full.Ymax, a.Y, b.Y, r.Ymin, r.Ymax);
    return r;
}

TPlotRange ZoomOutAt(const TPlotRange& current, const TPlotRange& full, TFloatPoint at) {
    TPlotRange r;
    OutAxis(current.Xmin, current.Xmax, full.Xmin, full.Xmax, at.X, r.Xmin, r.Xmax);
    OutAxis(current.Ymin, current.Ymax, full.Ymin, full.Ymax, at.Y, r.Ymin, r.Ymax);
    return r;
}

QPoint ClampToArea(const PixelRect& area, QPoint p) {
    return QPoint(std::clamp(p.x(), area.left, area.right), std::clamp(p.y(), area.top, area.bottom));
}

}  // namespace torvex::graphs
