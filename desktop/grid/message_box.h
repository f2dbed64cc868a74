// The one place where the grid-table framework talks to the user through
// message boxes and starts the text editor. Both go through replaceable
// hooks so tests answer them without a person.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace torvex {

// Information box with an OK button. A "\r" in text is shown as a line break.
using InformationHandler = void (*)(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
// Installs a handler; nullptr restores the message box. Returns the previous one.
InformationHandler SetInformationHandler(InformationHandler handler);

// Starts the configured text editor on a file; false when it could not start.
// The default reads the program setting "Word Processor" and falls back to the
// desktop's handler for text files.
using TextEditorLauncher = std::function<bool(const QString& path)>;
bool LaunchTextEditor(const QString& path);
void SetTextEditorLauncher(TextEditorLauncher launcher);  // empty = default
bool DefaultTextEditorLaunch(const QString& path);

// Program settings: organisation, application and the version group.
inline constexpr const char kSettingsOrganization[] = "Kavrel";
inline constexpr const char kSettingsApplication[] = "TORVEX";
inline constexpr const char kSettingsGroup[] = "2015.5.5";
inline constexpr const char kWordProcessorKey[] = "Word Processor";

}  // namespace torvex
