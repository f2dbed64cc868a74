// Chart tables: their own registry and stored parameters, the chart drawn
// from the table, and the file and clipboard commands of curve tables.
#include "grid/table_chart.h"
#include "grid/table_chart_form.h"
#include "widget_test_support.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torvex::test;

namespace {

// An external p-y curve: deflection y across, soil resistance p up, 2 to 17 points.
std::unique_ptr<TGridTableChart> MakeCurve() {
    auto t = std::make_unique<TGridTableChart>();
    t->SetIdentifier(38);
    t->Caption = "External p-y Curve";
    t->TopLeft = "Point";
    t->SetMinRows(2);
    t->SetMaxRows(17);
    t->ChartFlag = true;
    t->GetDataFromFile = true;
    t->XColumn = 0;
    t->YColumn = 1;
    t->Add<TFloatColumn>(QStringList{"Lateral Deflection, y (*)"}, "L");
    t->Add<TFloatColumn>(QStringList{"Soil Resistance, p"}, "F/L");
    return t;
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(ChartTable, RegistryIsSeparateFromGridTables) {
    TGridTable grid;
    grid.SetIdentifier(0);
    TGridTableChart chart;
    chart.SetIdentifier(0);
    EXPECT_EQ(grid.Identifier(), 0);  // no swap across the two registries
    EXPECT_EQ(grid.FindTable(0), &grid);
    EXPECT_EQ(chart.FindTable(0), &chart);
    EXPECT_TRUE(TGridTableChart::ChartTables().contains(&chart));
    EXPECT_FALSE(TGridTable::GridTables().contains(&chart));

    // A table column of a chart table makes chart sub-tables from chart templates.
    auto curve = MakeCurve();
    TGridTableChart sets;
    sets.Add<TIntColumn>(QStringList{"Node # "});
    sets.Add<TTableColumn>(QStringList{"Curve Sets"}, QList<int>{38});
    sets.SetRowCount(2);
    auto* sub = qobject_cast<TGridTableChart*>(sets.Cell(1, 1).SubTable());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->ChartFlag);
    EXPECT_TRUE(sub->GetDataFromFile);
    EXPECT_EQ(sub->RowCount(), 2);
    EXPECT_EQ(sub->WindowTitle(), QStringLiteral("External p-y Curve  2"));
}

TEST(ChartTable, DefinitionKeepsTheGraphicParameters) {
    auto curve = MakeCurve();
    curve->PaintedFlag = true;
    curve->Parameter6 = 3;
    const QString written = curve->WriteDefinition();
    TGridTableChart copy;
    copy.ReadDefinition(written);
    EXPECT_TRUE(copy.ChartFlag);
    EXPECT_TRUE(copy.PaintedFlag);
    EXPECT_EQ(copy.XColumn, 0);
    EXPECT_EQ(copy.YColumn, 1);
    EXPECT_EQ(copy.Parameter6, 3);
    EXPECT_EQ(copy.WriteDefinition(), written);
    // Chart labels know only F, F1, F2, L, L1 and L2.
    EXPECT_EQ(copy.Column(1)->HeaderLine(0), QStringLiteral("Soil Resistance, p (lbs/in)  "));

    QString truncated = written.left(written.lastIndexOf("Integer"));
    TGridTableChart broken;
    try {
        broken.ReadDefinition(truncated);
        ADD_FAILURE() << "truncated parameters were read";
    } catch (const EDefinitionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Error reading graphic parameters"));
    }
}

TEST(ChartContent, AxisLabelPatternRule) {
    const struct {
        double lo, hi;
        const char* pattern;
    } cases[] = {{0, 0, "#,##0.###"},        {-5, 20, "#,##0.###"},      {0, 100000, "#,##0.###"},
                 {0, 100001, "#.0##E-0"},    {-200000, 1, "#.0##E-0"},   {0.0001, 0.0009, "#.0##E-0"},
                 {0, 0.0005, "#.0##E-0"},    {0.0001, 0.002, "#,##0.###"}};
    for (const auto& c : cases) EXPECT_EQ(AxisLabelPattern(c.lo, c.hi), QString::fromLatin1(c.pattern)) << c.lo << " " << c.hi;
}

TEST(ChartContent, AxisLabelFormats) {
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {{1234.5, "#,##0.###", "1,234.5"}, {0.0004, "#,##0.###", "0"},    {-2.125, "#,##0.###", "-2.125"},
                 {3, "#,##0.###", "3"},            {150000, "#.0##E-0", "1.5E5"}, {0.0002, "#.0##E-0", "2.0E-4"},
                 {-123456, "#.0##E-0", "-1.235E5"}, {0, "#.0##E-0", "0.0E0"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatAxisLabel(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text)) << c.value;
}

TEST(ChartContent, PointsTitlesAndTheFlatLineRule) {
    auto curve = MakeCurve();
    curve->SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
        curve->Cell(0, r).SetReal(r - 1.0);
        curve->Cell(1, r).SetReal(50);
    }
    TChartContent c = BuildChartContent(*curve);
    ASSERT_EQ(c.series1.size(), 3);
    EXPECT_EQ(c.xTitle, QStringLiteral("Lateral Deflection, y (*)"));
    EXPECT_EQ(c.yTitle, QStringLiteral("Soil Resistance, p"));
    EXPECT_TRUE(c.flat);
    EXPECT_DOUBLE_EQ(c.yMin, 45.0);
    EXPECT_DOUBLE_EQ(c.yMax, 55.0);
    EXPECT_DOUBLE_EQ(c.series1[1].y(), 50.05);
    EXPECT_FALSE(c.showSecond);

    curve->Cell(1, 2).SetReal(-20);
    c = BuildChartContent(*curve);
    EXPECT_FALSE(c.flat);
    EXPECT_EQ(c.yMin, -20.0);
    EXPECT_EQ(c.series1[1], QPointF(0, 50));

    // Three data columns plotted 0 against 1: column 3 against column 1 too.
    TGridTableChart three;
    three.ChartFlag = true;
    three.Add<TFloatColumn>(QStringList{"x"});
    three.Add<TFloatColumn>(QStringList{"first", "curve"});
    three.Add<TFloatColumn>(QStringList{"second"});
    three.SetRowCount(2);
    three.Cell(2, 1).SetReal(9);
    c = BuildChartContent(three);
    EXPECT_TRUE(c.showSecond);
    EXPECT_EQ(c.series2[1], QPointF(0, 9));
    EXPECT_EQ(c.series1Title, QStringLiteral("first curve"));
    EXPECT_EQ(c.series2Title, QStringLiteral("second"));
}

TEST(CurveLine, CutsNumbersTheWayTheFileReaderDoes) {
    const struct {
        const char* line;
        QList<double> numbers;
    } cases[] = {{"  \t1.5 2", {1.5, 2}},        {"1,2,3", {1, 2, 3}},         {"-0.5\t\t100.0", {-0.5, 100}},
                 {"y p", {}},                     {"1 2 abc 4", {1, 2}},        {"1E-3 , 7", {0.001, 7}},
                 {"", {}},                        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}};
    for (const auto& c : cases) EXPECT_EQ(ParseCurveLine(QString::fromLatin1(c.line)), c.numbers) << c.line;
}

