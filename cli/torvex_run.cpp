// torvex-run: analyses TORVEX project data files through the engine library,
// one after another, without the desktop program.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "run_folder.h"
#include "run_summary.h"

namespace {

const char* const kHelp =
    "Usage: torvex-run [--library PATH] FILE.tx5d [FILE.tx5d ...]\n"
    "\n"
    "Analyses each TORVEX project data file with the engine library, as the\n"
    "desktop program's Run Analysis does, and writes next to it:\n"
    "  FILE.tx5o  the report\n"
    "  FILE.tx5p  the plot data file (graphs)\n"
    "  FILE.tx5r  the run notes (iteration monitor, warnings)\n"
    "Each run gets a private temporary folder for the engine's scratch files,\n"
    "so several runners may work at the same time.  After each file the\n"
    "runner prints the output paths and one line per problem: iterations,\n"
    "how the iteration ended, and the largest deflection, moment and shear.\n"
    "\n"
    "  --library PATH  engine library to use (default: libTorvex2015_DLL.so\n"
    "                  in the runner's own folder)\n"
    "  -h, --help      this text\n"
    "\n"
    "Exit status: 0 when every file was analysed; 1 when a file is missing or\n"
    "unreadable, the library cannot be loaded or the engine refused the call;\n"
    "2 for a wrong command line.  Errors in the data are reported in the\n"
    "report file, as the desktop program reports them.\n";

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::string library = torvex::cli::ProgramFolder() + "/libTorvex2015_DLL.so";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--library") {
            if (i + 1 >= argc) {
                std::fputs("torvex-run: --library needs a path\n", stderr);
                return 2;
            }
            library = argv[++i];
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "torvex-run: unknown option %s (see --help)\n", arg.c_str());
            return 2;
        }
        files.push_back(arg);
    }
    if (files.empty()) {
        std::fputs("torvex-run: no data file given (see --help)\n", stderr);
        return 2;
    }

    int status = 0;
    for (const std::string& file : files) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(file, ec);
        if (ec || !fs::is_regular_file(absolute, ec) || access(absolute.c_str(), R_OK) != 0) {
            std::fprintf(stderr, "torvex-run: %s: no such readable data file\n", file.c_str());
            status = 1;
            continue;
        }
        const std::string data = absolute.lexically_normal().string();
        const torvex::cli::RunOutcome outcome = torvex::cli::RunEngineOn(library, data);
        if (!outcome.ok) {
            std::fprintf(stderr, "torvex-run: %s: %s\n", file.c_str(), outcome.message.c_str());
            status = 1;
            continue;
        }
        const torvex::cli::OutputPaths out = torvex::cli::OutputsFor(data);
        std::printf("%s\n  report:    %s\n  plot file: %s\n  run notes: %s\n", data.c_str(), out.report.c_str(),
                    out.plot.c_str(), out.notes.c_str());
        for (const std::string& line : torvex::cli::FormatSummary(torvex::cli::SummarizeRun(out.report, out.plot)))
            std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
    return status;
}
