#include "grid/message_box.h"

#include "grid/entry_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

EDataTypeError::EDataTypeError() : TMessageError(QStringLiteral("Data of wrong type")) {}

namespace torvex {
namespace {

void MessageBoxInformation(QWidget* parent, const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::information(parent, QApplication::applicationName(), shown, QMessageBox::Ok);
}

InformationHandler g_information = &MessageBoxInformation;
TextEditorLauncher g_editor;

}  // namespace

void ShowInformation(QWidget* parent, const QString& text) { g_information(parent, text); }

InformationHandler SetInformationHandler(InformationHandler handler) {
    InformationHandler previous = g_information;
    g_information = handler != nullptr ? handler : &MessageBoxInformation;
    return previous;
}

bool DefaultTextEditorLaunch(const QString& path) {
    QSettings settings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication));
    settings.beginGroup(QString::fromLatin1(kSettingsGroup));
    QString editor = settings.value(QString::fromLatin1(kWordProcessorKey)).toString().trimmed();
    settings.endGroup();
    if (editor.isEmpty()) editor = QStringLiteral("xdg-open");
    return QProcess::startDetached(editor, {path});
}

bool LaunchTextEditor(const QString& path) {
    return g_editor ? g_editor(path) : DefaultTextEditorLaunch(path);
}

void SetTextEditorLauncher(TextEditorLauncher launcher) { g_editor = std::move(launcher); }

}  // namespace torvex