class ChartWindow : public ::testing::Test {
protected:
    MessageRecorder messages;
    QTemporaryDir dir;
    std::unique_ptr<TGridTableChart> curve = MakeCurve();

    TTableChartForm* Open() {
        curve->Show();
        Settle();
        auto* form = qobject_cast<TTableChartForm*>(curve->Window());
        Activate(form->Frame());
        return form;
    }
    void TearDown() override {
        curve.reset();
        TTableChartForm::SetOpenFileDialog({});
        torvex::SetTextEditorLauncher({});
    }
};

TEST_F(ChartWindow, ShowsTheCurveAboveTheGridWithAtMostFiveRows) {
    curve->SetRowCount(8);
    for (int r = 0; r < 8; ++r) {
        curve->Cell(0, r).SetReal(r * 0.1 - 0.4);
        curve->Cell(1, r).SetReal(400 - r * 100);
    }
    TTableChartForm* form = Open();
    EXPECT_EQ(form->RowsShown(), 5);
    ASSERT_NE(form->ChartView(), nullptr);
    EXPECT_LT(form->ChartView()->geometry().bottom(), form->Grid()->geometry().top());
    EXPECT_EQ(form->Series1()->count(), 8);
    EXPECT_EQ(form->Series1()->pen().color(), QColor(Qt::red));
    EXPECT_EQ(form->Series1()->pen().width(), 2);
    EXPECT_FALSE(form->Series2()->isVisible());
    EXPECT_FALSE(form->ChartView()->chart()->legend()->isVisible());
    const auto horizontal = form->ChartView()->chart()->axes(Qt::Horizontal);
    ASSERT_EQ(horizontal.size(), 1);
    EXPECT_EQ(horizontal[0]->titleText(), QStringLiteral("Lateral Deflection, y (*)"));

    // An edit in the grid redraws the chart.
    TypeInCell(form, 0, 1, "999");
    PressEnter(form);
    EXPECT_EQ(form->Series1()->at(0).y(), 999.0);

    EXPECT_EQ(form->Points1()->count(), 8);
    const auto vertical = form->ChartView()->chart()->axes(Qt::Vertical);
    ASSERT_EQ(vertical.size(), 1);
    EXPECT_GE(static_cast<QCategoryAxis*>(vertical[0])->max(), 999.0);
    Settle();
    QDir().mkpath(TORVEX_SHOT_DIR);
    ASSERT_TRUE(form->grab().save(QStringLiteral(TORVEX_SHOT_DIR "/grid_chart_window.png")));
}

