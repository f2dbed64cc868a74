#include "run_folder.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace torvex::cli {

namespace fs = std::filesystem;

std::string WithExtension(const std::string& path, const std::string& extension) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + extension;
    return path.substr(0, dot) + extension;
}

OutputPaths OutputsFor(const std::string& dataPath) {
    return {WithExtension(dataPath, ".tx5o"), WithExtension(dataPath, ".tx5p"), WithExtension(dataPath, ".tx5r")};
}

std::string NamesFileText(const std::string& dataPath) {
    const OutputPaths out = OutputsFor(dataPath);
    std::string text;
    const auto line = [&](const std::string& s) { text += s + "\r\n"; };
    line("2015.5.5");
    line("TORVEX file-name list");
    line("written by torvex-run");
    line("0");
    line(dataPath);
    line(out.report);
    line(out.plot);
    line(out.notes);
    return text;
}

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

namespace {

// A temporary folder that is removed with everything in it.
class RunFolder {
public:
    RunFolder() {
        std::string pattern = (fs::temp_directory_path() / "torvex-run-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~RunFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

RunOutcome RunEngineOn(const std::string& libraryPath, const std::string& dataPath) {
    RunOutcome outcome;
    RunFolder folder;
    if (folder.path().empty()) {
        outcome.message = std::string("cannot create a run folder: ") + std::strerror(errno);
        return outcome;
    }
    {
        std::ofstream names(folder.path() + "/NAMES.dat", std::ios::binary);
        names << NamesFileText(dataPath);
        if (!names) {
            outcome.message = "cannot write NAMES.dat in " + folder.path();
            return outcome;
        }
    }

    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        outcome.message = "cannot load the engine library " + libraryPath + (why ? std::string(": ") + why : "");
        return outcome;
    }
    using Entry = int (*)(int);
    auto entry = reinterpret_cast<Entry>(dlsym(library, "_ITORVEX"));
    if (entry == nullptr) {
        dlclose(library);
        outcome.message = "the engine library " + libraryPath + " does not export _ITORVEX";
        return outcome;
    }

    std::error_code ec;
    const fs::path previous = fs::current_path(ec);
    fs::current_path(folder.path(), ec);
    if (ec) {
        dlclose(library);
        outcome.message = "cannot enter the run folder " + folder.path() + ": " + ec.message();
        return outcome;
    }
    outcome.entryResult = entry(5);
    fs::current_path(previous, ec);
    dlclose(library);

    if (outcome.entryResult == 1) {
        outcome.message = "the engine library does not support interface version 5 (it returned 1)";
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

}  // namespace torvex::cli
