#include "graphs/plot_form.h"

#include "graphs/graph_plot.h"
#include "graphs/graph_texts.h"
#include "graphs/plot_legend.h"
#include "grid/number_format.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

using namespace torvex::graphs;

namespace {

constexpr int kMaxActiveCurves = 20;

QString TitleNumber(long double v) { return torvex::FormatGeneral(v, 5); }

}  // namespace

TPlotForm::TPlotForm(TGraphPlot* plot, QWidget* parent) : QWidget(parent), plot_(plot) {
    setWindowTitle(QString::fromUtf8(kPlotFormTitle));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    view_.dpiX = logicalDpiX();
    view_.dpiY = logicalDpiY();
    view_.fontPixels = CanvasFontPixels(view_.dpiY);
    setFont(PlotFont(view_.fontPixels, false));
    resize(800, 600);

    menu_ = BuildPlotMenu(this);
    menu_.pageSetup->setVisible(true);

    // Full ranges from every point of each panel's list.
    const TCurveList* lists[3] = {&plot_->Curves, &plot_->Curves2, &plot_->Curves3};
    for (int panel = 0; panel < 3; ++panel) {
        bool ok = true;
        view_.range[panel] = AutoRange(*lists[panel], &ok);
        view_.full[panel] = view_.range[panel];
        if (!ok) rangesValid_ = false;
    }

    for (int i = 0; i < plot_->Curves.Count(); ++i)
        plot_->Curves[i].Active = !(plot_->LimitCurves && i >= kMaxActiveCurves);

    legend_ = new TPlotLegend(plot_, this);
    BuildLegendAndCurveItems();
    plot_->LegendFont = 11;  // the legend's design font
    legend_->ResizeFor(plot_->SizeFont, plot_->LegendFont);
    const bool hasCurves = !plot_->Curves.IsEmpty();
    legend_->setVisible(hasCurves && plot_->ShowLegend);
    // The item stays reachable while the legend is hidden, so a legend turned
    // off in an earlier window can be turned on again.
    menu_.showLegend->setVisible(hasCurves);

    band_ = new QRubberBand(QRubberBand::Rectangle, this);
    ConnectMenu();
    connect(legend_, &TPlotLegend::curveToggled, this, [this](int) { update(); });

    auto* popup = new QAction(this);
    popup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    popup->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(popup, &QAction::triggered, this, [this] { menu_.menu->popup(mapToGlobal(QPoint(0, 0))); });
    addAction(popup);

    RecomputeLayout(true);
}

TPlotForm::~TPlotForm() = default;

void TPlotForm::BuildLegendAndCurveItems() {
    legend_->clear();
    menu_.clearCurveItems();
    for (int i = 0; i < plot_->Curves.Count(); ++i) {
        const TLine& line = plot_->Curves[i];
        if (!line.Active) continue;
        QString caption = plot_->DisplayName(i);
        if (plot_->onGetCaption) plot_->onGetCaption(plot_, i, caption);
        legend_->AddCurve(caption, i);
        QAction* item = menu_.addCurveItem(caption, i, line.Visible);
        connect(item, &QAction::triggered, this, [this, i] { ToggleCurve(i); });
    }
}

void TPlotForm::ConnectMenu() {
    connect(menu_.menu, &QMenu::aboutToShow, this, &TPlotForm::UpdateMenuState);
    connect(menu_.markers, &QMenu::aboutToShow, this, &TPlotForm::UpdateMarkerChecks);
    connect(menu_.showLegend, &QAction::triggered, this, [this] {
        plot_->ShowLegend = !plot_->ShowLegend;
        legend_->setVisible(plot_->ShowLegend && !plot_->Curves.IsEmpty());
    });
    connect(menu_.showSoilLayer, &QAction::triggered, this, [this] {
        plot_->ShowLayers = !plot_->ShowLayers;
        RecomputeLayout(true);
    });
    connect(menu_.showWallGeometry, &QAction::triggered, this, [this] {
        plot_->ShowWall = !plot_->ShowWall;
        RecomputeLayout(true);
    });
    for (QAction* a : menu_.markerItems())
        connect(a, &QAction::triggered, this, [this, a] {
            plot_->Markers = Tag(a);
            update();
        });
    for (QAction* a : menu_.lineWidthItems())
        connect(a, &QAction::triggered, this, [this, a] {
            plot_->WidthLine = Tag(a);
            update();
        });
    for (QAction* a : menu_.fontSizeItems())
        connect(a, &QAction::triggered, this, [this, a] { SetSizeFont(Tag(a)); });
}

void TPlotForm::UpdateMenuState() {
    menu_.showLegend->setChecked(plot_->ShowLegend);
    menu_.showSoilLayer->setVisible(!plot_->LayerLines.IsEmpty());
    menu_.showSoilLayer->setChecked(plot_->ShowLayers);
    menu_.showWallGeometry->setVisible(plot_->WallLineCount > 0);
    menu_.showWallGeometry->setEnabled(plot_->ShowLayers);
    menu_.showWallGeometry->setChecked(plot_->ShowWall);
    menu_.fontSize->menuAction()->setVisible(plot_->ShowFontWidth);
    menu_.lineWidth->menuAction()->setVisible(plot_->ShowFontWidth);
    for (QAction* item : menu_.curveItems) {
        const int curve = Tag(item);
        item->setChecked(curve >= 0 && curve < plot_->Curves.Count() && plot_->Curves[curve].Visible);
    }
}