TEST_F(ChartWindow, EqualResistancesDrawAFlatLineInAFixedBand) {
    curve->SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
        curve->Cell(0, r).SetReal(r);
        curve->Cell(1, r).SetReal(200);
    }
    TTableChartForm* form = Open();
    auto* y = static_cast<QCategoryAxis*>(form->ChartView()->chart()->axes(Qt::Vertical).at(0));
    EXPECT_DOUBLE_EQ(y->min(), 180.0);
    EXPECT_DOUBLE_EQ(y->max(), 220.0);
    EXPECT_DOUBLE_EQ(form->Series1()->at(1).y(), 200.2);
}

TEST_F(ChartWindow, DestroyingTheTableWithAPendingEntryClosesTheWindowCleanly) {
    curve->SetRowCount(2);
    TTableChartForm* form = Open();
    QPointer<QWidget> frame = form->Frame();
    TypeInCell(form, 0, 1, "5");
    form->Grid()->CommitOpenEditor();
    curve.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
}

TEST_F(ChartWindow, ReadsATextFileWithAHeaderLineIntoTheCurve) {
    curve->SetRowCount(6);
    TTableChartForm* form = Open();
    const QString path = dir.filePath("curve.txt");
    WriteText(path, "y p\r\n-1.0, 150\r\n  0\t0\r\n1.0 -150\r\nend\r\n");
    EXPECT_FALSE(form->ReadFileButton()->isEnabled());
    torvex::test::MessageRecorder::messages().clear();
    TTableChartForm::SetOpenFileDialog([&](QWidget*, const QString& filter) {
        EXPECT_EQ(filter, QStringLiteral("Text Files (*.txt);;Data Files (*.dat);;All Files (*)"));
        return path;
    });
    QTest::mouseClick(form->BrowseButton(), Qt::LeftButton);
    EXPECT_EQ(form->FileNameEdit()->text(), path);
    EXPECT_TRUE(form->ReadFileButton()->isEnabled());
    EXPECT_TRUE(form->ViewEditButton()->isEnabled());
    QTest::mouseClick(form->ReadFileButton(), Qt::LeftButton);
    ASSERT_EQ(curve->RowCount(), 3);  // the rows beyond the file's are gone
    EXPECT_EQ(curve->Cell(0, 0).Real(), -1.0);
    EXPECT_EQ(curve->Cell(1, 0).Real(), 150.0);
    EXPECT_EQ(curve->Cell(0, 2).Real(), 1.0);
    EXPECT_EQ(curve->Cell(1, 2).Real(), -150.0);
    EXPECT_EQ(form->Grid()->rowCount(), 3);
    EXPECT_EQ(form->Series1()->count(), 3);
    EXPECT_TRUE(curve->IsChanged());
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(ChartWindow, ReadingGrowsTheTableUpToMaxRows) {
    curve->SetRowCount(2);
    TTableChartForm* form = Open();
    QStringList lines;
    for (int i = 0; i < 25; ++i) lines << QStringLiteral("%1 %2").arg(i).arg(i * 10);
    form->ReadValuesFromLines(lines);
    EXPECT_EQ(curve->RowCount(), 17);
    EXPECT_EQ(curve->Cell(1, 16).Real(), 160.0);
    EXPECT_EQ(form->RowsShown(), 10);
}

TEST_F(ChartWindow, AFileWithoutUsableLinesLeavesTheCurve) {
    curve->SetRowCount(3);
    curve->Cell(1, 2).SetReal(42);
    TTableChartForm* form = Open();
    form->ReadValuesFromLines({"y p", "1 2 3", ""});
    EXPECT_EQ(curve->RowCount(), 3);
    EXPECT_EQ(curve->Cell(1, 2).Real(), 42.0);
    EXPECT_EQ(messages.Last(), QStringLiteral("No values were read: no line holds exactly 2 numbers."));

    form->FileNameEdit()->setText(dir.filePath("missing.txt"));
    EXPECT_FALSE(form->ReadFileButton()->isEnabled());
    form->ReadFileClick();
    EXPECT_FALSE(messages.Last().isEmpty());
    EXPECT_EQ(curve->RowCount(), 3);
}

TEST_F(ChartWindow, PastesClipboardText) {
    curve->SetRowCount(2);
    TTableChartForm* form = Open();
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(form->PasteButton(), Qt::LeftButton);
    EXPECT_EQ(messages.Last(), QStringLiteral("There is no text on the Clipboard"));
    EXPECT_EQ(form->PasteButton()->text(), QStringLiteral("Paste values from  Clipboard (text)"));

    QGuiApplication::clipboard()->setText("-2 300\r\n-1 200\r0 0\n1 -200");
    QTest::mouseClick(form->PasteButton(), Qt::LeftButton);
    ASSERT_EQ(curve->RowCount(), 4);
    EXPECT_EQ(curve->Cell(0, 3).Real(), 1.0);  // the last line counts without a line break
    EXPECT_EQ(curve->Cell(1, 1).Real(), 200.0);
}

TEST_F(ChartWindow, ViewEditRunsTheConfiguredEditor) {
    curve->SetRowCount(2);
    TTableChartForm* form = Open();
    const QString path = dir.filePath("curve.dat");
    WriteText(path, "0 0\n");
    form->FileNameEdit()->setText(path);
    QString opened;
    torvex::SetTextEditorLauncher([&](const QString& file) {
        opened = file;
        return true;
    });
    QTest::mouseClick(form->ViewEditButton(), Qt::LeftButton);
    EXPECT_EQ(opened, path);
    EXPECT_TRUE(messages.messages().isEmpty());

    // The default launcher reads "Word Processor" from the program settings.
    torvex::SetTextEditorLauncher({});
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QSettings settings("Kavrel", "TORVEX");
        settings.beginGroup("2015.5.5");
        settings.setValue("Word Processor", dir.filePath("no-such-editor"));
    }
    QTest::mouseClick(form->ViewEditButton(), Qt::LeftButton);
    EXPECT_EQ(messages.Last(), QStringLiteral("An error occurred in running the Word Processor"));
    QFile ini(dir.filePath("Kavrel/TORVEX.conf"));
    EXPECT_TRUE(ini.exists());
}

}  // namespace
