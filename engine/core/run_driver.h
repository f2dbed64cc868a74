// The run driver: NAMES.dat, the four files, the problem loop and the end
// of the analysis.
#pragma once

#include "core/run_context.h"

namespace torvex {

// Runs every problem of the data file with the files already open.
void RunProblems(RunContext& run);

// "END OF ANALYSIS" and the closing results block.
void EndAnalysis(RunContext& run);

}  // namespace torvex