void TPlotForm::UpdateMarkerChecks() {
    for (QAction* a : menu_.markerItems()) a->setChecked(Tag(a) == plot_->Markers);
}

void TPlotForm::ToggleCurve(int curveIndex) {
    if (curveIndex < 0 || curveIndex >= plot_->Curves.Count()) return;  // curves reloaded meanwhile
    plot_->Curves[curveIndex].Visible = !plot_->Curves[curveIndex].Visible;
    update();
    legend_->viewport()->update();
}

void TPlotForm::SetSizeFont(int sizeFont) {
    plot_->SizeFont = sizeFont;
    legend_->ResizeFor(plot_->SizeFont, plot_->LegendFont);
    RecomputeLayout(false);
}

void TPlotForm::RecomputeLayout(bool putLegendBack) {
    view_.dpiX = logicalDpiX();
    view_.dpiY = logicalDpiY();
    view_.fontPixels = CanvasFontPixels(view_.dpiY);
    LayoutOptions options;
    options.xOnTop = plot_->XOnTop;
    options.titleShown = !plot_->GraphTitle.isEmpty();
    options.titleOnTop = plot_->GraphTitleOnTop;
    options.showLayers = plot_->ShowLayers;
    options.showThree = plot_->ShowThree;
    options.soilColumnWidth = view_.dpiX;
    view_.layout = ScreenLayout(width(), height(), view_.dpiX, view_.dpiY, ViewTextUnit(*plot_, view_), options);
    view_.mode = PlotOutput::Screen;
    if (putLegendBack) {
        const PixelRect& plot = view_.layout.plot;
        legend_->move(plot.right - legend_->width(), plot.bottom - legend_->height());
    }
    legend_->KeepInside();
    update();
}

void TPlotForm::RefreshView() {
    view_.windowSize = size();
    view_.legendRect = legend_->geometry();
}

void TPlotForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RefreshView();
    view_.mode = PlotOutput::Screen;
    PaintPlot(painter, *plot_, view_);
    legend_->GrowToFit(view_.dpiX / 8);
}

void TPlotForm::Render(QPainter& painter, const QSize& size, PlotOutput mode) {
    TPlotView saved = view_;
    RefreshView();
    LayoutOptions options;
    options.xOnTop = plot_->XOnTop;
    options.titleShown = !plot_->GraphTitle.isEmpty();
    options.titleOnTop = plot_->GraphTitleOnTop;
    options.showLayers = plot_->ShowLayers;
    options.showThree = plot_->ShowThree;
    // A bitmap gives the soil column half an inch, the screen a whole one.
    options.soilColumnWidth = mode == PlotOutput::Bitmap ? view_.dpiX / 2 : view_.dpiX;
    view_.layout = ScreenLayout(size.width(), size.height(), view_.dpiX, view_.dpiY, ViewTextUnit(*plot_, view_), options);
    view_.mode = mode;
    PaintPlot(painter, *plot_, view_);
    view_ = saved;
}

void TPlotForm::resizeEvent(QResizeEvent*) {
    // Until the user places the legend it follows the plot area's corner.
    RecomputeLayout(!legend_->Dragged());
}

TFloatPoint TPlotForm::DataAt(QPoint pixel) const {
    if (!plot_->ShowThree) return PixelToData(view_.range[0], view_.layout.plot, plot_->XOnTop, pixel.x(), pixel.y());
    for (int panel = 0; panel < 3; ++panel) {
        const PixelRect& r = view_.layout.panels[panel];
        if (pixel.x() >= r.left && pixel.x() <= r.right)
            return PixelToData(view_.range[panel], r, plot_->XOnTop, pixel.x(), pixel.y());
    }
    return {};  // between two panels
}

void TPlotForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = ClampToArea(view_.layout.plot, event->position().toPoint());
    const TFloatPoint data = DataAt(at);
    setWindowTitle(plot_->Caption + QString::fromUtf8(kTitleX) + TitleNumber(data.X) + QString::fromUtf8(kTitleY) +
                   TitleNumber(data.Y));
    if (banding_) band_->setGeometry(QRect(bandStart_, at).normalized());
}

void TPlotForm::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const PixelRect& plot = view_.layout.plot;
    if (!plot.contains(at.x(), at.y())) return;
    if (event->button() == Qt::LeftButton) {
        if (plot_->ShowThree) return;
        banding_ = true;
        bandStart_ = at;
        band_->setGeometry(QRect(at, QSize()));
        band_->show();
        return;
    }
    if (event->button() == Qt::RightButton) {
        // In three panels the first panel's range is taken over the whole plot area.
        const TFloatPoint data = PixelToData(view_.range[0], plot, plot_->XOnTop, at.x(), at.y());
        view_.range[0] = ZoomOutAt(view_.range[0], view_.full[0], data);
        update();
    }
}

void TPlotForm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !banding_) return;
    banding_ = false;
    band_->hide();
    QPoint end = event->position().toPoint();
    if (end.x() == bandStart_.x() || end.y() == bandStart_.y()) return;
    const PixelRect& plot = view_.layout.plot;
    end = ClampToArea(plot, end);
    const TFloatPoint a = PixelToData(view_.range[0], plot, plot_->XOnTop, bandStart_.x(), bandStart_.y());
    const TFloatPoint b = PixelToData(view_.range[0], plot, plot_->XOnTop, end.x(), end.y());
    view_.range[0] = ZoomToBand(view_.full[0], a, b);
    update();
}
