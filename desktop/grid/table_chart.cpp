#include "grid/table_chart.h"

#include "grid/definition_stream.h"
#include "grid/number_format.h"
#include "grid/table_chart_form.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

TTableRegistry& ChartRegistry() {
    static TTableRegistry registry;
    return registry;
}

}  // namespace

TGridTableChart::TGridTableChart(QObject* parent) : TGridTable(parent, &ChartRegistry()) {}

const QList<TGridTable*>& TGridTableChart::ChartTables() { return ChartRegistry().tables; }

std::unique_ptr<TGridTable> TGridTableChart::NewOfSameKind() const { return std::make_unique<TGridTableChart>(); }

void TGridTableChart::CopySettingsTo(TGridTable& other) const {
    TGridTable::CopySettingsTo(other);
    auto& chart = static_cast<TGridTableChart&>(other);
    chart.GetDataFromFile = GetDataFromFile;
    chart.OKCancelButtons = OKCancelButtons;
    chart.InvertedXAxis = InvertedXAxis;
    chart.InvertedYAxis = InvertedYAxis;
    chart.ChartFlag = ChartFlag;
    chart.PaintedFlag = PaintedFlag;
    chart.XColumn = XColumn;
    chart.YColumn = YColumn;
    chart.Parameter5 = Parameter5;
    chart.Parameter6 = Parameter6;
}

TTableForm* TGridTableChart::CreateWindow() { return new TTableChartForm(this); }

void TGridTableChart::WriteExtraDefinition(TDefinitionWriter& writer) const {
    writer.WriteBoolean(ChartFlag);
    writer.WriteBoolean(PaintedFlag);
    writer.WriteInteger(XColumn);
    writer.WriteInteger(YColumn);
    writer.WriteInteger(Parameter5);
    writer.WriteInteger(Parameter6);
}

void TGridTableChart::ReadExtraDefinition(TDefinitionReader& reader) {
    try {
        ChartFlag = reader.ReadBoolean();
        PaintedFlag = reader.ReadBoolean();
        XColumn = reader.ReadInteger();
        YColumn = reader.ReadInteger();
        Parameter5 = reader.ReadInteger();
        Parameter6 = reader.ReadInteger();
    } catch (const TMessageError&) {
        throw EDefinitionError(QString::fromLatin1(kErrorReadingGraphic));
    }
}

// ---------------------------------------------------------------- chart content

namespace {

double ValueOf(const TColumn* column, int row) {
    if (column->Kind() == ColumnKind::Real) return column->GetReal(row);
    if (column->Kind() == ColumnKind::Integer || column->Kind() == ColumnKind::Choice) return column->GetInteger(row);
    return 0.0;
}

QString CaptionOf(const TColumn* column) { return column->Captions().join(QLatin1Char(' ')); }

}  // namespace

QString AxisLabelPattern(double smallest, double largest) {
    const double a = std::fabs(smallest), b = std::fabs(largest);
    if (a == 0 && b == 0) return QString::fromLatin1(kPatternPlain);
    if (a > 100000 || b > 100000 || (a < 0.001 && b < 0.001)) return QString::fromLatin1(kPatternScientific);
    return QString::fromLatin1(kPatternPlain);
}

QString FormatAxisLabel(double value, const QString& pattern) {
    const QLocale locale;
    if (pattern == QLatin1String(kPatternScientific)) {
        // One digit before the separator, one to three after it, exponent
        // with a sign only when negative: 1.5E5, 2.0E-4.
        if (value == 0) return QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("0E0");
        int exponent = int(std::floor(std::log10(std::fabs(value))));
        double mantissa = value / std::pow(10.0, exponent);
        mantissa = std::round(mantissa * 1000.0) / 1000.0;
        if (std::fabs(mantissa) >= 10.0) {
            mantissa /= 10.0;
            ++exponent;
        }
        QString digits = QString::number(std::fabs(mantissa), 'f', 3);
        while (digits.endsWith(QLatin1Char('0')) && digits.indexOf(QLatin1Char('.')) < digits.size() - 2) digits.chop(1);
        digits.replace(QLatin1Char('.'), locale.decimalPoint());
        return (mantissa < 0 ? QStringLiteral("-") : QString()) + digits + QLatin1Char('E') + QString::number(exponent);
    }
    // Thousands grouped, at least one integer digit, up to three decimals.
    const double rounded = std::round(value * 1000.0) / 1000.0;
    QString text = locale.toString(rounded, 'f', 3);
    const QString point = locale.decimalPoint();
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(point)) text.chop(point.size());
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

TChartContent BuildChartContent(const TGridTableChart& table) {
    TChartContent content;
    const TColumn* x = table.Column(table.XColumn);
    const TColumn* y = table.Column(table.YColumn);
    if (x == nullptr || y == nullptr) return content;
    content.xTitle = x->CaptionLine(0);
    content.yTitle = y->CaptionLine(0);
    content.series1Title = CaptionOf(y);
    const int rows = table.RowCount();
    for (int r = 0; r < rows; ++r) content.series1 << QPointF(ValueOf(x, r), ValueOf(y, r));

    // Three data columns plotted as x, y: the third against the first too.
    content.showSecond = table.VisibleColumnCount() == 3 && table.ColumnCount() == 3 && table.XColumn == 0 &&
                         table.YColumn == 1;
    if (content.showSecond) {
        const TColumn* third = table.Column(2);
        content.series2Title = CaptionOf(third);
        for (int r = 0; r < rows; ++r) content.series2 << QPointF(ValueOf(x, r), ValueOf(third, r));
    }

    auto range = [](const QList<QPointF>& points, bool alongX, double& lo, double& hi) {
        for (const QPointF& p : points) {
            const double v = alongX ? p.x() : p.y();
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    };
    if (rows == 0) return content;
    content.xMin = content.xMax = content.series1.front().x();
    content.yMin = content.yMax = content.series1.front().y();
    range(content.series1, true, content.xMin, content.xMax);
    range(content.series1, false, content.yMin, content.yMax);
    range(content.series2, false, content.yMin, content.yMax);
    content.xPattern = AxisLabelPattern(content.xMin, content.xMax);
    content.yPattern = AxisLabelPattern(content.yMin, content.yMax);

    // All y equal: a flat line in the middle of a band of +-10 % around it.
    const double first = content.series1.front().y();
    const bool allEqual = std::all_of(content.series1.begin(), content.series1.end(),
                                      [&](const QPointF& p) { return p.y() == first; });
    if (rows > 1 && allEqual && !content.showSecond) {
        content.flat = true;
        if (first == 0) {
            content.yMin = -1;
            content.yMax = 1;
        } else {
            content.yMin = std::min(0.9 * first, 1.1 * first);
            content.yMax = std::max(0.9 * first, 1.1 * first);
        }
        content.series1[1].setY(1.001 * first);
    }
    return content;
}

QList<double> ParseCurveLine(const QString& line) {
    static const QRegularExpression kSeparators(QStringLiteral("[ \\t,\\r\\n]+"));
    QList<double> numbers;
    const QStringList pieces = line.split(kSeparators, Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        if (numbers.size() >= 15) break;
        long double value = 0;
        if (torvex::ParseNumber(piece, value) != torvex::NumberParse::Ok ||
            std::fabs(value) > static_cast<long double>(1.7976931348623157e308))
            break;
        numbers << double(value);
    }
    return numbers;
}
