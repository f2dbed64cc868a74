// The soil-layer column beside a graph: one band per soil layer, filled by
// the layer's fill code, optionally with the wall and the excavation level.
#pragma once

#include "graphs/plot_painter.h"

#include <QBrush>
#include <QImage>

class QPainter;

namespace torvex::graphs {

// Fill codes of the soil layers.
enum SoilFill {
    kFillClay = 1,        // tile: thin diagonal lines rising to the right
    kFillForwardDiagonal = 2,
    kFillCross = 3,
    kFillDiagonalCross = 4,
    kFillHorizontal = 5,
    kFillVertical = 6,
    kFillSand = 7,        // tile: regular dots
    kFillSilt = 8,        // tile: short horizontal dashes
    kFillStrongRock = 9,  // tile: brick courses
    kFillWeakRock = 10,   // tile: brick courses with diagonal strokes
    kFillDotsPebbles = 11,
    kFillPebbles = 12,
};

// Monochrome tile of a fill code (black on white), scale 1 for the screen
// and bitmaps (80 x 80 or 30 x 42 pixels), larger for a printer page. A null
// image for codes without a tile.
QImage SoilTile(int fillCode, int scale = 1);
// Brush of a fill code: a tile, a hatch, or no fill.
QBrush SoilBrush(int fillCode, int scale = 1);
// Lines of LayerLines that are drawn as bands.
int SoilBandCount(const TGraphPlot& plot);

void PaintSoilColumn(QPainter& painter, const TGraphPlot& plot, const TPlotView& view);

}  // namespace torvex::graphs
