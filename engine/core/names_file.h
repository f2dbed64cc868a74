// NAMES.dat: the list of file names the caller writes before a run.
#pragma once

#include <string>

namespace torvex {

struct NamesFile {
    std::string VERSTXT;  // version text for the report banner, 12 characters
    std::string DATFILE, OUTFILE, PLTFILE, RUNFILE;
    bool complete = false;  // all four paths were read
    bool opened = false;    // the file itself could be opened
};

// Reads the eight lines of NAMES.dat.  When the paths cannot all be read,
// the two-line console message is written to standard error and what was
// read is returned.
NamesFile ReadNamesFile(const std::string& path = "NAMES.dat");

// Path helpers for the report header: folder with its trailing separator,
// and file name with extension.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// Removes trailing blanks (and a stray CR) from a line.
std::string TrimRight(std::string text);

}  // namespace torvex
