// The main window used as a person would: captions, the save question,
// Save As rules, the input check and running the engine — with every
// message and dialog answered by the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "main/engine_call.h"
#include "main/main_form.h"
#include "main/ui_seam.h"
#include "graphs/result_graphs.h"
#include "project/program_data.h"
#include <QMenuBar>

namespace torvex {
namespace {

// Records what the window asked and answers as told.
struct Script {
    QStringList informations, warnings, questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QString saveAnswer;      // path chosen in the Save dialog; empty = cancel
    QStringList savePresets;  // what the Save dialog was preset with
    QString openAnswer;
    QStringList started;      // programs started
    bool startSucceeds = true;
};

class MainFormTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        previousDir_ = QDir::currentPath();
        // Run folders go into a temporary folder of this test alone, so that
        // counting them is not disturbed by tests running beside it.
        previousTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        ResetUi();
        UiSeam& ui = Ui();
        ui.information = [this](QWidget*, const QString& t) { script_.informations << t; };
        ui.warning = [this](QWidget*, const QString& t) { script_.warnings << t; };
        ui.question = [this](QWidget*, const QString& t, QMessageBox::StandardButtons) {
            script_.questions << t;
            return script_.answer;
        };
        ui.saveFile = [this](QWidget*, const QString&, const QString& preset, const QString&) {
            script_.savePresets << preset;
            return script_.saveAnswer;
        };
        ui.openFile = [this](QWidget*, const QString&, const QString&, int* filter) {
            if (filter != nullptr) *filter = 1;
            return script_.openAnswer;
        };
        ui.openDocument = [](const QString&) { return true; };
        ui.startProgram = [this](const QString& program, const QStringList& args) {
            script_.started << program + QLatin1Char(' ') + args.join(QLatin1Char(' '));
            return script_.startSucceeds;
        };
        SetEngineLibraryPath(QStringLiteral(TORVEX_BIN_DIR "/libTorvex2015_DLL.so"));
        form_ = std::make_unique<TMainForm>();
        form_->startUp(QString());
    }
    void TearDown() override {
        form_.reset();
        SetEngineLibraryPath(QString());
        ResetUi();
        QDir::setCurrent(previousDir_);
        if (previousTmp_.isNull()) qunsetenv("TMPDIR");
        else qputenv("TMPDIR", previousTmp_);
    }

