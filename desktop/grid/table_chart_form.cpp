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
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QValueAxis>
#include <cmath>

namespace {

TTableChartForm::OpenFileDialog g_openFileDialog;

QImage MarkerImage(const QColor& color, bool diamond) {
    const int size = 9;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, diamond);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color);
    if (diamond) {
        const QPointF points[] = {{size / 2.0, 0.5}, {size - 0.5, size / 2.0}, {size / 2.0, size - 0.5}, {0.5, size / 2.0}};
        painter.drawPolygon(points, 4);
    } else {
        painter.drawRect(1, 1, size - 3, size - 3);
    }
    return image;
}

// About five round steps (1, 2 or 5 times a power of ten) across the range.
double TickStep(double range) {
    if (!(range > 0)) return 1.0;
    const double raw = range / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power) return m * power;
    return 10.0 * power;
}

// A value axis whose labels follow the table's label pattern.
QCategoryAxis* MakeAxis(double lo, double hi, const QString& pattern, const QString& title, bool reverse) {
    if (!(hi > lo)) {
        const double pad = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
    auto* axis = new QCategoryAxis();
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
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
    axis->setGridLineVisible(true);
    return axis;
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
        series1_->setLightMarker(MarkerImage(Qt::red, true));
        series1_->setPointsVisible(true);
        series2_ = new QLineSeries();
        series2_->setName(QStringLiteral("Series2"));
        series2_->setPen(QPen(Qt::green, 2));
        series2_->setLightMarker(MarkerImage(Qt::green, false));
        series2_->setPointsVisible(true);
        series2_->setVisible(false);
        chart_->addSeries(series1_);
        chart_->addSeries(series2_);
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
    series2_->replace(content.series2);
    series2_->setVisible(content.showSecond);
    if (content.showSecond) {
        series1_->setName(content.series1Title);
        series2_->setName(content.series2Title);
        chart_->legend()->show();
        chart_->legend()->setAlignment(Qt::AlignBottom);
        for (QLegendMarker* marker : chart_->legend()->markers(series2_)) marker->setVisible(true);
    } else {
        chart_->legend()->hide();
    }
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    QCategoryAxis* x = MakeAxis(content.xMin, content.xMax, content.xPattern, content.xTitle, ChartTable()->InvertedXAxis);
    QCategoryAxis* y = MakeAxis(content.yMin, content.yMax, content.yPattern, content.yTitle, ChartTable()->InvertedYAxis);
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : {series1_, series2_}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
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
