#include "graphs/plot_painter.h"

#include "graphs/soil_column.h"
#include "grid/number_format.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace torvex::graphs {

QFont PlotFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

int CanvasFontPixels(int dpiY) { return static_cast<int>(std::lround(14.0 * dpiY / 96.0)); }

int ViewTextUnit(const TGraphPlot& plot, const TPlotView& view) { return TextUnit(view.fontPixels, plot.SizeFont); }

int CurvePenWidth(const TGraphPlot& plot, int dpiX) {
    return (static_cast<int>(std::lround(dpiX / 300.0)) + 1) * std::max(1, plot.WidthLine);
}

const TCurveList& PanelCurves(const TGraphPlot& plot, int panel) {
    if (panel == 1) return plot.Curves2;
    if (panel == 2) return plot.Curves3;
    return plot.Curves;
}

const PixelRect& PanelRect(const TGraphPlot& plot, const TPlotView& view, int panel) {
    return plot.ShowThree ? view.layout.panels[std::clamp(panel, 0, 2)] : view.layout.plot;
}

namespace {

QRect ToQRect(const PixelRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)); }

// Text whose top-left corner is at (x, y).
void DrawTextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

// Text turned by 90 degrees (reading upwards), its top edge facing left at x,
// centred vertically on cy.
void DrawRotatedText(QPainter& p, int x, int cy, const QString& text) {
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.save();
    p.translate(x, cy + w / 2);
    p.rotate(-90);
    p.drawText(0, p.fontMetrics().ascent(), text);
    p.restore();
}

void DrawCaptions(QPainter& p, const TGraphPlot& plot, const TPlotView& view, int u) {
    const PixelRect& client = view.layout.client;
    p.setFont(PlotFont(view.fontPixels * plot.SizeFont / 10, true));
    p.setPen(Qt::black);
    const QFontMetrics fm = p.fontMetrics();
    const int th = fm.height();
    const bool title = !plot.GraphTitle.isEmpty();
    const bool titleTop = title && plot.GraphTitleOnTop;
    const bool titleBottom = title && !plot.GraphTitleOnTop;

    if (title) {
        const int x = client.left + (client.width() - fm.horizontalAdvance(plot.GraphTitle)) / 2;
        DrawTextAt(p, x, titleTop ? client.top : client.bottom - th, plot.GraphTitle);
    }
    if (!plot.ShowThree) {
        const QString xText = plot.XAxisText(1);
        const int x = client.left + (client.width() - fm.horizontalAdvance(xText)) / 2;
        int y;
        if (plot.XOnTop) y = client.top + (titleTop ? u / 8 + u : 0);
        else y = client.bottom - th - (titleBottom ? u / 8 + u : 0);
        DrawTextAt(p, x, y, xText);
        DrawRotatedText(p, client.left, client.top + client.height() / 2, plot.YAxisText(1));
        return;
    }
    for (int panel = 0; panel < 3; ++panel) {
        const PixelRect& r = view.layout.panels[panel];
        const QString xText = plot.XAxisText(panel + 1);
        const int x = r.left + (r.width() - fm.horizontalAdvance(xText)) / 2;
        int y;
        if (plot.XOnTop) y = client.top + view.dpiY / 16 + (titleTop ? view.dpiY / 4 : 0);
        else y = client.bottom - view.dpiY / 16 - th - (titleBottom ? view.dpiY / 4 : 0);
        DrawTextAt(p, x, y, xText);
        DrawRotatedText(p, r.left - view.dpiX / 8 - 2 * u, r.top + r.height() / 2, plot.YAxisText(panel + 1));
    }
}

QString TickLabel(long double value) { return FormatGeneral(value, 4); }

