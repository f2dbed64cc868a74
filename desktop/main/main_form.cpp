#include "main/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "grid/message_box.h"
#include "main/about_dialog.h"
#include "main/caption.h"
#include "main/icons.h"
#include "main/ui_seam.h"

namespace torvex {

QString DefaultTextEditor() { return QStringLiteral("xdg-open"); }

QString UpdateCheckUrl(const QDate& today) {
    return QStringLiteral("https://www.torvex.org/checkupdates/check/check.php?TORVEX;2015.5.5;05/20/16;") +
           today.toString(QStringLiteral("MM/dd/yy"));
}

namespace {

// The program's settings, opened on its version group.
class ProgramSettings : public QSettings {
public:
    ProgramSettings() : QSettings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication)) {
        beginGroup(QString::fromLatin1(kSettingsGroup));
    }
};

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    statusText_ = new QLabel(this);
    statusBar()->addWidget(statusText_, 1);
    editor_ = DefaultTextEditor();
    createActions();
    createMenus();
    createToolBar();
    setAcceptDrops(true);
    resize(1100, 760);
}

TMainForm::~TMainForm() {
    // Child windows go with the frame; their activation must not reach a
    // half-destroyed main window.
    disconnect(mdi_, nullptr, this, nullptr);
}

QAction* TMainForm::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* TMainForm::menu(const QString& title) const {
    const auto it = menus_.find(title);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* TMainForm::addCommand(QMenu* menu, const QString& name, const QString& text, std::function<void()> run,
                               const QKeySequence& shortcut) {
    QAction* a = actions_.count(name) ? actions_[name] : new QAction(text, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    if (run) connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    if (menu != nullptr) menu->addAction(a);
    actions_[name] = a;
    return a;
}

QAction* TMainForm::addUnavailable(QMenu* menu, const QString& name, const QString& text, const QString& why) {
    QAction* a = addCommand(menu, name, text, nullptr);
    a->setEnabled(false);
    a->setToolTip(QString::fromLatin1(kNotYetAvailable) + why);
    a->setStatusTip(a->toolTip());
    a->setProperty("unavailable", true);
    return a;
}

void TMainForm::closeChildWindows() {
    for (QMdiSubWindow* w : mdi_->subWindowList()) w->close();
}

QMdiSubWindow* TMainForm::showChild(QWidget* widget) {
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (w->widget() == widget) {
            w->show();
            mdi_->setActiveSubWindow(w);
            return w;
        }
    }
    QMdiSubWindow* w = mdi_->addSubWindow(widget);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    mdi_->setActiveSubWindow(w);
    return w;
}

QString TMainForm::currentFolder() const { return QDir::currentPath(); }

void TMainForm::setTextEditor(const QString& editor) {
    editor_ = editor.isEmpty() ? DefaultTextEditor() : editor;
    writeSettings();
}

void TMainForm::readSettings() {
    ProgramSettings settings;
    const QString editor = settings.value(QString::fromLatin1(kWordProcessorKey)).toString();
    if (!editor.isEmpty()) editor_ = editor;
    recent_.read(settings);
    if (settings.status() != QSettings::NoError) {
        editor_ = DefaultTextEditor();
        recent_.clear();
    }
}

void TMainForm::writeSettings() const {
    ProgramSettings settings;
    settings.setValue(QString::fromLatin1(kWordProcessorKey), editor_);
    recent_.write(settings);
    settings.sync();  // a failure leaves the defaults in force
}

void TMainForm::addRecentFile(const QString& path) {
    recent_.add(path);
    writeSettings();
}

void TMainForm::startEditor(const QString& file) {
    if (!Ui().startProgram(editor_, {file}))
        Ui().information(this, QStringLiteral("An error occurred in running the Word Processor"));
}

void TMainForm::updateFileMenu() {
    const int n = recent_.count();
    for (int k = 0; k < recentActions_.size(); ++k) {
        QAction* a = recentActions_[k];
        a->setVisible(k < n);
        if (k < n) a->setText(recent_.menuText(k + 1, currentFolder()));
    }
    recentSeparator_->setVisible(n > 0);
}

void TMainForm::updateWindowMenu() {
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    windowSeparator_->setVisible(!windows.isEmpty());
    for (int i = 0; i < windowActions_.size(); ++i) {
        QAction* a = windowActions_[i];
        const bool shown = i < windows.size();
        a->setVisible(shown);
        if (!shown) continue;
        a->setText(windows[i]->windowTitle());
        a->setChecked(windows[i] == mdi_->activeSubWindow());
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Let the active child store its pending entry before deciding.
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) {
        mdi_->setActiveSubWindow(nullptr);
        if (active->widget() != nullptr) active->widget()->clearFocus();
    }
    if (!askToSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    closeChildWindows();
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    if (!askToSave()) return;
    openByName(urls.first().toLocalFile(), false);
}

}  // namespace torvex
