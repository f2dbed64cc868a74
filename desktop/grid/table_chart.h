// TGridTableChart: a grid table drawn as a line chart of two of its columns
// (curve tables: p-y curves, moment-EI curves), optionally filled from a text
// file or the clipboard. Chart tables have a registry of their own.
#pragma once

#include "grid/grid_table.h"

#include <QList>
#include <QPointF>
#include <QString>

inline constexpr const char kErrorReadingGraphic[] = "Error reading graphic parameters";

class TGridTableChart : public TGridTable {
    Q_OBJECT

public:
    explicit TGridTableChart(QObject* parent = nullptr);

    bool GetDataFromFile = false;
    bool OKCancelButtons = false;
    bool InvertedXAxis = false;
    bool InvertedYAxis = false;
    bool ChartFlag = false;    // the table is drawn as a chart
    bool PaintedFlag = false;  // stored only: no table draws on a plain surface
    int XColumn = 0;           // 0-based columns plotted across and up
    int YColumn = 1;
    int Parameter5 = 0;  // two further stored integers, 0 in every table
    int Parameter6 = 0;

    bool ChartSymbolsOnly() const override { return true; }
    static const QList<TGridTable*>& ChartTables();

protected:
    std::unique_ptr<TGridTable> NewOfSameKind() const override;
    void CopySettingsTo(TGridTable& other) const override;
    TTableForm* CreateWindow() override;
    void WriteExtraDefinition(TDefinitionWriter& writer) const override;
    void ReadExtraDefinition(TDefinitionReader& reader) override;
};

// What the chart of a table shows, computed from the table alone.
struct TChartContent {
    QList<QPointF> series1;
    QList<QPointF> series2;  // column 3 against column 1, for three data columns
    bool showSecond = false;
    QString xTitle, yTitle;            // first caption lines of the x and y columns
    QString series1Title, series2Title;
    bool flat = false;  // every y equal: the vertical axis is fixed around it
    double yMin = 0, yMax = 0, xMin = 0, xMax = 0;
    QString xPattern, yPattern;  // axis label patterns
};
TChartContent BuildChartContent(const TGridTableChart& table);

// Label patterns of the chart axes and their formatting.
inline constexpr const char kPatternPlain[] = "#,##0.###";
inline constexpr const char kPatternScientific[] = "#.0##E-0";
QString AxisLabelPattern(double smallest, double largest);
QString FormatAxisLabel(double value, const QString& pattern);

// Numbers of one line of a curve file: cut at blanks, TABs and commas,
// leading blanks skipped, at most 15, stopping at the first piece that is no
// number in the user's locale.
QList<double> ParseCurveLine(const QString& line);
