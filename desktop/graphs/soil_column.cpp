#include "graphs/soil_column.h"

#include <QPainter>
#include <algorithm>

namespace torvex::graphs {
namespace {

QImage BlankTile(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void Dot(QImage& image, int x, int y, int size) {
    for (int dy = 0; dy < size; ++dy)
        for (int dx = 0; dx < size; ++dx)
            image.setPixel((x + dx) % image.width(), (y + dy) % image.height(), qRgb(0, 0, 0));
}

void HorizontalRun(QImage& image, int x, int y, int length) {
    for (int i = 0; i < length; ++i) image.setPixel((x + i) % image.width(), y % image.height(), qRgb(0, 0, 0));
}

// Thin lines rising to the right, 10 pixels apart along each axis.
QImage ClayTile() {
    QImage image = BlankTile(80, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            if ((x + y) % 10 == 0) image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

// Small dots on a staggered 8-pixel grid.
void SandDots(QImage& image, int pitch) {
    for (int row = 0, y = 1; y < image.height(); y += pitch, ++row)
        for (int x = (row % 2) * (pitch / 2) + 1; x < image.width(); x += pitch) Dot(image, x, y, 2);
}

// Short dashes, staggered by half a period on alternate rows.
QImage SiltTile() {
    QImage image = BlankTile(30, 42);
    for (int row = 0; row < 6; ++row) {
        const int y = 3 + 7 * row;
        const int offset = (row % 2) * 8;
        HorizontalRun(image, 2 + offset, y, 7);
        HorizontalRun(image, 17 + offset, y, 7);
    }
    return image;
}

// Brick courses 7 pixels high, bricks 15 pixels long, joints staggered.
QImage BrickTile(bool strokes) {
    QImage image = BlankTile(30, 42);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    for (int course = 0; course < 6; ++course) {
        const int y = course * 7;
        p.drawLine(0, y, 29, y);
        const int joint = (course % 2) * 7;
        for (int x = joint; x < 30; x += 15) p.drawLine(x, y, x, y + 6);
        if (strokes) {  // weathering: a short diagonal stroke in every brick
            for (int x = joint; x < 30 + joint; x += 15) {
                const int x0 = (x + 4) % 30;
                if (x0 + 5 < 30) p.drawLine(x0, y + 5, x0 + 5, y + 2);
            }
        }
    }
    return image;
}

// Pebbles: small outlined stones at fixed places well inside the tile.
void Pebbles(QImage& image) {
    struct Stone {
        int cx, cy, rx, ry;
    };
    static constexpr Stone kStones[] = {
        {14, 12, 6, 4}, {52, 18, 5, 3}, {31, 42, 7, 5}, {66, 56, 5, 4}, {12, 64, 4, 3}, {46, 70, 4, 3}, {70, 30, 3, 2},
    };
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    for (const Stone& s : kStones) p.drawEllipse(QPoint(s.cx, s.cy), s.rx, s.ry);
}

}  // namespace

QImage SoilTile(int fillCode, int scale) {
    QImage tile;
    switch (fillCode) {
    case kFillClay: tile = ClayTile(); break;
    case kFillSand:
        tile = BlankTile(80, 80);
        SandDots(tile, 8);
        break;
    case kFillSilt: tile = SiltTile(); break;
    case kFillStrongRock: tile = BrickTile(false); break;
    case kFillWeakRock: tile = BrickTile(true); break;
    case kFillDotsPebbles:
        tile = BlankTile(80, 80);
        SandDots(tile, 10);
        Pebbles(tile);
        break;
    case kFillPebbles:
        tile = BlankTile(80, 80);
        Pebbles(tile);
        break;
    default: return QImage();
    }
    if (scale > 1) tile = tile.scaled(tile.width() * scale, tile.height() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return tile;
}

QBrush SoilBrush(int fillCode, int scale) {
    switch (fillCode) {
    case kFillForwardDiagonal: return QBrush(Qt::black, Qt::FDiagPattern);
    case kFillCross: return QBrush(Qt::black, Qt::CrossPattern);
    case kFillDiagonalCross: return QBrush(Qt::black, Qt::DiagCrossPattern);
    case kFillHorizontal: return QBrush(Qt::black, Qt::HorPattern);
    case kFillVertical: return QBrush(Qt::black, Qt::VerPattern);
    default: break;
    }
    const QImage tile = SoilTile(fillCode, scale);
    if (tile.isNull()) return QBrush(Qt::NoBrush);
    return QBrush(tile);
}

int SoilBandCount(const TGraphPlot& plot) {
    const int lines = plot.LayerLines.Count();
    if (plot.WallLineCount <= 0) return lines;
    return std::max(0, lines - (plot.ShowWall ? 1 : 2));
}

namespace {

QRect Band(int left, int right, int y0, int y1) { return QRect(QPoint(left, std::min(y0, y1)), QPoint(right, std::max(y0, y1))); }

// Rectangle with a black outline: the outline covers left..right, top..bottom.
void FillBand(QPainter& p, const QRect& r, const QBrush& brush) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(brush);
    p.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
}

// The band names are written in the canvas font; a name wider than the
// column gets a smaller size so that it is not cut at both ends.
void FitFont(QPainter& p, const QString& text, int width, int pixels) {
    constexpr int kSmallest = 6;
    QFont font = PlotFont(pixels, false);
    p.setFont(font);
    while (pixels > kSmallest && p.fontMetrics().horizontalAdvance(text) > width) {
        font.setPixelSize(--pixels);
        p.setFont(font);
    }
}

}  // namespace

void PaintSoilColumn(QPainter& p, const TGraphPlot& plot, const TPlotView& view) {
    const PixelRect& column = view.layout.soil;
    if (column.width() <= 0 || column.height() <= 0) return;
    const PixelRect& area = view.layout.plot;
    const TPlotRange& range = view.range[0];
    const int scale = view.mode == PlotOutput::Printer ? std::max(1, view.dpiX / 96) : 1;
    auto depthPixel = [&](long double depth) { return DataToPixel(range, area, plot.XOnTop, 0, depth).y(); };
    const int bands = SoilBandCount(plot);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(QRect(column.left, column.top, column.width() + 1, column.height() + 1));
    p.setBrushOrigin(column.left, column.top);
    int top = depthPixel(plot.SoilTop);

    if (!plot.ShowWall) {
        for (int i = 0; i < bands; ++i) {
            const TLine& line = plot.LayerLines[i];
            if (line.Points.empty()) continue;
            const int depth = depthPixel(line.Points.front().Y);
            const int bottom = std::min(i == bands - 1 ? depth : depth + 1, area.bottom);
            const QRect band = Band(column.left, column.right, top, bottom);
            FillBand(p, band, SoilBrush(static_cast<int>(line.Points.front().X), scale));
            if (!line.Name.isEmpty()) {
                FitFont(p, line.Name, band.width() - 2, view.fontPixels);
                p.setPen(Qt::black);
                p.setBackgroundMode(Qt::OpaqueMode);
                p.setBackground(Qt::white);
                p.drawText(band, Qt::AlignCenter, line.Name);
                p.setBackgroundMode(Qt::TransparentMode);
            }
            top = bottom;
        }
        p.restore();
        return;
    }

    // With the wall: backfill on the left from the ground surface, the wall in
    // the middle fifth, the excavation side on the right from the free height
    // (excavation level) down.
    const int split1 = column.left + column.width() * 2 / 5;
    const int split2 = column.left + column.width() * 3 / 5;
    const int wallIndex = plot.WallLineCount;
    const bool hasWallLines = wallIndex + 1 < plot.LayerLines.Count();
    const long double freeHeight =
        hasWallLines && !plot.LayerLines[wallIndex + 1].Points.empty() ? plot.LayerLines[wallIndex + 1].Points.front().Y : 0;
    const int excavation = depthPixel(freeHeight);
    long double topDepth = plot.SoilTop;
    for (int i = 0; i < bands; ++i) {
        const TLine& line = plot.LayerLines[i];
        if (line.Points.empty()) continue;
        const long double bottomDepth = line.Points.front().Y;
        const int depth = depthPixel(bottomDepth);
        const int bottom = std::min(i == bands - 1 ? depth : depth + 1, area.bottom);
        const QBrush brush = SoilBrush(static_cast<int>(line.Points.front().X), scale);
        if (bottomDepth <= freeHeight) {
            FillBand(p, Band(column.left, split1, top, bottom), brush);
        } else if (topDepth >= freeHeight) {
            FillBand(p, Band(column.left, column.right, top, bottom), brush);
        } else {
            FillBand(p, Band(column.left, split1, top, bottom), brush);
            FillBand(p, Band(split2, column.right, excavation, bottom), brush);
        }
        top = bottom;
        topDepth = bottomDepth;
    }
    if (wallIndex < plot.LayerLines.Count() && !plot.LayerLines[wallIndex].Points.empty()) {
        const int tip = depthPixel(plot.LayerLines[wallIndex].Points.front().Y);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(Band(split1, split2, column.top, tip));
    }
    p.restore();
}

}  // namespace torvex::graphs
