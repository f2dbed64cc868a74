// Writing the project data file (2015 layout) and the stage files.
//
// Writing normalises the project itself: the tables of options that are off
// are emptied, the last stiffness section is made constant, and the codes
// Koutpt, Kpyop, MeiCount and TiebackCount take the values written.
#pragma once

#include <QByteArray>
#include <QString>

class TProgramData;

// The whole project file: one problem, or the short-term and the long-term
// problem, ending with the line "0".
QByteArray DataFileText(TProgramData& project);
// One problem of a stage: the stage's title, NEXT = stage.
QByteArray StageFileText(TProgramData& project, int stage);

// A real in the file's general format: at most 8 significant digits, "." as
// decimal separator, fixed notation from 0.0001 to below 1E8.
QString FileReal(double value);

// Writes bytes to a temporary file beside path and renames it over path only
// when everything was written. Throws EFileError with the system's message.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
