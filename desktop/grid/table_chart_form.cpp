#include "grid/table_chart_form.h"

#include "grid/message_box.h"
#include "grid/table_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QValueAxis>
#include <cmath>

namespace {

TTableChartForm::OpenFileDialog g_openFileDialog;

// About eight round steps (1, 2, 2.5 or 5 times a power of ten) across the range.
double TickStep(double range) {
    if (!(range > 0)) return 1.0;
    const double raw = range / 8.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * power) return m * power;
    return 10.0 * power;
}

// Sets a value axis to a range with round ticks labelled by the table's pattern.
void SetAxis(QCategoryAxis* axis, double lo, double hi, bool fixed, const QString& pattern, const QString& title,
             bool reverse) {
    if (!(hi > lo)) {
        const double pad = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    } else if (!fixed) {
        // A little room so the points at the ends are drawn whole.
        const double pad = (hi - lo) * 0.04;
        lo -= pad;
        hi += pad;
    }
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setRange(lo, hi);
    axis->setStartValue(lo);
    const double step = TickStep(hi - lo);
    QStringList used;
    for (double v = std::ceil(lo / step - 1e-9) * step; v <= hi + step * 1e-9; v += step) {
        const double tick = std::fabs(v) < step * 1e-9 ? 0.0 : v;
        const QString label = FormatAxisLabel(tick, pattern);
        if (used.contains(label)) continue;
        used << label;
        axis->append(label, tick);
    }
    axis->setTitleText(title);
    axis->setReverse(reverse);
}

}  // namespace

void TTableChartForm::SetOpenFileDialog(OpenFileDialog dialog) { g_openFileDialog = std::move(dialog); }

TTableChartForm::TTableChartForm(TGridTableChart* table) : TTableForm(table) {
    if (table->ChartFlag) {
        chart_ = new QChart();
        chart_->legend()->hide();
        chart_->setMargins(QMargins(4, 4, 4, 4));
        chart_->setBackgroundRoundness(0);
        series1_ = new QLineSeries();
        series1_->setName(QStringLiteral("Series1"));
        series1_->setPen(QPen(Qt::red, 2));

        series2_ = new QLineSeries();
        series2_->setName(QStringLiteral("Series2"));
        series2_->setPen(QPen(Qt::green, 2));
        series2_->setVisible(false);
        // The points: red diamonds on the first curve, green squares on the second.
        points1_ = new QScatterSeries();
        points1_->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        points1_->setMarkerSize(9);
        points1_->setColor(Qt::red);
        points1_->setBorderColor(Qt::red);
        points2_ = new QScatterSeries();
        points2_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        points2_->setMarkerSize(7);
        points2_->setColor(Qt::green);
        points2_->setBorderColor(Qt::darkGreen);
        points2_->setVisible(false);
        xAxis_ = new QCategoryAxis();
        yAxis_ = new QCategoryAxis();
        for (QCategoryAxis* axis : {xAxis_, yAxis_}) {
            axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
            axis->setGridLineVisible(true);
        }
        chart_->addAxis(xAxis_, Qt::AlignBottom);
        chart_->addAxis(yAxis_, Qt::AlignLeft);
        for (QXYSeries* s : std::initializer_list<QXYSeries*>{series1_, series2_, points1_, points2_}) {
            chart_->addSeries(s);
            s->attachAxis(xAxis_);
            s->attachAxis(yAxis_);
        }
        for (QScatterSeries* s : {points1_, points2_})
            for (QLegendMarker* marker : chart_->legend()->markers(s)) marker->setVisible(false);
        chartView_ = new QChartView(chart_, this);
        chartView_->setRenderHint(QPainter::Antialiasing);
        connect(Grid(), &TTableGrid::keyActivity, this, &TTableChartForm::RedrawChart);
    }
    if (table->GetDataFromFile) {
        fileLabel_ = new QLabel(QString::fromLatin1(kFileNameLabel), this);
        fileEdit_ = new QLineEdit(this);
        browse_ = new QPushButton(QString::fromLatin1(kBrowseText), this);
        viewEdit_ = new QPushButton(QString::fromLatin1(kViewEditText), this);
        readFile_ = new QPushButton(QString::fromLatin1(kReadFileText), this);
        paste_ = new QPushButton(QString::fromLatin1(kPasteText), this);
        for (QPushButton* b : {browse_, viewEdit_, readFile_, paste_}) b->setFocusPolicy(Qt::TabFocus);
        connect(browse_, &QPushButton::clicked, this, &TTableChartForm::BrowseClick);
        connect(viewEdit_, &QPushButton::clicked, this, &TTableChartForm::ViewEditClick);
        connect(readFile_, &QPushButton::clicked, this, &TTableChartForm::ReadFileClick);
        connect(paste_, &QPushButton::clicked, this, &TTableChartForm::PasteClick);
        connect(fileEdit_, &QLineEdit::textChanged, this, &TTableChartForm::UpdateFileButtons);
        UpdateFileButtons();
    }
    RedrawChart();
}

TGridTableChart* TTableChartForm::ChartTable() const { return static_cast<TGridTableChart*>(Table()); }

int TTableChartForm::InitialRowsLimit() const {
    return ChartTable() != nullptr && ChartTable()->ChartFlag ? 5 : 10;
}

QSize TTableChartForm::TopAreaSize(int contentWidth) const {
    if (chartView_ == nullptr) return {};
    return {contentWidth, int(std::lround(logicalDpiY() * 2.6))};
}

void TTableChartForm::PlaceTopArea(const QRect& area) {
    if (chartView_ != nullptr) chartView_->setGeometry(area);
}

