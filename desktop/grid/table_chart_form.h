// TTableChartForm: the table window of a chart table: the curve drawn above
// the grid and, for curve tables, a row of commands that fill the table from
// a text file or from the clipboard.
#pragma once

#include "grid/table_form.h"

#include <QStringList>
#include <functional>

class QChart;
class QChartView;
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class TGridTableChart;

inline constexpr const char kFileNameLabel[] = "File Name:";
inline constexpr const char kBrowseText[] = "Browse";
inline constexpr const char kViewEditText[] = "View/Edit File";
inline constexpr const char kReadFileText[] = "Read values from File";
inline constexpr const char kPasteText[] = "Paste values from  Clipboard (text)";
inline constexpr const char kNoClipboardText[] = "There is no text on the Clipboard";
inline constexpr const char kEditorFailed[] = "An error occurred in running the Word Processor";
inline constexpr const char kCurveFileFilter[] = "Text Files (*.txt);;Data Files (*.dat);;All Files (*)";
inline constexpr const char kNothingRead[] = "No values were read: no line holds exactly %1 numbers.";

class TTableChartForm : public TTableForm {
    Q_OBJECT

public:
    explicit TTableChartForm(TGridTableChart* table);

    // The file dialog of "Browse"; tests replace it. Returns the chosen name or "".
    using OpenFileDialog = std::function<QString(QWidget* parent, const QString& filter)>;
    static void SetOpenFileDialog(OpenFileDialog dialog);  // empty = the platform dialog

    TGridTableChart* ChartTable() const;
    QChartView* ChartView() const { return chartView_; }
    QLineSeries* Series1() const { return series1_; }
    QLineSeries* Series2() const { return series2_; }
    QScatterSeries* Points1() const { return points1_; }
    QLineEdit* FileNameEdit() const { return fileEdit_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* ViewEditButton() const { return viewEdit_; }
    QPushButton* ReadFileButton() const { return readFile_; }
    QPushButton* PasteButton() const { return paste_; }

    void RedrawChart();
    void BrowseClick();
    void ViewEditClick();
    void ReadFileClick();
    void PasteClick();
    // Fills the table from the lines of a text: each line with exactly one
    // number per column becomes the next row.
    void ReadValuesFromLines(const QStringList& lines);

protected:
    int InitialRowsLimit() const override;
    QSize TopAreaSize(int contentWidth) const override;
    void PlaceTopArea(const QRect& area) override;
    QSize BottomRowSize() const override;
    void PlaceBottomRow(const QPoint& at) override;
    void TableValuesChanged() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void UpdateFileButtons();

    QChartView* chartView_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* series1_ = nullptr;
    QLineSeries* series2_ = nullptr;
    QScatterSeries* points1_ = nullptr;
    QScatterSeries* points2_ = nullptr;
    QCategoryAxis* xAxis_ = nullptr;
    QCategoryAxis* yAxis_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLineEdit* fileEdit_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* viewEdit_ = nullptr;
    QPushButton* readFile_ = nullptr;
    QPushButton* paste_ = nullptr;
};
