// The main window's document commands, the run command, and its view of
// the project's switches.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>

#include "graphs/plot_loader.h"
#include "graphs/result_graphs.h"
#include "grid/table_form.h"
#include "main/caption.h"
#include "main/engine_call.h"
#include "main/input_check.h"
#include "main/main_form.h"
#include "main/ui_seam.h"
#include "project/program_data.h"

namespace torvex {

namespace {

TProgramData& Project() { return *TProgramData::Instance(); }

const char kAskToSave[] = "Do you want to save any changes?";

}  // namespace

void TMainForm::createActions() {
    // The project and its tables live as long as the main window.
    if (TProgramData::Instance() == nullptr) new TProgramData(this);
    TTableForm::SetMdiArea(mdi_);
    connect(&Project(), &TProgramData::modifiedChanged, this, [this] { setCaption(); });

    graphs_ = new TResultGraphs(this);
    graphs_->SetMdiArea(mdi_);
    graphs_->SetPlotFileSource([this] { return PlotPath(projectFileName()); });
    loadResults = [this](const QString& plot, bool withMessages) {
        return graphs_->Load(plot, withMessages, PlotFacts(), this);
    };
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) { showPlotMenuOf(w); });
}

// What the graphs need of the project: units, the long-term code, the wall
// and the soil layers as the layer table shows them.
graphs::TPlotProject TMainForm::PlotFacts() const {
    const TProgramData& p = Project();
    graphs::TPlotProject facts;
    facts.Units = p.Units;
    facts.NextCode = p.NextCode;
    facts.Increments = p.Increments;
    facts.IncrementLength = p.IncrementLength;
    facts.FreeHeight = p.FreeHeight;
    if (TGridTable* soil = p.Table(QStringLiteral("NewSoil"))) {
        for (int r = 0; r < soil->RowCount(); ++r)
            facts.SoilLayers.push_back({soil->Cell(0, r).Integer(), soil->Cell(1, r).Real()});
    }
    return facts;
}

QString TMainForm::projectFileName() const { return Project().FileName; }

void TMainForm::setCaption() { setWindowTitle(WindowCaption(Project().FileName)); }

bool TMainForm::projectFlag(const QString& name) const {
    const TProgramData& p = Project();
    if (name == QLatin1String("GeneratePyOption")) return p.GeneratePyOption;
    if (name == QLatin1String("GenerateEarthPressure")) return p.GenerateEarthPressure;
    if (name == QLatin1String("ApplyExternalPy")) return p.ApplyExternalPy;
    if (name == QLatin1String("ApplyMei")) return p.ApplyMei;
    if (name == QLatin1String("ApplyPyModifiers")) return p.ApplyPyModifiers;
    if (name == QLatin1String("ApplyConcentratedLoads")) return p.ApplyConcentratedLoads;
    if (name == QLatin1String("ApplySprings")) return p.ApplySprings;
    if (name == QLatin1String("ApplyTiebacks")) return p.ApplyTiebacks;
    if (name == QLatin1String("ApplySurcharges")) return p.ApplySurcharges;
    if (name == QLatin1String("ApplyRestraints")) return p.ApplyRestraints;
    return false;
}

void TMainForm::setProjectFlag(const QString& name, bool on) {
    TProgramData& p = Project();
    // Switching an option keeps the table's rows and does not mark the
    // project as modified.
    if (name == QLatin1String("GeneratePyOption")) p.GeneratePyOption = on;
    else if (name == QLatin1String("ApplyExternalPy")) p.ApplyExternalPy = on;
    else if (name == QLatin1String("ApplyMei")) p.ApplyMei = on;
    else if (name == QLatin1String("ApplyPyModifiers")) p.ApplyPyModifiers = on;
    else if (name == QLatin1String("ApplyConcentratedLoads")) p.ApplyConcentratedLoads = on;
    else if (name == QLatin1String("ApplySprings")) p.ApplySprings = on;
    else if (name == QLatin1String("ApplyTiebacks")) p.ApplyTiebacks = on;
    else if (name == QLatin1String("ApplySurcharges")) p.ApplySurcharges = on;
    else if (name == QLatin1String("ApplyRestraints")) p.ApplyRestraints = on;
}

int TMainForm::projectUnits() const { return Project().Units; }
void TMainForm::switchUnits(int units) { Project().SwitchUnits(units); }
int TMainForm::earthPressureOption() const { return Project().EarthPressureOption; }

void TMainForm::setEarthPressureOption(int option) {
    Project().EarthPressureOption = option;
    Project().UserEarthPressure = option == 1;
}

bool TMainForm::longTerm() const { return Project().LongTerm; }
int TMainForm::stageCount() const { return Project().StageCount; }
int TMainForm::currentStage() const { return Project().CurrentStage; }

void TMainForm::openTable(const QString& name) {
    if (TGridTable* table = Project().Table(name)) table->Show();
}

bool TMainForm::tableWindowOpen(const QString& name) const {
    TGridTable* table = Project().Table(name);
    return table != nullptr && table->Window() != nullptr;
}

void TMainForm::closeTableWindow(const QString& name) {
    if (TGridTable* table = Project().Table(name)) table->CloseWindow();
}

