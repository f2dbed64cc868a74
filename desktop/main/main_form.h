// The main window: a multiple-document frame holding the input dialogs,
// table windows, graphs and drawings, with the menus, toolbar and status
// bar, and the document commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

#include "graphs/plot_loader.h"
#include "main/recent_files.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TResultGraphs;

namespace torvex {

// Tooltip of a command that a later version will bring.
inline constexpr const char kNotYetAvailable[] = "Not available in this version yet: ";

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QMdiArea* mdiArea() const { return mdi_; }
    TResultGraphs* graphs() const { return graphs_; }

    // Document commands.
    void newProject();
    void openProject();                                   // the Open dialog
    void openByName(const QString& path, bool fromDialog, int filterIndex = 0);
    bool save();                                          // false when nothing was written
    bool saveAs();
    bool askToSave();                                     // false: the user cancelled
    void runAnalysis();
    // Start-up: settings, then the file named on the command line.
    void startUp(const QString& commandLineFile);

    void addRecentFile(const QString& path);
    const RecentFiles& recentFiles() const { return recent_; }
    QString textEditor() const { return editor_; }
    void setTextEditor(const QString& editor);
    bool resultsLoaded() const { return resultsLoaded_; }

    // Refreshes the enabled state of the toolbar and of the menus.
    void refreshCommands();
    // Closes every child window (after a run, Save As).
    void closeChildWindows();
    // Shows a widget as a child window, or brings its window to the front.
    QMdiSubWindow* showChild(QWidget* widget);

    QAction* action(const QString& name) const;  // by object name, for tests
    QMenu* menu(const QString& title) const;     // by title, for tests

    // Hooks for the graphs: loading results from a plot file and the
    // Graphics menu.  Set by the graph module when it is present.
    std::function<bool(const QString& plotPath, bool withMessages)> loadResults;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& text, std::function<void()> run,
                        const QKeySequence& shortcut = {});
    QAction* addUnavailable(QMenu* menu, const QString& name, const QString& text, const QString& why);
    void updateFileMenu();
    void updateWindowMenu();
    void updateComputationMenu();
    void updateDataMenu();
    void storePendingEntry();
    void updateOptionsMenu();
    void updateLongTermMenus();
    void updateStageDisplay();
    void setCaption();
    void readSettings();
    void writeSettings() const;
    void startEditor(const QString& file);
    void openTable(const QString& name);
    QString currentFolder() const;

    // The project's switches, by their project field names.
    bool projectFlag(const QString& name) const;
    void setProjectFlag(const QString& name, bool on);
    int projectUnits() const;
    void switchUnits(int units);
    int earthPressureOption() const;
    void setEarthPressureOption(int option);
    bool longTerm() const;
    int stageCount() const;
    int currentStage() const;
    QString projectFileName() const;
    bool tableWindowOpen(const QString& table) const;
    void closeTableWindow(const QString& table);

    void showPlotMenuOf(QMdiSubWindow* window);
    torvex::graphs::TPlotProject PlotFacts() const;

    QMdiArea* mdi_ = nullptr;
    TResultGraphs* graphs_ = nullptr;
    QPointer<QAction> plotMenuAction_;
    QLabel* statusText_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QList<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    QAction* windowSeparator_ = nullptr;
    QList<QAction*> windowActions_;
    QActionGroup* unitsGroup_ = nullptr;
    QActionGroup* earthGroup_ = nullptr;
    RecentFiles recent_;
    QString editor_;
    bool resultsLoaded_ = false;
    bool settingsRead_ = false;
};

// The program's default text editor: the desktop's handler for text files.
QString DefaultTextEditor();

// The update-check address with its query.
QString UpdateCheckUrl(const QDate& today);

}  // namespace torvex
