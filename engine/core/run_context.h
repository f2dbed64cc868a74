// The state of one engine call: the files, the run driver's values and what
// survives from one problem to the next.  Created per call, passed down.
#pragma once

#include <array>
#include <string>

#include "core/entry.h"
#include "core/names_file.h"
#include "core/problem.h"
#include "core/unit_labels.h"
#include "io/free_reader.h"
#include "io/text_out.h"

namespace torvex {

constexpr int kPlotRowSlots = 2000;

// Results of the last completed problem, as the plot file's results block
// carries them.  NROWS is 0 until a problem completes.
struct PlotResults {
    int NROWS = 0;
    std::array<double, kPlotRowSlots> PX{}, PW{}, PM{}, PV{}, PR{};
};

struct RunContext {
    Clock clock = SystemClock;
    NamesFile names;

    io::FreeReader data;  // the project data file
    io::TextOut report;   // ".tx5o"
    io::TextOut plot;     // ".tx5p"
    io::TextOut notes;    // ".tx5r", run notes

    // Run driver.
    int NSETS = 1;
    int NPROB = 0;
    std::string TITLE;   // 70 characters, blank-filled
    std::string TITLE1;
    int NEXT = 0;
    int NSTAGE = 0;
    int UNITS = 0;          // the last UNITS read (the results block header)
    int unitLabelCode = 0;  // label code of the previous problem

    UnitLabels labels;
    SpringSupportInfo ties;  // kept across problems
    double SIGV0 = 0.0;      // effective stress at the excavation level, kept across problems
    PlotResults results;

    Problem problem;
};

}  // namespace torvex
