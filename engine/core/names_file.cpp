#include "core/names_file.h"

#include <cstdio>

#include "io/free_reader.h"

namespace torvex {

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

static void ComplainAboutNames() {
    std::fputs(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n", stderr);
    std::fputs(" BEFORE COMPUTATION.  TRY IT AGAIN!\n", stderr);
}

NamesFile ReadNamesFile(const std::string& path) {
    NamesFile names;
    io::FreeReader reader;
    if (!reader.open(path)) {
        ComplainAboutNames();
        return names;
    }
    names.opened = true;
    try {
        std::string version = reader.readLine("NAMES.dat version");
        version.resize(12, ' ');
        names.VERSTXT = version;
        reader.readLine("NAMES.dat header");
        reader.readLine("NAMES.dat header");
        reader.beginRead("NAMES.dat header number");
        reader.readInteger("header number");
    } catch (const io::InputError&) {
        // The reserved lines carry nothing for the analysis; a damaged one
        // leaves the paths unread.
        ComplainAboutNames();
        return names;
    }
    std::string* paths[] = {&names.DATFILE, &names.OUTFILE, &names.PLTFILE, &names.RUNFILE};
    for (std::string* target : paths) {
        try {
            *target = TrimRight(reader.readLine("NAMES.dat path"));
        } catch (const io::InputError&) {
            ComplainAboutNames();
            return names;
        }
    }
    names.complete = true;
    return names;
}

}  // namespace torvex
