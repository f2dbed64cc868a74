// The main window's menus and toolbar, and the rules that enable their
// items when a menu opens.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QDate>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "graphs/plot_form.h"
#include "grid/table_form.h"
#include "graphs/result_graphs.h"
#include "main/about_dialog.h"
#include "main/engine_call.h"
#include "main/icons.h"
#include "main/main_form.h"
#include "main/ui_seam.h"

namespace torvex {

namespace {

// The Apply… switches of the Options menu: caption, project field, the
// table window closed when the switch goes off.
struct OptionSwitch {
    const char* action;
    const char* caption;
    const char* field;
    const char* table;
};

const OptionSwitch kSwitches[] = {
    {"OptConcentrated", "Apply &Concentrated Loads", "ApplyConcentratedLoads", "BoundCond"},
    {"OptTiebacks", "Apply Tieback (Ground  Anchor)", "ApplyTiebacks", ""},
    {"OptRestraints", "Apply &Restraints on Deflection or Slope", "ApplyRestraints", "SoilLayer"},
    {"OptExternalPy", "Apply User Specified p-y Curves (&External)", "ApplyExternalPy", "PYCurves2"},
    {"OptSprings", "Apply &Lateral Springs and Rotation Restraints", "ApplySprings", "SoilStrength"},
    {"OptPyModifiers", "Apply External p-y &Modification Factors ", "ApplyPyModifiers", "PYMod"},
    {"OptSurcharges", "Apply Additional Surcharge Loads", "ApplySurcharges", "SurchargeTable"},
    {"OptMei", "Apply Nonlinear Moment vs EI Curves", "ApplyMei", "MEICurves2"},
};

const char kDialogsLater[] = "the input dialogs";
const char kStagesLater[] = "staged construction and the short-/long-term pair";
const char kDrawingsLater[] = "the wall and soil drawings";

}  // namespace

void TMainForm::createMenus() {
    QMenuBar* bar = menuBar();
    const auto addMenu = [&](const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->setToolTipsVisible(true);
        menus_[title] = m;
        return m;
    };

    QMenu* file = addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("FileNew"), QStringLiteral("&New"), [this] { newProject(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
    addCommand(file, QStringLiteral("FileOpen"), QStringLiteral("&Open..."), [this] { openProject(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    addCommand(file, QStringLiteral("FileSave"), QStringLiteral("&Save"), [this] { save(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    addCommand(file, QStringLiteral("FileSaveAs"), QStringLiteral("Save &As..."), [this] { saveAs(); });
    file->addSeparator();
    for (int k = 0; k < RecentFiles::kMaxFiles; ++k) {
        QAction* a = addCommand(file, QStringLiteral("FileRecent%1").arg(k + 1), QString(), [this, k] {
            const QString path = recent_.paths().value(k);
            if (path.isEmpty() || !askToSave()) return;
            openByName(path, false);
        });
        a->setVisible(false);
        recentActions_.append(a);
    }
    recentSeparator_ = file->addSeparator();
    addCommand(file, QStringLiteral("FileExit"), QStringLiteral("E&xit"), [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(file, &QMenu::aboutToShow, this, [this] { updateFileMenu(); });

    QMenu* data = addMenu(QStringLiteral("Da&ta"));
    addUnavailable(data, QStringLiteral("DataTitle"), QStringLiteral("&Title"), QString::fromLatin1(kDialogsLater));
    addUnavailable(data, QStringLiteral("DataWallProperties"), QStringLiteral("Wall &Properties"), QString::fromLatin1(kDialogsLater));
    addUnavailable(data, QStringLiteral("DataWallConfiguration"), QStringLiteral("&Wall Configuration"), QString::fromLatin1(kDialogsLater));
    addCommand(data, QStringLiteral("DataSoil"), QStringLiteral("&Soil Layer Data"), [this] { openTable(QStringLiteral("NewSoil")); });
    QMenu* soilMenu = data->addMenu(QStringLiteral("&Soil Layer Data"));
    menus_[QStringLiteral("SoilSub")] = soilMenu;
    addCommand(soilMenu, QStringLiteral("DataSoilShort"), QStringLiteral("Short-Term"), [this] { openTable(QStringLiteral("NewSoil")); });
    addCommand(soilMenu, QStringLiteral("DataSoilLong"), QStringLiteral("Long-Term"), [this] { openTable(QStringLiteral("LongSoil")); });
    addCommand(data, QStringLiteral("DataDist"), QStringLiteral("&Distributed Active Earth Pressure"), [this] { openTable(QStringLiteral("DistLoad")); });
    QMenu* distMenu = data->addMenu(QStringLiteral("&Distributed Active Earth Pressure"));
    menus_[QStringLiteral("DistSub")] = distMenu;
    addCommand(distMenu, QStringLiteral("DataDistShort"), QStringLiteral("Short-Term"), [this] { openTable(QStringLiteral("DistLoad")); });
    addCommand(distMenu, QStringLiteral("DataDistLong"), QStringLiteral("Long-Term"), [this] { openTable(QStringLiteral("LongDist")); });
    addUnavailable(data, QStringLiteral("DataSurcharge"), QStringLiteral("&Additional Surcharge Loads"), QString::fromLatin1(kDialogsLater));
    addUnavailable(data, QStringLiteral("DataConcentrated"), QStringLiteral("&Concentrated Loads on the Wall"), QString::fromLatin1(kDialogsLater));
    addUnavailable(data, QStringLiteral("DataTieback"), QStringLiteral("Tieback (Ground Anchor) Data"), QString::fromLatin1(kDialogsLater));
    addCommand(data, QStringLiteral("DataRestraints"), QStringLiteral("&Boundary Condition on Deflection or Slope"), [this] { openTable(QStringLiteral("SoilLayer")); });
    addCommand(data, QStringLiteral("DataPyMod"), QStringLiteral("Modification &Factors for p-y Curves"), [this] { openTable(QStringLiteral("PYMod")); });
    addCommand(data, QStringLiteral("DataExternalPy"), QStringLiteral("Sets of &External p-y Curves"), [this] { openTable(QStringLiteral("PYCurves2")); });
    addUnavailable(data, QStringLiteral("DataSprings"), QStringLiteral("&Lateral Springs and Rotational Restraints"), QString::fromLatin1(kDialogsLater));
    addCommand(data, QStringLiteral("DataMei"), QStringLiteral("Sets of Nonlinear Moment vs EI Curves"), [this] { openTable(QStringLiteral("MEICurves2")); });
    connect(data, &QMenu::aboutToShow, this, [this] { updateDataMenu(); });

    QMenu* options = addMenu(QStringLiteral("&Options"));
    QMenu* units = options->addMenu(QStringLiteral("&Units"));
    menus_[QStringLiteral("Units")] = units;
    unitsGroup_ = new QActionGroup(this);
    const char* unitCaptions[] = {"&English Units (lbs, in)", "&SI Units (kN, m)", "&Other Units (F, L)"};
    for (int n = 1; n <= 3; ++n) {
        QAction* a = addCommand(units, QStringLiteral("Units%1").arg(n), QString::fromLatin1(unitCaptions[n - 1]), [this, n] { switchUnits(n); });
        a->setCheckable(true);
        unitsGroup_->addAction(a);
    }
    connect(units, &QMenu::aboutToShow, this, [this] {
        if (QAction* a = action(QStringLiteral("Units%1").arg(projectUnits()))) a->setChecked(true);
    });
    QMenu* earth = options->addMenu(QStringLiteral("Earth-Pressure Options"));
    menus_[QStringLiteral("Earth")] = earth;
    earthGroup_ = new QActionGroup(this);
    const char* earthCaptions[] = {"Earth-Pressure Specified by User", "Generate Triangular-Distribution Earth-Pressure",
                                   "Generate Trapezoidal-Distribution Pressure (Anchored Walls)"};
    for (int n = 1; n <= 3; ++n) {
        QAction* a = addCommand(earth, QStringLiteral("Earth%1").arg(n), QString::fromLatin1(earthCaptions[n - 1]), [this, n] { setEarthPressureOption(n); });
        a->setCheckable(true);
        earthGroup_->addAction(a);
    }
    connect(earth, &QMenu::aboutToShow, this, [this] {
        if (earthPressureOption() == 0) setEarthPressureOption(1);
        if (QAction* a = action(QStringLiteral("Earth%1").arg(earthPressureOption()))) a->setChecked(true);
    });
    QAction* py = addCommand(options, QStringLiteral("OptGeneratePy"), QStringLiteral("Generate &p-y Curves"), [this] {
        setProjectFlag(QStringLiteral("GeneratePyOption"), !projectFlag(QStringLiteral("GeneratePyOption")));
    });
    py->setCheckable(true);
    for (const OptionSwitch& s : kSwitches) {
        const QString field = QString::fromLatin1(s.field);
        const QString table = QString::fromLatin1(s.table);
        QAction* a = addCommand(options, QString::fromLatin1(s.action), QString::fromLatin1(s.caption), [this, field, table] {
            const bool on = !projectFlag(field);
            setProjectFlag(field, on);
            if (!on && !table.isEmpty()) closeTableWindow(table);
        });
        a->setCheckable(true);
    }
    options->addSeparator();
    addUnavailable(options, QStringLiteral("OptLongTerm"), QStringLiteral("Conduct Short-Term and Long-Term &Analyses"), QString::fromLatin1(kStagesLater));
    addUnavailable(options, QStringLiteral("OptStaged"), QStringLiteral("Conduct &Staged-Construction Analysis..."), QString::fromLatin1(kStagesLater));
    options->addSeparator();
    addCommand(options, QStringLiteral("OptEditor"), QStringLiteral("&Option of Text Editor..."), [this] {
        TControlOptions dialog(editor_, this);
        if (dialog.exec() == QDialog::Accepted) setTextEditor(dialog.editor());
    });
    connect(options, &QMenu::aboutToShow, this, [this] { updateOptionsMenu(); });

    QMenu* stage = addMenu(QStringLiteral("&Stage Construction"));
    addUnavailable(stage, QStringLiteral("StageCommands"), QStringLiteral("Stage commands"), QString::fromLatin1(kStagesLater));
    stage->menuAction()->setVisible(false);

    QMenu* comp = addMenu(QStringLiteral("&Computation"));
    addCommand(comp, QStringLiteral("CompRun"), QStringLiteral("&Run Analysis"), [this] { runAnalysis(); });
    comp->addSeparator();
    addCommand(comp, QStringLiteral("CompEditInput"), QStringLiteral("Edit I&nput Text"), [this] { startEditor(projectFileName()); });
    addCommand(comp, QStringLiteral("CompEditNotes"), QStringLiteral("Edit &Processor-Run Notes"), [this] { startEditor(RunNotesPath(projectFileName())); });
    addCommand(comp, QStringLiteral("CompEditOutput"), QStringLiteral("Edit &Output Text"), [this] { startEditor(ReportPath(projectFileName())); });
    comp->addSeparator();
    addUnavailable(comp, QStringLiteral("CompWallGeometry"), QStringLiteral("&View Wall Geometry"), QString::fromLatin1(kDrawingsLater));
    addUnavailable(comp, QStringLiteral("Comp3D"), QStringLiteral("3D View"), QString::fromLatin1(kDrawingsLater));
    connect(comp, &QMenu::aboutToShow, this, [this] { updateComputationMenu(); });

    QMenu* graphics = graphs_->BuildGraphicsMenu(this);
    graphics->setToolTipsVisible(true);
    bar->addMenu(graphics);
    menus_[QStringLiteral("&Graphics")] = graphics;

    QMenu* window = addMenu(QStringLiteral("&Window"));
    addCommand(window, QStringLiteral("WindowCascade"), QStringLiteral("&Cascade"), [this] { mdi_->cascadeSubWindows(); });
    addCommand(window, QStringLiteral("WindowArrange"), QStringLiteral("&Arrange Icons"), [this] { mdi_->tileSubWindows(); });
    windowSeparator_ = window->addSeparator();
    for (int i = 0; i < 50; ++i) {
        QAction* a = addCommand(window, QStringLiteral("Window%1").arg(i + 1), QString(), [this, i] {
            const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
            if (i >= windows.size()) return;
            QString caption = windowActions_[i]->text();
            caption.remove(QLatin1Char('&'));
            for (QMdiSubWindow* w : windows)
                if (QString(w->windowTitle()).remove(QLatin1Char('&')) == caption) {
                    mdi_->setActiveSubWindow(w);
                    break;
                }
        });
        a->setCheckable(true);
        a->setVisible(false);
        windowActions_.append(a);
    }
    connect(window, &QMenu::aboutToShow, this, [this] { updateWindowMenu(); });

    QMenu* help = addMenu(QStringLiteral("&Help"));
    const auto helpFile = [this](const char* name) {
        return [this, name] { Ui().openDocument(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(name)); };
    };
    addCommand(help, QStringLiteral("HelpContents"), QStringLiteral("&Contents"), helpFile("TORVEX_2015.chm"));
    addCommand(help, QStringLiteral("HelpUsers"), QStringLiteral("&User's Manual"), helpFile("TORVEX 2015 Users Manual.pdf"));
    addCommand(help, QStringLiteral("HelpTechnical"), QStringLiteral("&Technical Manual"), helpFile("TorvexTechnicalManual.bat"));
    help->addSeparator();
    addCommand(help, QStringLiteral("HelpAbout"), QStringLiteral("&About..."), [this] {
        TAboutBox about(this);
        about.exec();
    });
    addCommand(help, QStringLiteral("HelpUpdates"), QStringLiteral("Check for &Updates"), [] { Ui().openDocument(UpdateCheckUrl(QDate::currentDate())); });
}

void TMainForm::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Tools"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    const auto button = [&](const QString& name, IconKind icon, const QString& hint, QAction* same = nullptr) {
        QAction* a = same != nullptr ? same : new QAction(hint, this);
        if (same == nullptr) {
            a->setObjectName(name);
            actions_[name] = a;
        }
        QAction* shown = same != nullptr ? new QAction(hint, this) : a;
        if (same != nullptr) {
            shown->setObjectName(name);
            actions_[name] = shown;
            connect(shown, &QAction::triggered, same, &QAction::trigger);
        }
        shown->setIcon(MakeIcon(icon));
        shown->setToolTip(hint);
        toolBar_->addAction(shown);
        return shown;
    };
    button(QStringLiteral("TbNew"), IconKind::New, QStringLiteral("New Data File"), action(QStringLiteral("FileNew")));
    button(QStringLiteral("TbOpen"), IconKind::Open, QStringLiteral("Open Data File"), action(QStringLiteral("FileOpen")));
    button(QStringLiteral("TbSave"), IconKind::Save, QStringLiteral("Save Data File"), action(QStringLiteral("FileSave")));
    toolBar_->addSeparator();
    const QString later = QString::fromLatin1(kNotYetAvailable);
    for (auto [name, icon, hint] : {std::tuple{"TbTitle", IconKind::Title, "Title"},
                                    {"TbWallProperties", IconKind::WallProperties, "Wall Properties"},
                                    {"TbWallConfiguration", IconKind::WallConfiguration, "Wall Configuration"}}) {
        QAction* a = button(QString::fromLatin1(name), icon, QString::fromLatin1(hint));
        a->setEnabled(false);
        a->setToolTip(QString::fromLatin1(hint) + QStringLiteral(" (") + later + QString::fromLatin1(kDialogsLater) + QStringLiteral(")"));
        a->setProperty("unavailable", true);
    }
    QAction* soil = button(QStringLiteral("TbSoilLayers"), IconKind::SoilLayers, QStringLiteral("Soil Layers"));
    connect(soil, &QAction::triggered, this, [this] { openTable(QStringLiteral("NewSoil")); });
    toolBar_->addSeparator();
    button(QStringLiteral("TbRun"), IconKind::Run, QStringLiteral("Run Analysis"), action(QStringLiteral("CompRun")));
    QAction* stages = button(QStringLiteral("TbStages"), IconKind::Stages, QStringLiteral("Stage Construction Option"));
    stages->setEnabled(false);
    stages->setProperty("unavailable", true);
    QAction* view = button(QStringLiteral("TbViewOutput"), IconKind::ViewOutput, QStringLiteral("View Output File"));
    connect(view, &QAction::triggered, this, [this] { startEditor(ReportPath(projectFileName())); });
    for (auto [name, icon, hint] : {std::tuple{"TbSoilProfile", IconKind::SoilProfile, "View Soil Profile"},
                                    {"Tb3D", IconKind::View3D, "3D View"}}) {
        QAction* a = button(QString::fromLatin1(name), icon, QString::fromLatin1(hint));
        a->setEnabled(false);
        a->setProperty("unavailable", true);
    }
    toolBar_->addSeparator();
    // The graph buttons belong to the result graphs.
    toolBar_->addActions(graphs_->ToolbarButtons());
    toolBar_->addSeparator();
    for (int k = 1; k <= 5; ++k) {
        QAction* a = button(QStringLiteral("TbStage%1").arg(k), static_cast<IconKind>(static_cast<int>(IconKind::Stage1) + k - 1),
                            QStringLiteral("Stage Const. %1").arg(k));
        a->setVisible(false);
        a->setEnabled(false);
    }
}

void TMainForm::updateComputationMenu() {
    const QString data = projectFileName();
    action(QStringLiteral("CompEditInput"))->setEnabled(QFileInfo::exists(data));
    action(QStringLiteral("CompEditNotes"))->setEnabled(QFileInfo::exists(RunNotesPath(data)));
    action(QStringLiteral("CompEditOutput"))->setEnabled(QFileInfo::exists(ReportPath(data)));
}

// Lets the active table window store its pending entry before a menu acts
// on the project.
void TMainForm::storePendingEntry() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    if (active == nullptr) return;
    if (auto* form = qobject_cast<TTableForm*>(active->widget())) form->ValidateCurrentCell();
}

void TMainForm::updateDataMenu() {
    storePendingEntry();
    const bool generated = projectFlag(QStringLiteral("GenerateEarthPressure")) || projectFlag(QStringLiteral("GeneratePyOption"));
    const bool longTermOn = longTerm();
    action(QStringLiteral("DataSoil"))->setVisible(!longTermOn);
    action(QStringLiteral("DataSoil"))->setEnabled(generated);
    menus_[QStringLiteral("SoilSub")]->menuAction()->setVisible(longTermOn);
    action(QStringLiteral("DataSoilShort"))->setVisible(longTermOn && stageCount() == 1);
    action(QStringLiteral("DataSoilLong"))->setVisible(longTermOn && stageCount() == 1);
    const bool user = earthPressureOption() == 1;
    action(QStringLiteral("DataDist"))->setVisible(!longTermOn);
    action(QStringLiteral("DataDist"))->setEnabled(user);
    menus_[QStringLiteral("DistSub")]->menuAction()->setVisible(longTermOn);
    menus_[QStringLiteral("DistSub")]->setEnabled(user);
    action(QStringLiteral("DataRestraints"))->setEnabled(projectFlag(QStringLiteral("ApplyRestraints")));
    action(QStringLiteral("DataPyMod"))->setEnabled(projectFlag(QStringLiteral("ApplyPyModifiers")));
    action(QStringLiteral("DataExternalPy"))->setEnabled(projectFlag(QStringLiteral("ApplyExternalPy")));
    action(QStringLiteral("DataMei"))->setEnabled(projectFlag(QStringLiteral("ApplyMei")));
}

void TMainForm::updateOptionsMenu() {
    storePendingEntry();
    setEarthPressureOption(earthPressureOption());  // refreshes the user-pressure flag
    action(QStringLiteral("OptGeneratePy"))->setChecked(projectFlag(QStringLiteral("GeneratePyOption")));
    for (const OptionSwitch& s : kSwitches)
        action(QString::fromLatin1(s.action))->setChecked(projectFlag(QString::fromLatin1(s.field)));
}

void TMainForm::updateLongTermMenus() {
    const bool on = longTerm();
    if (QAction* a = action(QStringLiteral("TbSoilLayers"))) a->setEnabled(!on);
    updateDataMenu();
}

void TMainForm::updateStageDisplay() {
    const bool staged = stageCount() > 1;
    menus_[QStringLiteral("&Stage Construction")]->menuAction()->setVisible(staged);
    statusText_->setText(staged ? QStringLiteral("Construction Stage Number: ") + QString::number(currentStage()) : QString());
    for (int k = 1; k <= 5; ++k) action(QStringLiteral("TbStage%1").arg(k))->setVisible(staged && k <= stageCount());
}

// A graph window brings its Plot menu into the menu bar while it is active.
void TMainForm::showPlotMenuOf(QMdiSubWindow* window) {
    if (plotMenuAction_) {
        menuBar()->removeAction(plotMenuAction_);
        plotMenuAction_ = nullptr;
    }
    auto* form = window != nullptr ? qobject_cast<TPlotForm*>(window->widget()) : nullptr;
    if (form == nullptr || form->PlotMenu() == nullptr) return;
    QAction* before = menus_[QStringLiteral("&Window")]->menuAction();
    plotMenuAction_ = form->PlotMenu()->menuAction();
    menuBar()->insertAction(before, plotMenuAction_);
}

void TMainForm::refreshCommands() {
    action(QStringLiteral("TbViewOutput"))->setEnabled(QFileInfo::exists(ReportPath(projectFileName())));
    graphs_->RefreshToolbar();
    updateComputationMenu();
}

}  // namespace torvex