QSize TTableChartForm::BottomRowSize() const {
    if (fileEdit_ == nullptr) return {};
    const int m = Margin();
    int width = 0, height = 0;
    for (QPushButton* b : {browse_, viewEdit_, readFile_, paste_}) {
        width += b->sizeHint().width();
        height = std::max(height, b->sizeHint().height());
    }
    width += 3 * m;
    const int line = std::max(fileLabel_->sizeHint().height(), fileEdit_->sizeHint().height());
    return {width, line + m + height};
}

void TTableChartForm::PlaceBottomRow(const QPoint& at) {
    if (fileEdit_ == nullptr) return;
    const int m = Margin();
    const QSize size = BottomRowSize();
    const int line = std::max(fileLabel_->sizeHint().height(), fileEdit_->sizeHint().height());
    fileLabel_->setGeometry(at.x(), at.y(), fileLabel_->sizeHint().width(), line);
    const int editX = at.x() + fileLabel_->sizeHint().width() + m;
    fileEdit_->setGeometry(editX, at.y(), at.x() + size.width() - editX, line);
    int x = at.x();
    const int y = at.y() + line + m;
    for (QPushButton* b : {browse_, viewEdit_, readFile_, paste_}) {
        b->setGeometry(x, y, b->sizeHint().width(), b->sizeHint().height());
        x += b->sizeHint().width() + m;
    }
}

void TTableChartForm::TableValuesChanged() { RedrawChart(); }

void TTableChartForm::mousePressEvent(QMouseEvent* event) {
    TTableForm::mousePressEvent(event);
    RedrawChart();
}

void TTableChartForm::RedrawChart() {
    if (chart_ == nullptr || ChartTable() == nullptr) return;
    const TChartContent content = BuildChartContent(*ChartTable());
    series1_->replace(content.series1);
    points1_->replace(content.series1);
    series2_->replace(content.series2);
    points2_->replace(content.series2);
    series2_->setVisible(content.showSecond);
    points2_->setVisible(content.showSecond);
    if (content.showSecond) {
        series1_->setName(content.series1Title);
        series2_->setName(content.series2Title);
        chart_->legend()->setAlignment(Qt::AlignBottom);
        chart_->legend()->show();
        for (QScatterSeries* s : {points1_, points2_})
            for (QLegendMarker* marker : chart_->legend()->markers(s)) marker->setVisible(false);
    } else {
        chart_->legend()->hide();
    }
    SetAxis(xAxis_, content.xMin, content.xMax, false, content.xPattern, content.xTitle, ChartTable()->InvertedXAxis);
    SetAxis(yAxis_, content.yMin, content.yMax, content.flat, content.yPattern, content.yTitle, ChartTable()->InvertedYAxis);
}

// ---------------------------------------------------------------- file commands

void TTableChartForm::UpdateFileButtons() {
    if (fileEdit_ == nullptr) return;
    const bool exists = QFileInfo(fileEdit_->text()).isFile();
    viewEdit_->setEnabled(exists);
    readFile_->setEnabled(exists);
}

void TTableChartForm::BrowseClick() {
    if (!ValidateCurrentCell()) return;
    const QString filter = QString::fromLatin1(kCurveFileFilter);
    const QString name = g_openFileDialog ? g_openFileDialog(this, filter)
                                          : QFileDialog::getOpenFileName(this, QString(), fileEdit_->text(), filter);
    if (name.isEmpty()) return;
    fileEdit_->setText(name);
    UpdateFileButtons();
}

void TTableChartForm::ViewEditClick() {
    if (!torvex::LaunchTextEditor(fileEdit_->text())) Information(QString::fromLatin1(kEditorFailed));
}

void TTableChartForm::ReadFileClick() {
    if (!ValidateCurrentCell()) return;
    QFile file(fileEdit_->text());
    if (!file.open(QIODevice::ReadOnly)) {
        Information(file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Information(file.errorString());
        return;
    }
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
    ReadValuesFromLines(QString::fromUtf8(bytes).split(kLineBreak));
}

void TTableChartForm::PasteClick() {
    if (!ValidateCurrentCell()) return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) {
        Information(QString::fromLatin1(kNoClipboardText));
        return;
    }
    // The last line counts even without a line break after it.
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
    ReadValuesFromLines(text.split(kLineBreak));
}

void TTableChartForm::ReadValuesFromLines(const QStringList& lines) {
    TGridTableChart* table = ChartTable();
    if (table == nullptr) return;
    const int columns = table->ColumnCount();
    QList<QList<double>> rows;
    for (const QString& line : lines) {
        if (table->MaxRows() != 0 && rows.size() >= table->MaxRows()) break;
        const QList<double> numbers = ParseCurveLine(line);
        if (numbers.size() == columns) rows << numbers;
    }
    // A text without a single usable line leaves the curve as it was.
    if (rows.isEmpty()) {
        Information(QString::fromLatin1(kNothingRead).arg(columns));
        return;
    }
    for (int r = 0; r < rows.size(); ++r) {
        if (r >= table->RowCount()) {
            GrowRowsShown();
            table->AppendGroup();
        }
        for (int c = 0; c < columns; ++c) {
            TColumn* column = table->Column(c);
            if (column->Kind() == ColumnKind::Real)
                column->SetReal(r, rows[r][c]);
            else if (column->Kind() == ColumnKind::Integer)
                column->SetInteger(r, int(std::lround(std::clamp(rows[r][c], -2147483648.0, 2147483647.0))));
        }
    }
    table->SetRowCount(int(rows.size()));
    table->SetChanged();
    FillGrid();
    LayOut();
    RedrawChart();
    emit valuesEdited();
}
