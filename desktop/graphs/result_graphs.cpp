#include "graphs/result_graphs.h"

#include "graphs/graph_texts.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

using namespace torvex::graphs;

namespace {

struct DesignTime {
    const char* caption;
    const char* curveName;
    const char* xCaption;
    const char* xUnits;
    bool xOnTop;
    const char* yCaption;
    const char* yUnits;
};

TGraphPlot* MakeGraph(QObject* parent, const DesignTime& d) {
    auto* graph = new TGraphPlot(parent);
    graph->Caption = QString::fromUtf8(d.caption);
    graph->CurveName = QString::fromUtf8(d.curveName);
    graph->XCaption = QString::fromUtf8(d.xCaption);
    graph->XUnits = QString::fromUtf8(d.xUnits);
    graph->XOnTop = d.xOnTop;
    graph->YCaption = QString::fromUtf8(d.yCaption);
    graph->YUnits = QString::fromUtf8(d.yUnits);
    return graph;
}

// Toolbar glyphs: a small axis cross with the shape of the diagram.
enum Glyph { kGlyphPY, kGlyphDeflection, kGlyphMoment, kGlyphShear, kGlyphReaction, kGlyphThree, kGlyphPressure };

QIcon GlyphIcon(int glyph) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    auto depthCurve = [&p](int x0, int width, auto shape, QColor colour) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(x0, 3, x0, 21);
        QPainterPath path;
        for (int y = 3; y <= 21; ++y) {
            const double t = (y - 3) / 18.0;
            const QPointF pt(x0 + width * shape(t), y);
            if (y == 3) path.moveTo(pt);
            else path.lineTo(pt);
        }
        p.setPen(QPen(colour, 1.5));
        p.drawPath(path);
    };
    switch (glyph) {
    case kGlyphPY: {
        p.drawLine(3, 21, 21, 21);
        p.drawLine(3, 3, 3, 21);
        QPainterPath path(QPointF(3, 21));
        path.cubicTo(QPointF(7, 8), QPointF(12, 6), QPointF(21, 6));
        p.setPen(QPen(Qt::blue, 1.5));
        p.drawPath(path);
        break;
    }
    case kGlyphDeflection: depthCurve(5, 14, [](double t) { return (1 - t) * (1 - t); }, Qt::blue); break;
    case kGlyphMoment: depthCurve(5, 14, [](double t) { return std::sin(t * M_PI); }, Qt::red); break;
    case kGlyphShear: depthCurve(12, 8, [](double t) { return std::sin(t * 2 * M_PI); }, QColor(0, 128, 0)); break;
    case kGlyphReaction: depthCurve(12, 8, [](double t) { return t < 0.4 ? 0.0 : -std::sin((t - 0.4) / 0.6 * M_PI); }, Qt::magenta); break;
    case kGlyphThree:
        depthCurve(2, 5, [](double t) { return (1 - t) * (1 - t); }, Qt::blue);
        depthCurve(10, 5, [](double t) { return std::sin(t * M_PI); }, Qt::red);
        depthCurve(19, 3, [](double t) { return std::sin(t * 2 * M_PI); }, QColor(0, 128, 0));
        break;
    default: {  // earth pressure growing with depth
        p.drawLine(5, 3, 5, 21);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(192, 192, 192));
        p.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(19, 21), QPointF(5, 21)}));
        break;
    }
    }
    return QIcon(pixmap);
}

bool HasData(const TGraphPlot* graph) { return graph->Curves.HasDrawableData(); }

}  // namespace

TResultGraphs::TResultGraphs(QObject* parent)
    : QObject(parent),
      pltLD(MakeGraph(this, {kCaptionLD, "Curve #", "Distributed load", "F/L", true, "Depth", ""})),
      PltCombine(MakeGraph(this, {kCaptionCombine, "Curve #", "Distributed Load", "F/L", true, "Depth", "L2"})),
      pltPY(MakeGraph(this, {kCaptionPY, "Depth", "y", "L", false, "p", "F/L"})),
      pltDef(MakeGraph(this, {kCaptionDef, "Load #", "Deflection", "L", true, "Depth", ""})),
      pltMom(MakeGraph(this, {kCaptionMom, "Load #", "Bending Moment", "", true, "Depth", ""})),
      pltShear(MakeGraph(this, {kCaptionShear, "Load #", "Shear", "", true, "Depth", ""})),
      pltSoil(MakeGraph(this, {kCaptionSoil, "Load #", "Reaction", "F", true, "Depth", ""})),
      pltDMS(MakeGraph(this, {kCaptionDMS, "Curve #", "Deflection", "L", true, "Depth", ""})),
      Comppy(MakeItem(kMenuPY, pltPY)),
      CompDef(MakeItem(kMenuDef, pltDef)),
      CompMom(MakeItem(kMenuMom, pltMom)),
      CompShear(MakeItem(kMenuShear, pltShear)),
      CompSoil(MakeItem(kMenuSoil, pltSoil)),
      DefMomShear(MakeItem(kMenuDMS, pltDMS)),
      CompLD(MakeItem(kMenuLD, pltLD)),
      CompCombine(MakeItem(kMenuCombine, PltCombine)),
      ExportExcel(new QAction(QString::fromUtf8(kMenuExportExcel), this)) {
    connect(ExportExcel, &QAction::triggered, this, [this] {
        if (export_) export_();
    });
    toolbar_ = {MakeButton(kHintPY, pltPY, kGlyphPY),         MakeButton(kHintDef, pltDef, kGlyphDeflection),
                MakeButton(kHintMom, pltMom, kGlyphMoment),   MakeButton(kHintShear, pltShear, kGlyphShear),
                MakeButton(kHintSoil, pltSoil, kGlyphReaction), MakeButton(kHintSoil, pltDMS, kGlyphThree),
                MakeButton(kHintLD, pltLD, kGlyphPressure)};
    GraphicsMenuClick();
    RefreshToolbar();
}

