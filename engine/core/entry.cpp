#include "core/entry.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "core/analysis_stop.h"
#include "core/run_context.h"
#include "core/run_driver.h"

namespace torvex {

ClockTime SystemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ClockTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

namespace {

// Writes a failure where the user will see it: the report when it is open,
// standard error otherwise.
void Complain(RunContext& run, const std::string& text) {
    if (run.report.isOpen()) {
        run.report.blank(2);
        run.report.line("     " + text);
    } else {
        std::fprintf(stderr, "TORVEX: %s\n", text.c_str());
    }
}

std::string CannotOpen(const char* what, const std::string& path, int error) {
    return std::string("ERROR -- THE ") + what + " CANNOT BE OPENED: \"" + path + "\" (" + std::strerror(error) + ")";
}

}  // namespace

int RunEngine(int version, const Clock& clock) {
    if (version != kInterfaceVersion) return 1;

    auto run = std::make_unique<RunContext>();
    run->clock = clock;
    run->names = ReadNamesFile("NAMES.dat");
    const NamesFile& names = run->names;

    errno = 0;
    const bool dataOpen = !names.DATFILE.empty() && run->data.open(names.DATFILE);
    const int dataError = errno != 0 ? errno : ENOENT;
    errno = 0;
    const bool reportOpen = !names.OUTFILE.empty() && run->report.open(names.OUTFILE);
    const int reportError = errno != 0 ? errno : ENOENT;
    errno = 0;
    const bool plotOpen = !names.PLTFILE.empty() && run->plot.open(names.PLTFILE);
    const int plotError = errno != 0 ? errno : ENOENT;
    errno = 0;
    const bool notesOpen = !names.RUNFILE.empty() && run->notes.open(names.RUNFILE);
    const int notesError = errno != 0 ? errno : ENOENT;

    if (!reportOpen) Complain(*run, CannotOpen("REPORT FILE", names.OUTFILE, reportError));
    if (!plotOpen) Complain(*run, CannotOpen("PLOT FILE", names.PLTFILE, plotError));
    if (!notesOpen) Complain(*run, CannotOpen("RUN NOTES FILE", names.RUNFILE, notesError));

    if (!dataOpen) {
        Complain(*run, CannotOpen("INPUT DATA FILE", names.DATFILE, dataError));
    } else {
        try {
            RunProblems(*run);
        } catch (const AnalysisStop& stop) {
            for (const std::string& line : stop.reportLines()) run->report.line(line);
            if (!stop.console().empty()) std::fprintf(stderr, "%s\n", stop.console().c_str());
        } catch (const io::InputError& error) {
            Complain(*run, "INPUT ERROR -- " + error.file().substr(error.file().find_last_of('/') + 1) +
                               (error.endOfFile() ? ", after line " : ", line ") + std::to_string(error.line()) +
                               ": " + error.what());
        } catch (const std::exception& error) {
            Complain(*run, std::string("ERROR -- THE ANALYSIS STOPPED: ") + error.what());
        }
    }

    EndAnalysis(*run);
    run->report.close();
    run->plot.close();
    run->notes.close();
    return 0;
}

}  // namespace torvex
