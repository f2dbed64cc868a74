#include "graphs/graph_plot.h"

#include "graphs/plot_form.h"
#include "grid/number_format.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <array>

void TLine::SetCount(int n) {
    if (n < 0) n = 0;
    Points.resize(static_cast<std::size_t>(n));  // new points value-initialised to (0, 0)
}

TLine& TCurveList::Add() {
    const TCurveList& first = owner_->Curves;
    const int points = first.IsEmpty() ? 0 : first[0].Count();
    auto line = std::make_unique<TLine>(owner_, static_cast<long double>(Count() + 1));
    line->SetCount(points);
    lines_.push_back(std::move(line));
    return *lines_.back();
}

void TCurveList::SetCount(int n) {
    if (n < 0) n = 0;
    if (n < Count()) {
        lines_.resize(static_cast<std::size_t>(n));
        return;
    }
    while (Count() < n) Add();
}

void TCurveList::SetPointCount(int n) {
    for (auto& line : lines_) line->SetCount(n);
}

TGraphPlot::TGraphPlot(QObject* parent) : QObject(parent) {}

TGraphPlot::~TGraphPlot() {
    // The window belongs to the graph: it reads the curves while it exists.
    delete frame_.data();
}

QString TGraphPlot::DisplayName(int index) const {
    if (index < 0 || index >= Curves.Count()) return QString();
    const TLine& line = Curves[index];
    if (!line.Name.isEmpty()) return line.Name;
    if (index < LineNames.size()) return LineNames[index];
    return CurveName + torvex::graphs::FormatCurveValue(line.Value);
}

namespace {

QString AxisText(const QString& caption, const QString& units, int system) {
    if (units.isEmpty()) return caption;
    return caption + QStringLiteral(" (") + torvex::graphs::ReplaceUnitLetters(units, system) + QLatin1Char(')');
}

}  // namespace

QString TGraphPlot::XAxisText(int panel) const {
    switch (panel) {
    case 2: return AxisText(XCaption2, XUnits2, units_);
    case 3: return AxisText(XCaption3, XUnits3, units_);
    default: return AxisText(XCaption, XUnits, units_);
    }
}

QString TGraphPlot::YAxisText(int panel) const {
    switch (panel) {
    case 2: return AxisText(YCaption2, YUnits2, units_);
    case 3: return AxisText(YCaption3, YUnits3, units_);
    default: return AxisText(YCaption, YUnits, units_);
    }
}

void TGraphPlot::Show(QMdiArea* area) {
    if (form_.isNull()) {
        auto* form = new TPlotForm(this);
        if (!form->RangesValid()) {  // nothing can be scaled: the window closes at once
            delete form;
            return;
        }
        form_ = form;
        if (area != nullptr) {
            QMdiSubWindow* sub = area->addSubWindow(form);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            frame_ = sub;
            sub->showMaximized();
        } else {
            form->setAttribute(Qt::WA_DeleteOnClose);
            frame_ = form;
            form->show();
        }
        return;
    }
    QWidget* frame = Window();
    if (frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    frame->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub != nullptr && sub->mdiArea() != nullptr)
        sub->mdiArea()->setActiveSubWindow(sub);
    else
        frame->activateWindow();
}

TPlotForm* TGraphPlot::Form() const { return form_.data(); }

QWidget* TGraphPlot::Window() const {
    return frame_.isNull() ? static_cast<QWidget*>(form_.data()) : frame_.data();
}

void TGraphPlot::CloseWindow() {
    if (QWidget* frame = Window()) frame->close();
}

namespace torvex::graphs {

QColor CurveColor(int k) {
    static constexpr std::array<std::array<int, 3>, 17> kSequence = {{
        {0, 0, 0},     {0, 0, 255},     {255, 0, 0},     {0, 128, 0},   {128, 0, 128},   {128, 0, 0},
        {0, 0, 128},   {255, 0, 255},   {128, 128, 0},   {0, 128, 128}, {128, 128, 128}, {0, 255, 0},
        {128, 128, 128}, {192, 192, 192}, {192, 192, 192}, {255, 255, 0}, {0, 255, 255},
    }};
    const auto& c = kSequence[static_cast<std::size_t>(((k % 17) + 17) % 17)];
    return QColor(c[0], c[1], c[2]);
}

QString ReplaceUnitLetters(const QString& text, int units) {
    if (units != 1 && units != 2) return text;
    const bool english = units == 1;
    QString out = text;
    // Force first, then length; a numbered symbol wins over the plain letter.
    if (out.contains(QLatin1String("F2")))
        out.replace(QLatin1String("F2"), english ? QStringLiteral("tons") : QStringLiteral("kN"));
    else if (out.contains(QLatin1String("F1")))
        out.replace(QLatin1String("F1"), english ? QStringLiteral("kips") : QStringLiteral("kN"));
    else
        out.replace(QLatin1Char('F'), english ? QStringLiteral("lbs") : QStringLiteral("kN"));
    if (out.contains(QLatin1String("L2")))
        out.replace(QLatin1String("L2"), english ? QStringLiteral("ft") : QStringLiteral("m"));
    else if (out.contains(QLatin1String("L1")))
        out.replace(QLatin1String("L1"), english ? QStringLiteral("in") : QStringLiteral("mm"));
    else
        out.replace(QLatin1Char('L'), english ? QStringLiteral("in") : QStringLiteral("m"));
    return out;
}

QString FormatCurveValue(long double value) { return torvex::FormatGeneral(value, 15); }

}  // namespace torvex::graphs
