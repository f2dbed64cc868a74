// The "&Plot" menu of a graph window: display toggles, the marker, font-size
// and line-width submenus, the dialog and output commands, and one
// checkable item per Active curve. A host window (the main window) shows it
// in its menu bar while the graph window is active.
#pragma once

#include <QList>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace torvex::graphs {

struct TPlotMenu {
    QMenu* menu = nullptr;
    QAction* showLegend = nullptr;
    QAction* showSoilLayer = nullptr;
    QAction* showWallGeometry = nullptr;
    QMenu* markers = nullptr;        // items tagged 0, 1, 2, 3, 5, 10 (QAction::data)
    QActionGroup* markerGroup = nullptr;
    QMenu* fontSize = nullptr;       // tags 10, 15, 20, 25, 30, 40
    QMenu* lineWidth = nullptr;      // tags 1, 2, 4, 6, 10
    QAction* graphTitle = nullptr;
    QAction* editLegend = nullptr;
    QAction* activeCurves = nullptr;
    QAction* print = nullptr;
    QAction* pageSetup = nullptr;
    QAction* saveToDisk = nullptr;
    QAction* curveSeparator = nullptr;
    QList<QAction*> curveItems;      // tagged with the curve index

    QList<QAction*> markerItems() const;
    QList<QAction*> fontSizeItems() const;
    QList<QAction*> lineWidthItems() const;
    // Appends a checkable curve item at the end of the menu.
    QAction* addCurveItem(const QString& caption, int curveIndex, bool checked);
    void clearCurveItems();
};

// Builds the menu with every fixed item, owned by parent. The graph-dialog
// and output commands are present but unavailable until they are connected.
TPlotMenu BuildPlotMenu(QWidget* parent);

// Items of a submenu that carry a tag (separators left out).
QList<QAction*> TaggedItems(const QMenu* menu);
int Tag(const QAction* action);

}  // namespace torvex::graphs