void DrawTicksAndGrid(QPainter& p, const TGraphPlot& plot, const TPlotView& view, int panel) {
    const PixelRect& r = PanelRect(plot, view, panel);
    const TPlotRange& range = view.range[panel];
    const TickAxis& tx = view.ticksX[panel];
    const TickAxis& ty = view.ticksY[panel];
    QPen solid(Qt::black, 1, Qt::SolidLine);
    QPen dotted(Qt::black, 1, Qt::DotLine);
    p.setFont(PlotFont(view.fontPixels * plot.SizeFont / 10, false));
    const QFontMetrics fm = p.fontMetrics();
    const int th = fm.height();

    if (tx.drawn()) {
        const int tick = view.dpiY / 16;
        for (long long i = tx.first; i <= tx.last; ++i) {
            const long double value = static_cast<long double>(i) * tx.minor;
            const int px = DataToPixel(range, r, plot.XOnTop, value, range.Ymin).x();
            if (px < r.left || px > r.right) continue;
            if (i % 5 == 0) {
                p.setPen(dotted);
                p.drawLine(px, r.top, px, r.bottom);
                p.setPen(Qt::black);
                const QString label = TickLabel(value);
                const int w = fm.horizontalAdvance(label);
                const PixelRect& client = view.layout.client;
                const int x = std::clamp(px - w / 2, client.left, std::max(client.left, client.right - w));
                DrawTextAt(p, x, plot.XOnTop ? r.top - th - view.dpiY / 32 : r.bottom + view.dpiY / 16, label);
            }
            p.setPen(solid);
            if (plot.XOnTop) p.drawLine(px, r.top, px, r.top + tick);
            else p.drawLine(px, r.bottom, px, r.bottom - tick);
        }
    }
    if (ty.drawn()) {
        const int tick = view.dpiX / 16;
        for (long long i = ty.first; i <= ty.last; ++i) {
            const long double value = static_cast<long double>(i) * ty.minor;
            const int py = DataToPixel(range, r, plot.XOnTop, range.Xmin, value).y();
            if (py < r.top || py > r.bottom) continue;
            if (i % 5 == 0) {
                p.setPen(dotted);
                p.drawLine(r.left, py, r.right, py);
                p.setPen(Qt::black);
                // Labels at the ends stay beside the axis instead of running into
                // the X labels at the corner.
                const QString label = TickLabel(value);
                const int half = fm.horizontalAdvance(label) / 2;
                const int cy = r.height() > 2 * half ? std::clamp(py, r.top + half, r.bottom - half) : py;
                DrawRotatedText(p, r.left - th - view.dpiX / 32, cy, label);
            }
            p.setPen(solid);
            p.drawLine(r.left, py, r.left + tick, py);
        }
    }
}

