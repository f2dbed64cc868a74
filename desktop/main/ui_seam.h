// Everything the main window asks of a person or of the desktop: message
// boxes, file dialogs, opening documents and starting programs.  Each goes
// through a replaceable function so tests can answer without a person.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace torvex {

struct UiSeam {
    // Information box with OK ("\r" is a line break).
    std::function<void(QWidget*, const QString& text)> information;
    // Warning box with OK (the input check).
    std::function<void(QWidget*, const QString& text)> warning;
    // Question with the given buttons; returns the button chosen.
    std::function<QMessageBox::StandardButton(QWidget*, const QString& text, QMessageBox::StandardButtons)> question;
    // File dialogs: return the chosen path (empty when cancelled) and, for
    // Open, the 1-based index of the chosen filter.
    std::function<QString(QWidget*, const QString& title, const QString& filters, int* filterIndex)> openFile;
    std::function<QString(QWidget*, const QString& title, const QString& preset, const QString& filters)> saveFile;
    // Opens a file or address with the desktop's handler.
    std::function<bool(const QString& urlOrPath)> openDocument;
    // Starts a program detached; false when it cannot be started.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
};

// The seam in use; defaults to the real dialogs and services.
UiSeam& Ui();
// Restores the real dialogs and services.
void ResetUi();

// "\r" in a message text becomes a line break.
QString MessageText(const QString& text);

}  // namespace torvex