bool TMainForm::askToSave() {
    if (!Project().IsModified()) return true;
    const QMessageBox::StandardButton answer = Ui().question(
        this, QString::fromLatin1(kAskToSave), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    save();
    return Project().FileName != QLatin1String(kNewProjectName);
}

void TMainForm::newProject() {
    if (!askToSave()) return;
    closeChildWindows();
    Project().New();
    resultsLoaded_ = false;
    graphs_->SetResultsLoaded(false);
    setCaption();
    updateLongTermMenus();
    updateStageDisplay();
    refreshCommands();
}

void TMainForm::openProject() {
    if (!askToSave()) return;
    int filter = 1;
    const QString path = Ui().openFile(this, QStringLiteral("Open"), kOpenFilters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) return;
    openByName(path, true, filter);
}

void TMainForm::openByName(const QString& path, bool fromDialog, int filterIndex) {
    closeChildWindows();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    const int layout = fromDialog ? TProgramData::LayoutForFilter(filterIndex) : TProgramData::LayoutForFileName(absolute);
    try {
        Project().Open(absolute, layout);
    } catch (const TMessageError& error) {
        // What was read is kept; the project counts as opened.
        Ui().information(this, error.message());
    }
    setCaption();
    resultsLoaded_ = false;
    graphs_->SetResultsLoaded(false);
    const QString plot = PlotPath(absolute);
    if (loadResults && QFileInfo::exists(plot)) resultsLoaded_ = loadResults(plot, false);
    addRecentFile(absolute);
    Ui().information(this, QStringLiteral("Data file: ") + DisplayName(absolute) + QStringLiteral(", has been read by TORVEX 2015"));
    updateLongTermMenus();
    updateStageDisplay();
    refreshCommands();
}

bool TMainForm::save() {
    TProgramData& p = Project();
    if (p.FileName == QLatin1String(kNewProjectName) || !p.FileName.endsWith(QLatin1String(".tx5d"), Qt::CaseInsensitive))
        return saveAs();
    try {
        p.Save(p.FileName);
    } catch (const TMessageError& error) {
        Ui().information(this, error.message());
        return false;
    }
    return true;
}

bool TMainForm::saveAs() {
    TProgramData& p = Project();
    const QString preset = ChangeExtension(p.FileName, QStringLiteral(".tx5d"));
    const QString chosen = Ui().saveFile(this, QStringLiteral("Save ") + DisplayName(p.FileName) + QStringLiteral(" As"), preset,
                                         QStringLiteral("Torvex 2015 (*.tx5d);;All Files (*.*)"));
    if (chosen.isEmpty()) return false;
    // A name typed without extension is saved as a 2015 project file.
    QString path = QFileInfo(chosen).absoluteFilePath();
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tx5d");
    p.FileName = path;
    setCaption();
    bool written = true;
    try {
        p.Save(path);
    } catch (const TMessageError& error) {
        Ui().information(this, error.message());
        written = false;
    }
    addRecentFile(path);
    closeChildWindows();
    refreshCommands();
    return written;
}

void TMainForm::runAnalysis() {
    // A project that could not be written is not analysed: the engine would
    // read the file as it was before.
    const bool saved = save();
    TProgramData& p = Project();
    if (!saved || p.FileName == QLatin1String(kNewProjectName)) return;
    const QString warning = InputCheckMessage(p);
    if (!warning.isEmpty()) {
        Ui().warning(this, warning);
        return;
    }
    const EngineCallResult result = CallEngine(p.FileName);
    switch (result.status) {
        case EngineCallResult::Status::NamesNotWritten:
        case EngineCallResult::Status::AlreadyLoaded:
        case EngineCallResult::Status::LoadFailed:
            Ui().information(this, result.message);
            return;
        case EngineCallResult::Status::Inconsistent:
            Ui().information(this, result.message);
            break;
        case EngineCallResult::Status::Completed: {
            Ui().information(this, result.message);
            const QString plot = PlotPath(p.FileName);
            if (loadResults && QFileInfo::exists(plot)) resultsLoaded_ = loadResults(plot, true);
            break;
        }
    }
    refreshCommands();
    closeChildWindows();
}

void TMainForm::startUp(const QString& commandLineFile) {
    if (!settingsRead_) {
        readSettings();
        settingsRead_ = true;
    }
    QString file = commandLineFile;
    if (!file.isEmpty() && !file.contains(QLatin1Char('.'))) file += QStringLiteral(".tx4d");
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        const QString absolute = QFileInfo(file).absoluteFilePath();
        QDir::setCurrent(QFileInfo(absolute).absolutePath());
        try {
            Project().OpenByName(absolute);
        } catch (const TMessageError&) {
            // Opened silently at start-up: what was read is kept.
        }
        const QString plot = PlotPath(absolute);
        if (loadResults && QFileInfo::exists(plot)) resultsLoaded_ = loadResults(plot, false);
    } else {
        Project().New();
    }
    updateLongTermMenus();
    updateStageDisplay();
    setCaption();
    refreshCommands();
}

}  // namespace torvex