void DrawCurves(QPainter& p, const TGraphPlot& plot, const TPlotView& view, int panel) {
    const TCurveList& curves = PanelCurves(plot, panel);
    if (!curves.HasDrawableData()) return;
    const PixelRect& r = PanelRect(plot, view, panel);
    const TPlotRange& range = view.range[panel];
    const int penWidth = CurvePenWidth(plot, view.dpiX);
    const double rx = view.dpiX / 32;
    const double ry = view.dpiY / 32;
    // The moment and shear panels leave out the point below the tip when
    // several curves share the panel.
    const bool dropLast = panel > 0 && curves.Count() > 1;

    p.save();
    p.setClipRect(QRect(r.left, r.top, r.width() + 1, r.height() + 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    int k = 0;  // position among the Active curves: the colour slot
    for (int i = 0; i < curves.Count(); ++i) {
        // Panels 2 and 3 follow the flags of the first panel's curve.
        const TLine& flags = (panel > 0 && i < plot.Curves.Count()) ? plot.Curves[i] : curves[i];
        if (!flags.Active) continue;
        const int slot = k++;
        if (!flags.Visible) continue;
        const TLine& line = curves[i];
        const int n = dropLast ? line.Count() - 1 : line.Count();
        if (n <= 0) continue;
        const QColor colour = CurveColor(slot);
        p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPolygonF polyline;
        polyline.reserve(n);
        for (int j = 0; j < n; ++j)
            polyline << DataToPixelF(range, r, plot.XOnTop, line.Points[static_cast<std::size_t>(j)].X,
                                     line.Points[static_cast<std::size_t>(j)].Y);
        p.drawPolyline(polyline);
        if (plot.Markers > 0) {
            const int shape = MarkerShape(i);
            for (int j = 0; j < n; ++j)
                if (HasMarker(j, plot.Markers)) p.drawPolygon(MarkerPolygon(shape, polyline[j], rx, ry));
        }
    }
    p.restore();
}

// The legend as a box on the page or bitmap, placed where the floating
// legend sits in the window.
void DrawCanvasLegend(QPainter& p, const TGraphPlot& plot, const TPlotView& view) {
    if (!plot.ShowLegend || view.windowSize.width() <= 0 || view.windowSize.height() <= 0) return;
    p.setFont(PlotFont(view.fontPixels * plot.SizeFont / 10, false));
    const QFontMetrics fm = p.fontMetrics();
    const int th = fm.height();
    struct Row {
        int slot;
        QString name;
    };
    std::vector<Row> rows;
    int slot = 0, widest = 0;
    for (int i = 0; i < plot.Curves.Count(); ++i) {
        if (!plot.Curves[i].Active) continue;
        if (plot.Curves[i].Visible) {
            rows.push_back({slot, plot.DisplayName(i)});
            widest = std::max(widest, fm.horizontalAdvance(rows.back().name));
        }
        ++slot;
    }
    if (rows.empty()) return;
    const PixelRect& plotArea = view.layout.plot;
    const int left = plotArea.left + plotArea.width() * view.legendRect.left() / view.windowSize.width();
    const int top = plotArea.top + plotArea.height() * view.legendRect.top() / view.windowSize.height();
    const int rowStep = th + view.dpiY / 32;
    const int width = widest + 3 * view.dpiX / 16;
    const int height = static_cast<int>(rows.size()) * rowStep + view.dpiY / 32;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(left, top, width, height);
    const double rx = view.dpiX / 32, ry = view.dpiY / 32;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const int y = top + view.dpiY / 32 + static_cast<int>(n) * rowStep;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(MarkerPolygon(MarkerShape(rows[n].slot), QPointF(left + view.dpiX / 16, y + th / 2.0), rx, ry));
        p.setPen(CurveColor(rows[n].slot));
        DrawTextAt(p, left + view.dpiX / 16 + view.dpiX / 16, y, rows[n].name);
    }
}

}  // namespace

void PaintPlot(QPainter& p, const TGraphPlot& plot, TPlotView& view) {
    const PixelRect& client = view.layout.client;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(ToQRect(client), Qt::white);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    if (client.width() < view.dpiX || client.height() < view.dpiY) {  // less than an inch: nothing fits
        p.restore();
        return;
    }
    const int u = ViewTextUnit(plot, view);
    DrawCaptions(p, plot, view, u);
    const int panels = PanelCount(plot);
    for (int panel = 0; panel < panels; ++panel) {
        const PixelRect& r = PanelRect(plot, view, panel);
        const TPlotRange& range = view.range[panel];
        view.ticksX[panel] = TickSteps(range.Xmin, range.Xmax, r.width(), u);
        view.ticksY[panel] = TickSteps(range.Ymin, range.Ymax, r.height(), u);
        if (view.ticksX[panel].minor > 0 && view.ticksY[panel].minor > 0) DrawTicksAndGrid(p, plot, view, panel);
    }
    for (int panel = 0; panel < panels; ++panel) DrawCurves(p, plot, view, panel);
    if (view.mode != PlotOutput::Screen) DrawCanvasLegend(p, plot, view);
    if (plot.ShowLayers) PaintSoilColumn(p, plot, view);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    for (int panel = 0; panel < panels; ++panel) {
        const PixelRect& r = PanelRect(plot, view, panel);
        p.drawRect(QRect(r.left, r.top, r.width(), r.height()));  // edges on left..right, top..bottom
    }
    p.restore();
}

}  // namespace torvex::graphs
