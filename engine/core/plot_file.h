// Blocks of the plot data file: earth pressure, p-y curves and results.
#pragma once

#include "core/run_context.h"

namespace torvex {

// Results block: NSETS, NROWS, UNITS, then the rows of the last completed problem.
void WriteResultsBlock(RunContext& run);

}  // namespace torvex
