// One engine run of the headless runner: a private run folder with its
// NAMES.dat, the engine library bound from the runner's folder, the call.
#pragma once

#include <string>

namespace torvex::cli {

struct OutputPaths {
    std::string report, plot, notes;
};

// The data path with its extension changed (".tx5o" …); a path without an
// extension gets one appended.
std::string WithExtension(const std::string& path, const std::string& extension);
OutputPaths OutputsFor(const std::string& dataPath);

// The eight lines of NAMES.dat for a data file (absolute path).
std::string NamesFileText(const std::string& dataPath);

// Folder holding the running program.
std::string ProgramFolder();

struct RunOutcome {
    bool ok = false;
    int entryResult = -1;
    std::string message;  // what went wrong when !ok
};

// Loads libraryPath, calls _ITORVEX(5) with a private temporary folder as
// the current folder, unloads the library and removes the folder.
RunOutcome RunEngineOn(const std::string& libraryPath, const std::string& dataPath);

}  // namespace torvex::cli
