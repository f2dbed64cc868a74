// One call of the engine library: a private run folder holding NAMES.dat,
// the library loaded from the program folder, the entry called with the
// interface version, the library released and the folder removed.
#pragma once

#include <QString>

namespace torvex {

inline constexpr const char kMsgReinitialize[] = "Attempt to reinitialize DLL";
inline constexpr const char kMsgInitializeFailed[] = "Attempt to initialize DLL failed";
inline constexpr const char kMsgCompleted[] =
    "Computations are completed. Please, check output file for results or error messages.";
inline constexpr const char kSupportAddress[] = "support@torvex.org";
QString InconsistentFilesMessage();

struct EngineCallResult {
    enum class Status { Completed, NamesNotWritten, AlreadyLoaded, LoadFailed, Inconsistent };
    Status status = Status::LoadFailed;
    int entryResult = -1;
    QString message;  // the text to show the user
};

// Paths derived from the data file.
QString ReportPath(const QString& dataPath);     // ".tx5o"
QString PlotPath(const QString& dataPath);       // ".tx5p"
QString RunNotesPath(const QString& dataPath);   // ".tx5r"
QString ChangeExtension(const QString& path, const QString& extension);

// The eight lines of NAMES.dat, CR LF line ends.
QByteArray NamesFileText(const QString& dataPath);

// The engine library the program uses: libTorvex2015_DLL.so beside the
// program, unless a test points elsewhere.
QString EngineLibraryPath();
void SetEngineLibraryPath(const QString& path);  // empty: beside the program

// Runs the engine on a saved data file.  `busy` brackets the call (the
// busy cursor).
EngineCallResult CallEngine(const QString& dataPath, bool showBusyCursor = true);

}  // namespace torvex
