#include "main/ui_seam.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

#include "grid/message_box.h"

namespace torvex {

QString MessageText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r"), QLatin1String("\n"));
    return t;
}

namespace {

UiSeam RealUi() {
    UiSeam ui;
    ui.information = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("TORVEX 2015"), MessageText(text));
    };
    ui.warning = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("TORVEX 2015"), MessageText(text));
    };
    ui.question = [](QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
        return QMessageBox::question(parent, QStringLiteral("TORVEX 2015"), MessageText(text), buttons);
    };
    ui.openFile = [](QWidget* parent, const QString& title, const QString& filters, int* filterIndex) {
        QFileDialog dialog(parent, title, QString(), filters);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        if (filterIndex != nullptr) {
            const QStringList all = filters.split(QStringLiteral(";;"));
            *filterIndex = static_cast<int>(all.indexOf(dialog.selectedNameFilter())) + 1;
        }
        return dialog.selectedFiles().first();
    };
    ui.saveFile = [](QWidget* parent, const QString& title, const QString& preset, const QString& filters) {
        QFileDialog dialog(parent, title, preset, filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("tx5d"));
        dialog.selectFile(preset);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
    ui.openDocument = [](const QString& target) {
        const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    };
    ui.startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return ui;
}

}  // namespace

UiSeam& Ui() {
    static UiSeam ui = RealUi();
    return ui;
}

void ResetUi() {
    Ui() = RealUi();
    // The table windows' messages share the seam.
    SetInformationHandler([](QWidget* parent, const QString& text) { Ui().information(parent, text); });
}

}  // namespace torvex
