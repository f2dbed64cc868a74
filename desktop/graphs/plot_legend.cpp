#include "graphs/plot_legend.h"

#include "graphs/graph_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {
constexpr int kCurveRole = Qt::UserRole + 1;
}

class TLegendDelegate : public QStyledItemDelegate {
public:
    explicit TLegendDelegate(TPlotLegend* legend) : QStyledItemDelegate(legend), legend_(legend) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        p->save();
        p->fillRect(option.rect, Qt::white);
        p->setFont(legend_->font());
        p->setPen(torvex::graphs::CurveColor(index.row()));
        p->drawText(option.rect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, legend_->ItemText(index.row()));
        if (option.state & QStyle::State_Selected) {  // the item a double click acts on
            p->setPen(QPen(Qt::gray, 1, Qt::DotLine));
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return QSize(legend_->TextWidth(index.row()), legend_->ItemHeight());
    }

private:
    TPlotLegend* legend_;
};

TPlotLegend::TPlotLegend(TGraphPlot* plot, QWidget* parent) : QListWidget(parent), plot_(plot) {
    setItemDelegate(new TLegendDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(11);
    setFont(f);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TPlotLegend::AddCurve(const QString& caption, int curveIndex) {
    auto* item = new QListWidgetItem(caption, this);
    item->setData(kCurveRole, curveIndex);
}

int TPlotLegend::CurveIndex(int row) const {
    const QListWidgetItem* it = item(row);
    return it == nullptr ? -1 : it->data(kCurveRole).toInt();
}

QString TPlotLegend::ItemText(int row) const {
    const QListWidgetItem* it = item(row);
    if (it == nullptr) return QString();
    const int curve = it->data(kCurveRole).toInt();
    // The curves may have been reloaded under an open window: look before touching.
    const bool visible = curve >= 0 && curve < plot_->Curves.Count() && plot_->Curves[curve].Visible;
    return visible ? it->text() + QStringLiteral(" *") : it->text();
}

int TPlotLegend::TextWidth(int row) const {
    const QListWidgetItem* it = item(row);
    if (it == nullptr) return 0;
    return fontMetrics().horizontalAdvance(it->text() + QStringLiteral(" *"));
}

void TPlotLegend::ResizeFor(int sizeFont, int legendFont) {
    const int dpi = logicalDpiY();
    const int points = std::max(1, sizeFont * legendFont / 10);
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    // Item height is 3/2 of the font size, taken in pixels at 96 dpi.
    itemHeight_ = std::max(1, 3 * points / 2 * dpi / 96);
    const int h = count() * itemHeight_ + 3;
    int w = 21;
    for (int row = 0; row < count(); ++row) w = std::max(w, TextWidth(row) + logicalDpiX() / 4);
    resize(w, h);
    doItemsLayout();
    KeepInside();
}

void TPlotLegend::GrowToFit(int extra) {
    int w = width();
    for (int row = 0; row < count(); ++row) w = std::max(w, TextWidth(row) + extra);
    if (w != width()) resize(w, height());
}

void TPlotLegend::KeepInside() {
    const QWidget* host = parentWidget();
    if (host == nullptr) return;
    const int x = std::clamp(pos().x(), 0, std::max(0, host->width() - width()));
    const int y = std::clamp(pos().y(), 0, std::max(0, host->height() - height()));
    if (QPoint(x, y) != pos()) move(x, y);
}

void TPlotLegend::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    pressGlobal_ = event->globalPosition().toPoint();
    pressPos_ = pos();
}

void TPlotLegend::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    move(pressPos_ + (event->globalPosition().toPoint() - pressGlobal_));
    KeepInside();
    dragged_ = true;
    emit moved();
}

void TPlotLegend::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void TPlotLegend::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    const int curve = CurveIndex(currentRow());
    if (curve < 0 || curve >= plot_->Curves.Count()) return;
    plot_->Curves[curve].Visible = !plot_->Curves[curve].Visible;
    viewport()->update();
    emit curveToggled(curve);
}
