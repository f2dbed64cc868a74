#include "engine/core/engine_fixture.h"

#include <sstream>

#include "core/input.h"
#include "core/iterate.h"
#include "core/report_header.h"
#include "io/free_reader.h"
#include "support/test_support.h"

namespace torvex::test {

ClockTime FixedClock() { return ClockTime{2016, 3, 5, 14, 7, 9}; }

std::vector<std::string> Lines(const std::string& text) { return io::SplitLines(text); }

std::vector<std::string> EngineOutput::reportLines() const { return Lines(report); }

EngineOutput RunData(const std::string& dataText, const Clock& clock) {
    TempDir dir;
    ScopedCurrentDir here(dir.path());
    const std::string data = dir.file("wall.tx5d");
    WriteFile(data, dataText);
    WriteFile(dir.file("NAMES.dat"), "2015.5.5\r\nreserved\r\nreserved\r\n0\r\n" + data + "\r\n" +
                                         dir.file("wall.tx5o") + "\r\n" + dir.file("wall.tx5p") + "\r\n" +
                                         dir.file("wall.tx5r") + "\r\n");
    EngineOutput out;
    out.result = RunEngine(5, clock);
    out.report = ReadFile(dir.file("wall.tx5o"));
    out.plot = ReadFile(dir.file("wall.tx5p"));
    out.notes = ReadFile(dir.file("wall.tx5r"));
    return out;
}

namespace {

std::unique_ptr<RunContext> MemoryRun(const std::string& dataText) {
    auto run = std::make_unique<RunContext>();
    run->clock = FixedClock;
    run->names.VERSTXT = "2015.5.5    ";
    run->names.DATFILE = "/work/wall.tx5d";
    run->data.openText(dataText, "wall.tx5d");
    run->report.openMemory();
    run->plot.openMemory();
    run->notes.openMemory();
    run->TITLE = FixedTitle(run->data.readLine("TITLE"));
    run->NPROB = 1;
    run->TITLE1 = run->TITLE;
    ResetProblem(run->problem);
    ReadControl(*run);
    return run;
}

}  // namespace

std::unique_ptr<RunContext> ReadProblemText(const std::string& dataText) {
    auto run = MemoryRun(dataText);
    ReadProblemInput(*run);
    return run;
}

std::unique_ptr<RunContext> SolveProblemText(const std::string& dataText) {
    auto run = ReadProblemText(dataText);
    AnalyseProblem(*run);
    return run;
}

std::vector<double> Deflections(const RunContext& run) {
    std::vector<double> w;
    for (int s = 0; s <= run.problem.NINC; ++s) w.push_back(run.problem.W[s]);
    return w;
}

}  // namespace torvex::test

namespace torvex::test {

std::string DataFile::text() const {
    std::ostringstream s;
    const auto count = [](int given, std::size_t n) { return given == kDerive ? static_cast<int>(n) : given; };
    const auto lines = [&](const std::vector<std::string>& v) {
        for (const std::string& l : v) s << l << "\r\n";
    };
    s << title << "\r\n";
    s << UNITS << ' ' << count(NRESTR, restraints.size()) << '\t' << count(NSTIFF, stiffness.size()) << '\t'
      << count(NPYMOD, pymod.size()) << '\t' << KOUTPT << '\t' << KPYOP << ' ' << NPYSET << ' ' << NSTAGE << ' '
      << NMEI << ' ' << count(NTIE, tiebacks.size()) << "\r\n";
    s.precision(17);
    s << NINC << ' ' << INCLEN << '\t' << XDEFMAX << '\t' << TOL << '\t' << HFREE << '\t' << WA << "\r\n";
    lines(restraints);
    lines(stiffness);
    if (count(NSTIFF, stiffness.size()) > 0) {
        s << loads.size() << "\r\n";
        lines(loads);
        s << springs.size() << "\r\n";
        lines(springs);
        lines(tiebacks);
        lines(pymod);
        if (KOUTPT == 1) {
            s << distload.size() << "\r\n";
            lines(distload);
        }
        lines(soil);
    }
    lines(curves);
    lines(mei);
    if (withNext) s << NEXT << "\r\n";
    return s.str();
}

}  // namespace torvex::test