    QString copyExample(const QString& name) {
        const QString target = work_.filePath(name);
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(QStringLiteral(TORVEX_EXAMPLES "/") + name, target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    static QStringList RunFolders() {
        return QDir(QDir::tempPath()).entryList({QStringLiteral("torvex-run-*")}, QDir::Dirs);
    }

    QTemporaryDir settingsDir_, work_, tmp_;
    QString previousDir_;
    QByteArray previousTmp_;
    Script script_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(MainFormTest, NewProjectCaption) {
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("TORVEX 2015.5.5 - NewWall.tx5d"));
}

TEST_F(MainFormTest, AskToSaveAnswers) {
    TProgramData& p = *TProgramData::Instance();
    p.Title = QStringLiteral("Changed");
    p.SetModified();
    script_.answer = QMessageBox::Cancel;
    form_->newProject();
    EXPECT_EQ(script_.questions, QStringList{QStringLiteral("Do you want to save any changes?")});
    EXPECT_EQ(p.Title, QStringLiteral("Changed"));  // cancelled: nothing replaced

    // Yes, but the Save As dialog is cancelled: the pending New stops too.
    script_.answer = QMessageBox::Yes;
    script_.saveAnswer.clear();
    form_->newProject();
    EXPECT_EQ(p.Title, QStringLiteral("Changed"));
    EXPECT_EQ(p.FileName, QStringLiteral("NewWall.tx5d"));

    script_.answer = QMessageBox::No;
    form_->newProject();
    EXPECT_EQ(p.Title, QStringLiteral("New Wall"));
    EXPECT_FALSE(p.IsModified());
}

TEST_F(MainFormTest, SavingAnOlderLayoutGoesThroughSaveAsWithTheCurrentExtension) {
    TProgramData& p = *TProgramData::Instance();
    p.FileName = work_.filePath(QStringLiteral("old.tx4d"));
    script_.saveAnswer = work_.filePath(QStringLiteral("renamed"));  // typed without extension
    EXPECT_TRUE(form_->save());
    ASSERT_EQ(script_.savePresets.size(), 1);
    EXPECT_EQ(script_.savePresets[0], work_.filePath(QStringLiteral("old.tx5d")));
    EXPECT_EQ(p.FileName, work_.filePath(QStringLiteral("renamed.tx5d")));
    EXPECT_TRUE(QFileInfo::exists(p.FileName));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("TORVEX 2015.5.5 - Renamed.tx5d"));
    EXPECT_EQ(form_->recentFiles().paths().value(0), p.FileName);
}

TEST_F(MainFormTest, RunOfANewProjectWhoseSaveAsIsCancelledWritesNothing) {
    const QStringList before = RunFolders();
    script_.saveAnswer.clear();
    form_->runAnalysis();
    EXPECT_EQ(script_.savePresets.size(), 1);
    EXPECT_TRUE(script_.informations.isEmpty());
    EXPECT_EQ(RunFolders(), before);
    EXPECT_TRUE(QDir(work_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainFormTest, AProjectThatCannotBeWrittenIsNotAnalysed) {
    const QString data = copyExample(QStringLiteral("cantilever_user_curves.tx5d"));
    form_->openByName(data, false);
    TProgramData& p = *TProgramData::Instance();
    p.FileName = work_.filePath(QStringLiteral("no-such-folder/wall.tx5d"));
    const int before = static_cast<int>(script_.informations.size());
    form_->runAnalysis();
    ASSERT_EQ(script_.informations.size(), before + 1);  // the system's write error, nothing more
    EXPECT_NE(script_.informations.last(), QString::fromLatin1(kMsgCompleted));
    EXPECT_FALSE(QFileInfo::exists(ReportPath(p.FileName)));
    EXPECT_FALSE(QFileInfo::exists(ReportPath(data)));
}

TEST_F(MainFormTest, OpeningAndRunningAnExample) {
    const QString data = copyExample(QStringLiteral("cantilever_user_curves.tx5d"));
    const QStringList before = RunFolders();
    form_->openByName(data, false);
    ASSERT_FALSE(script_.informations.isEmpty());
    EXPECT_EQ(script_.informations.last(),
              QStringLiteral("Data file: Cantilever_user_curves.tx5d, has been read by TORVEX 2015"));
    EXPECT_EQ(QDir::currentPath(), work_.path());
    form_->runAnalysis();
    EXPECT_TRUE(script_.warnings.isEmpty()) << script_.warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(script_.informations.last(), QString::fromLatin1(kMsgCompleted));
    const QString report = ReportPath(data);
    ASSERT_TRUE(QFileInfo::exists(report));
    EXPECT_TRUE(QFileInfo::exists(PlotPath(data)));
    EXPECT_TRUE(QFileInfo::exists(RunNotesPath(data)));
    QFile r(report);
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    const QByteArray text = r.readAll();
    EXPECT_FALSE(text.contains("ERROR")) << text.toStdString();
    EXPECT_TRUE(text.contains("     END OF ANALYSIS"));
    EXPECT_FALSE(QFileInfo::exists(work_.filePath(QStringLiteral("NAMES.dat"))));
    EXPECT_EQ(RunFolders(), before);
    // The text editor shows the report.
    form_->action(QStringLiteral("TbViewOutput"))->trigger();
    ASSERT_EQ(script_.started.size(), 1);
    EXPECT_TRUE(script_.started[0].endsWith(report));
}

TEST_F(MainFormTest, ARunLoadsTheGraphsAndAGraphWindowBringsItsPlotMenu) {
    const QString data = copyExample(QStringLiteral("sand_cantilever.tx5d"));
    form_->show();
    form_->openByName(data, false);
    TResultGraphs* graphs = form_->graphs();
    ASSERT_NE(graphs, nullptr);
    EXPECT_FALSE(graphs->CompDef->isEnabled() && graphs->ResultsLoaded());
    form_->runAnalysis();
    EXPECT_TRUE(form_->resultsLoaded());
    EXPECT_TRUE(graphs->ResultsLoaded());
    EXPECT_GT(graphs->pltDef->Curves.Count(), 0);
    graphs->GraphicsMenuClick();
    ASSERT_TRUE(graphs->CompDef->isEnabled());
    graphs->CompDef->trigger();
    QApplication::processEvents();
    ASSERT_FALSE(form_->mdiArea()->subWindowList().isEmpty());
    QStringList titles;
    for (QAction* a : form_->menuBar()->actions()) titles << a->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("&Plot"))) << titles.join(QLatin1Char(',')).toStdString();
    // Opening the project again loads its existing results without a message.
    const int messages = static_cast<int>(script_.informations.size());
    form_->closeChildWindows();
    form_->openByName(data, false);
    EXPECT_TRUE(graphs->ResultsLoaded());
    EXPECT_EQ(script_.informations.size(), messages + 1);  // only "Data file: … has been read"
}

TEST_F(MainFormTest, EngineThatCannotBeLoadedOrRefusesTheVersion) {
    const QString data = copyExample(QStringLiteral("cantilever_user_curves.tx5d"));
    form_->openByName(data, false);
    SetEngineLibraryPath(work_.filePath(QStringLiteral("missing.so")));
    form_->runAnalysis();
    EXPECT_EQ(script_.informations.last(), QStringLiteral("Attempt to initialize DLL failed"));
    SetEngineLibraryPath(QStringLiteral(TORVEX_TEST_LIBS "/libtorvex_fake_engine_1.so"));
    form_->runAnalysis();
    EXPECT_TRUE(script_.informations.last().startsWith(QStringLiteral("Computations can not be performed.")));
    EXPECT_FALSE(QFileInfo::exists(ReportPath(data)));
}

TEST_F(MainFormTest, EditorThatCannotStartIsReported) {
    const QString data = copyExample(QStringLiteral("cantilever_user_curves.tx5d"));
    form_->openByName(data, false);
    script_.startSucceeds = false;
    form_->action(QStringLiteral("CompEditInput"))->trigger();
    EXPECT_EQ(script_.informations.last(), QStringLiteral("An error occurred in running the Word Processor"));
}

TEST_F(MainFormTest, RecentFilesAreWrittenToTheSettingsAtOnce) {
    form_->addRecentFile(QStringLiteral("/a/one.tx5d"));
    form_->addRecentFile(QStringLiteral("/a/two.tx5d"));
    QSettings settings(QStringLiteral("Kavrel"), QStringLiteral("TORVEX"));
    settings.beginGroup(QStringLiteral("2015.5.5"));
    EXPECT_EQ(settings.value(QStringLiteral("File1")).toString(), QStringLiteral("/a/two.tx5d"));
    EXPECT_EQ(settings.value(QStringLiteral("File2")).toString(), QStringLiteral("/a/one.tx5d"));
}

TEST_F(MainFormTest, UnbuiltCommandsAreVisiblyUnavailable) {
    for (const char* name : {"DataTitle", "DataWallProperties", "OptLongTerm", "OptStaged", "CompWallGeometry", "Comp3D"}) {
        QAction* a = form_->action(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_FALSE(a->isEnabled()) << name;
        EXPECT_TRUE(a->toolTip().startsWith(QString::fromLatin1(kNotYetAvailable))) << name;
    }
}

// Input check: the first failure's warning, exactly as composed.
TEST_F(MainFormTest, InputCheckStopsTheRunWithItsWarning) {
    struct Case {
        const char* name;
        int increments, start, end;
        double slope;
        int soilType;  // 0: no layer change
        double phi;
        int layer;
        QString expected;
    };
    const QString nodesTail = QStringLiteral(" of Wall Stiffness definition\ris greater than number of nodes defined, 80.\rPlease check on Wall Properties Windows and Wall Stiffness Table");
    const Case cases[] = {
        {"end node 80 passes", 80, 0, 80, 0, 0, 0, 1, QString()},
        {"end node 81", 80, 0, 81, 0, 0, 0, 1, QStringLiteral("End Node, 81 in row 1") + nodesTail},
        {"both too large: start reported", 80, 90, 95, 0, 0, 0, 1, QStringLiteral("Initial Node, 90 in row 1") + nodesTail},
        {"slope 0 with phi 0", 80, 0, 80, 0, 4, 0, 1, QString()},
        {"sand steeper than phi", 80, 0, 80, 30, 4, 28, 2,
         QStringLiteral("Slope of the Backfill: 30 deg.\ris greater than friction angle, 28 deg.,\rin layer 2\rPlease check on Wall Configuration and Soil Layers Windows")},
        {"silt steeper than phi", 80, 0, 80, 30, 5, 28.5, 2,
         QStringLiteral("Slope of the Backfill: 30\ris greater than friction angle, 28.5,\rin layer 2\rPlease check Soil Layers")},
        {"equal passes", 80, 0, 80, 30, 4, 30, 2, QString()},
        {"clay never fails", 80, 0, 80, 40, 1, 0, 2, QString()},
    };
    for (const Case& c : cases) {
        script_.answer = QMessageBox::No;
        form_->newProject();
        TProgramData& p = *TProgramData::Instance();
        p.FileName = work_.filePath(QStringLiteral("check.tx5d"));
        p.Increments = c.increments;
        p.IncrementLength = 6;
        p.BackfillSlope = c.slope;
        TGridTable* sections = p.Table(QStringLiteral("PileSect"));
        sections->Cell(0, 0).SetInteger(c.start);
        sections->Cell(1, 0).SetInteger(c.end);
        if (c.soilType != 0) {
            TGridTable* soil = p.Table(QStringLiteral("NewSoil"));
            soil->SetRowCount(2);
            soil->Cell(0, 0).SetInteger(1);
            soil->Cell(0, c.layer - 1).SetInteger(c.soilType);
            TGridTable* parameters = soil->Cell(2, c.layer - 1).SubTable();
            ASSERT_NE(parameters, nullptr) << c.name;
            parameters->Cell(1, 0).SetReal(c.phi);
        }
        script_.warnings.clear();
        SetEngineLibraryPath(work_.filePath(QStringLiteral("no-engine.so")));  // a passing check reaches the loader
        form_->runAnalysis();
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(script_.warnings.isEmpty()) << c.name << ": " << script_.warnings.value(0).toStdString();
            EXPECT_EQ(script_.informations.last(), QStringLiteral("Attempt to initialize DLL failed")) << c.name;
        } else {
            ASSERT_EQ(script_.warnings.size(), 1) << c.name;
            EXPECT_EQ(script_.warnings[0], c.expected) << c.name;
        }
    }
}

// The runner and the Run command produce the same files but for the
// date and time line.
TEST_F(MainFormTest, RunnerAndRunCommandWriteTheSameFiles) {
    const QString data = copyExample(QStringLiteral("sand_cantilever.tx5d"));
    form_->openByName(data, false);
    // The Run command saves first: let the runner see the file as saved.
    form_->runAnalysis();
    const auto read = [](const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray text = f.readAll();
        const qsizetype at = text.indexOf("Date:  ");
        if (at >= 0) text.remove(at, text.indexOf('\n', at) - at);
        return text;
    };
    const QByteArray report = read(ReportPath(data)), plot = read(PlotPath(data)), notes = read(RunNotesPath(data));
    QProcess runner;
    runner.start(QStringLiteral(TORVEX_BIN_DIR "/torvex-run"), {data});
    ASSERT_TRUE(runner.waitForFinished(60000));
    ASSERT_EQ(runner.exitCode(), 0) << runner.readAllStandardError().toStdString();
    EXPECT_EQ(read(ReportPath(data)), report);
    EXPECT_EQ(read(PlotPath(data)), plot);
    EXPECT_EQ(read(RunNotesPath(data)), notes);
}

TEST_F(MainFormTest, ScreenshotWithATableWindow) {
    const QString data = copyExample(QStringLiteral("sand_cantilever.tx5d"));
    form_->openByName(data, false);
    form_->resize(1200, 800);
    form_->show();
    form_->action(QStringLiteral("TbSoilLayers"))->trigger();
    QApplication::processEvents();
    ASSERT_FALSE(form_->mdiArea()->subWindowList().isEmpty());
    QDir().mkpath(QStringLiteral(TORVEX_SHOT_DIR));
    const QImage shot = form_->grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(TORVEX_SHOT_DIR "/main_window_soil_layers.png")));
    EXPECT_GT(shot.width(), 600);
}

}  // namespace
}  // namespace torvex
