// The floating legend of a graph window: an owner-drawn list with one item
// per Active curve, written in the curve's colour and marked " *" while the
// curve is drawn. It can be dragged inside the window; a double click shows
// or hides the curve of the selected item.
#pragma once

#include <QListWidget>
#include <QPoint>

class TGraphPlot;

class TPlotLegend : public QListWidget {
    Q_OBJECT

public:
    TPlotLegend(TGraphPlot* plot, QWidget* parent);

    // Adds the item of Curves[curveIndex]; its colour slot is its row.
    void AddCurve(const QString& caption, int curveIndex);
    int CurveIndex(int row) const;
    int ItemHeight() const { return itemHeight_; }
    // Font size for a SizeFont factor f: f x LegendFont / 10 points; the
    // item height is 3/2 of it, the box as high as its items and wide enough
    // for every text plus " *" plus a quarter inch.
    void ResizeFor(int sizeFont, int legendFont);
    // Widens the box to any item's text plus " *" plus extra pixels.
    void GrowToFit(int extra);
    // Keeps the box inside its parent's client area.
    void KeepInside();
    bool Dragged() const { return dragged_; }
    bool Dragging() const { return dragging_; }

signals:
    void curveToggled(int curveIndex);
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class TLegendDelegate;
    QString ItemText(int row) const;
    int TextWidth(int row) const;

    TGraphPlot* plot_;
    int itemHeight_ = 16;
    bool dragging_ = false;
    bool dragged_ = false;  // the user has placed the box
    QPoint pressGlobal_;
    QPoint pressPos_;
};
