// TGraphPlot: a non-visual result graph. It holds curves of (X, Y) points in
// up to four lists, the axis captions and unit letters, and the display
// options that the graph window (TPlotForm) reads and changes. The options
// outlive the window; a new load of results replaces the points.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QMdiArea;
class QWidget;
class TGraphPlot;
class TPlotForm;

struct TFloatPoint {
    long double X = 0;
    long double Y = 0;
};

// One curve.
class TLine {
public:
    TLine(TGraphPlot* owner, long double value) : Value(value), owner_(owner) {}

    std::vector<TFloatPoint> Points;  // in drawing order
    long double Value;                // number shown after the owner's CurveName
    QString Name;                     // explicit name; empty = default name
    bool Visible = true;              // drawn
    bool Active = true;               // listed in the legend and the Plot menu

    TGraphPlot* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(Points.size()); }
    // Frees points from the end or appends points at (0, 0); below 0 counts as 0.
    void SetCount(int n);

private:
    TGraphPlot* owner_;
};

// A list of curves of one panel (or the soil-layer lines).
class TCurveList {
public:
    explicit TCurveList(TGraphPlot* owner) : owner_(owner) {}
    TCurveList(const TCurveList&) = delete;
    TCurveList& operator=(const TCurveList&) = delete;

    int Count() const { return static_cast<int>(lines_.size()); }
    bool IsEmpty() const { return lines_.empty(); }
    TLine& operator[](int i) { return *lines_.at(static_cast<std::size_t>(i)); }
    const TLine& operator[](int i) const { return *lines_.at(static_cast<std::size_t>(i)); }

    // Appends a curve whose Value is its 1-based position and which starts
    // with as many points as the first curve of the owner's Curves list.
    TLine& Add();
    // Frees curves from the end or appends new ones (as Add).
    void SetCount(int n);
    // Gives every curve of the list n points.
    void SetPointCount(int n);
    // The list is drawn only when its first curve has more than one point.
    bool HasDrawableData() const { return !lines_.empty() && lines_.front()->Count() > 1; }

private:
    TGraphPlot* owner_;
    std::vector<std::unique_ptr<TLine>> lines_;
};

class TGraphPlot : public QObject {
    Q_OBJECT

public:
    explicit TGraphPlot(QObject* parent = nullptr);
    ~TGraphPlot() override;

    // Published options.
    QString CurveName = QStringLiteral("Curve #");
    QString Caption;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    int WallLineCount = 0;  // soil-layer lines in LayerLines before the two wall lines
    int Markers = 1;        // 0 none, n: a marker on every n-th point
    int SizeFont = 10;      // text size factor in tenths
    int LegendFont = 11;    // legend base font size, points
    int WidthLine = 1;      // curve pen width factor
    int Units() const { return units_; }
    void SetUnits(int units) { units_ = units < 1 ? 1 : (units > 3 ? 3 : units); }
    QString XCaption, XUnits, YCaption, YUnits;
    bool XOnTop = true;  // X axis on top, Y (depth) growing downwards
    QString XCaption2, XUnits2, YCaption2, YUnits2;
    QString XCaption3, XUnits3, YCaption3, YUnits3;
    // May change a curve's legend caption as a window is created.
    std::function<void(TGraphPlot* graph, int curve, QString& caption)> onGetCaption;

    // Curves of the only or first panel, soil-layer lines (then the two wall
    // lines), curves of the second and third panels.
    TCurveList Curves{this};
    TCurveList LayerLines{this};
    TCurveList Curves2{this};
    TCurveList Curves3{this};
    QStringList LineNames;
    QString GraphTitle;
    bool GraphTitleOnTop = false;
    long double SoilTop = 0;    // depth where the soil column starts
    bool LimitCurves = true;    // at most 20 curves Active when a window opens

    // Displayed name of Curves[index]: Name, else LineNames[index], else
    // CurveName followed by Value in the shortest general format.
    QString DisplayName(int index) const;
    // Axis caption of panel 1..3: caption, then " (units)" when units are set.
    QString XAxisText(int panel) const;
    QString YAxisText(int panel) const;

    // Creates the graph window on first use, shows it (maximised inside an
    // MDI area, or as a window of its own without one) and restores it when
    // minimised. A graph whose Y range cannot be stepped gets no window.
    void Show(QMdiArea* area = nullptr);
    TPlotForm* Form() const;
    // The window frame: the MDI child window, or the form itself.
    QWidget* Window() const;
    void CloseWindow();

private:
    int units_ = 1;
    QPointer<TPlotForm> form_;
    QPointer<QWidget> frame_;
};

namespace torvex::graphs {

// Colour k of the sequence used for curves, legend texts and markers,
// counted among the Active curves, modulo 17.
QColor CurveColor(int k);

// Unit letters F, F1, F2, L, L1, L2 replaced by the labels of a units system
// (1 English, 2 SI); with 3 the text is shown as written.
QString ReplaceUnitLetters(const QString& text, int units);

// Shortest general float format used in default curve names.
QString FormatCurveValue(long double value);

}  // namespace torvex::graphs
