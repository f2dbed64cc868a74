#include "graphs/plot_menu.h"

#include "graphs/graph_texts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace torvex::graphs {

QList<QAction*> TaggedItems(const QMenu* menu) {
    QList<QAction*> items;
    if (menu == nullptr) return items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator() && a->data().isValid()) items << a;
    return items;
}

int Tag(const QAction* action) { return action == nullptr ? -1 : action->data().toInt(); }

QList<QAction*> TPlotMenu::markerItems() const { return TaggedItems(markers); }
QList<QAction*> TPlotMenu::fontSizeItems() const { return TaggedItems(fontSize); }
QList<QAction*> TPlotMenu::lineWidthItems() const { return TaggedItems(lineWidth); }

QAction* TPlotMenu::addCurveItem(const QString& caption, int curveIndex, bool checked) {
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    item->setChecked(checked);
    item->setData(curveIndex);
    curveItems << item;
    return item;
}

void TPlotMenu::clearCurveItems() {
    for (QAction* item : curveItems) {
        menu->removeAction(item);
        delete item;
    }
    curveItems.clear();
}

namespace {

template <std::size_t N>
QMenu* TaggedSubmenu(QMenu* parent, const char* title, const TaggedText (&items)[N]) {
    QMenu* sub = parent->addMenu(QString::fromUtf8(title));
    for (std::size_t i = 0; i < N; ++i) {
        QAction* a = sub->addAction(QString::fromUtf8(items[i].text));
        a->setData(items[i].tag);
        if (i == 0) sub->addSeparator();
    }
    return sub;
}

QAction* Unavailable(QMenu* menu, const char* text) {
    QAction* a = menu->addAction(QString::fromUtf8(text));
    a->setEnabled(false);
    return a;
}

}  // namespace

TPlotMenu BuildPlotMenu(QWidget* parent) {
    TPlotMenu m;
    m.menu = new QMenu(QString::fromUtf8(kPlotMenu), parent);
    m.showLegend = m.menu->addAction(QString::fromUtf8(kShowLegend));
    m.showLegend->setCheckable(true);
    m.showSoilLayer = m.menu->addAction(QString::fromUtf8(kShowSoilLayer));
    m.showSoilLayer->setCheckable(true);
    m.showWallGeometry = m.menu->addAction(QString::fromUtf8(kShowWallGeometry));
    m.showWallGeometry->setCheckable(true);

    m.markers = TaggedSubmenu(m.menu, kShowMarkers, kMarkerItems);
    // Radio items; none is checked when Markers holds another interval.
    m.markerGroup = new QActionGroup(m.markers);
    m.markerGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : m.markerItems()) {
        a->setCheckable(true);
        m.markerGroup->addAction(a);
    }
    m.fontSize = TaggedSubmenu(m.menu, kFontSize, kFontSizeItems);
    m.lineWidth = TaggedSubmenu(m.menu, kLineWidth, kLineWidthItems);

    m.graphTitle = Unavailable(m.menu, kGraphTitle);
    m.editLegend = Unavailable(m.menu, kEditLegend);
    m.activeCurves = Unavailable(m.menu, kActiveCurves);
    m.menu->addSeparator();
    m.print = Unavailable(m.menu, kPrint);
    m.pageSetup = Unavailable(m.menu, kPageSetup);
    m.saveToDisk = Unavailable(m.menu, kSaveToDisk);
    m.curveSeparator = m.menu->addSeparator();
    return m;
}

}  // namespace torvex::graphs