QList<TGraphPlot*> TResultGraphs::All() const {
    return {pltLD, PltCombine, pltPY, pltDef, pltMom, pltShear, pltSoil, pltDMS};
}

QList<QAction*> TResultGraphs::GraphicsMenuItems() const {
    return {Comppy, CompDef, CompMom, CompShear, CompSoil, DefMomShear, CompLD, CompCombine, ExportExcel};
}

QAction* TResultGraphs::MakeItem(const char* text, TGraphPlot* graph) {
    auto* item = new QAction(QString::fromUtf8(text), this);
    connect(item, &QAction::triggered, this, [this, graph] { graph->Show(mdiArea_); });
    return item;
}

QAction* TResultGraphs::MakeButton(const char* hint, TGraphPlot* graph, int glyph) {
    auto* button = new QAction(GlyphIcon(glyph), QString::fromUtf8(hint), this);
    button->setToolTip(QString::fromUtf8(hint));
    connect(button, &QAction::triggered, this, [this, graph] { graph->Show(mdiArea_); });
    return button;
}

QMenu* TResultGraphs::BuildGraphicsMenu(QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(kGraphicsMenu), parent);
    for (QAction* item : GraphicsMenuItems()) {
        if (item == ExportExcel) menu->addSeparator();
        menu->addAction(item);
    }
    connect(menu, &QMenu::aboutToShow, this, &TResultGraphs::GraphicsMenuClick);
    return menu;
}

bool TResultGraphs::ResultsAvailable() const {
    const QString file = CurrentPlotFile();
    return resultsLoaded_ && !file.isEmpty() && QFile::exists(file);
}

void TResultGraphs::GraphicsMenuClick() {
    const bool available = ResultsAvailable();
    for (QAction* item : GraphicsMenuItems()) item->setEnabled(available);
    ExportExcel->setEnabled(available && static_cast<bool>(export_));
    const std::pair<QAction*, TGraphPlot*> single[] = {{Comppy, pltPY},       {CompDef, pltDef}, {CompMom, pltMom},
                                                       {CompShear, pltShear}, {CompSoil, pltSoil}, {CompLD, pltLD}};
    for (const auto& [item, graph] : single) item->setEnabled(item->isEnabled() && HasData(graph));
    DefMomShear->setEnabled(CompDef->isEnabled() && CompMom->isEnabled() && CompShear->isEnabled());
}

void TResultGraphs::RefreshToolbar() {
    const bool available = ResultsAvailable();
    const TGraphPlot* graphs[] = {pltPY, pltDef, pltMom, pltShear, pltSoil, nullptr, pltLD};
    for (int i = 0; i < toolbar_.size(); ++i)
        if (graphs[i] != nullptr) toolbar_[i]->setEnabled(available && HasData(graphs[i]));
    toolbar_[5]->setEnabled(toolbar_[1]->isEnabled() && toolbar_[2]->isEnabled() && toolbar_[3]->isEnabled());
}

bool TResultGraphs::Load(const QString& plotFile, bool showMessages, const TPlotProject& project,
                         QWidget* messageParent) {
    resultsLoaded_ = LoadPlotFile(plotFile, showMessages, *this, project, messageParent);
    return resultsLoaded_;
}

void TResultGraphs::LoadAfterRun(const QString& plotFile, const TPlotProject& project, QWidget* messageParent) {
    if (QFile::exists(plotFile)) Load(plotFile, true, project, messageParent);
    RefreshToolbar();
}

void TResultGraphs::LoadAfterOpen(const QString& plotFile, const TPlotProject& project) {
    if (QFile::exists(plotFile)) Load(plotFile, false, project);
    RefreshToolbar();
}

void TResultGraphs::CloseWindows() {
    for (TGraphPlot* graph : All()) graph->CloseWindow();
}
