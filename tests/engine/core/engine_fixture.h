// Runs the engine on data-file text, in memory or through the real entry in
// a temporary folder, and hands back what it wrote.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/run_context.h"

namespace torvex::test {

// Fixed clock: 5 March 2016, 14:07:09.
ClockTime FixedClock();

// What a whole engine call wrote.
struct EngineOutput {
    int result = -1;
    std::string report, plot, notes;
    std::vector<std::string> reportLines() const;
};

// Writes the data file and NAMES.dat into a temporary folder, makes it
// current, calls the entry with 5 and reads the three outputs.
EngineOutput RunData(const std::string& dataText, const Clock& clock = FixedClock);

// Reads one problem (title, control and input records) in memory without
// solving it.  An AnalysisStop or InputError propagates.
std::unique_ptr<RunContext> ReadProblemText(const std::string& dataText);

// Reads and solves one problem in memory; returns the context with the
// report, plot and notes in memory buffers.
std::unique_ptr<RunContext> SolveProblemText(const std::string& dataText);

// Lines of a text.
std::vector<std::string> Lines(const std::string& text);

// The deflection column (W at stations 0 … NINC) of a solved problem.
std::vector<double> Deflections(const RunContext& run);

}  // namespace torvex::test

namespace torvex::test {

// A data file put together record by record.  Counts of the control record
// follow the record lists unless set explicitly (>= 0 or a negative test
// value other than kDerive).
struct DataFile {
    static constexpr int kDerive = -99999;
    std::string title = "Test wall";
    int UNITS = 1, NRESTR = kDerive, NSTIFF = kDerive, NPYMOD = kDerive, KOUTPT = 0, KPYOP = 0;
    int NPYSET = 0, NSTAGE = 1, NMEI = 0, NTIE = kDerive;
    int NINC = 10;
    double INCLEN = 12, XDEFMAX = 100, TOL = 1e-7, HFREE = 0, WA = 12;
    std::vector<std::string> restraints, stiffness, loads, springs, tiebacks, pymod, distload;
    std::vector<std::string> soil;    // EARTH1 … LAYERPROP lines, as written
    std::vector<std::string> curves;  // PYSET and PYPT lines, as written
    std::vector<std::string> mei;     // MEISET and MEIPT lines, as written
    int NEXT = 0;
    bool withNext = true;

    std::string text() const;
};

}  // namespace torvex::test
