// The input phase's calls into the earth-pressure module and the p-y curve
// generator.
#pragma once

#include "core/run_context.h"

namespace torvex {

// Generated earth pressure: runs the module and fills the problem's table
// (XEP, PEP, PSOIL, PSUR) from its scratch file, before widths are applied.
void RunEarthPressureModule(RunContext& run);

// Lateral pressure of the problem's surcharges at a depth (per unit width).
double SurchargePressureAt(const RunContext& run, double depth);

// Generated p-y curves: writes the scratch file "SOILDATA" in the current
// folder and returns the free height the generator works with.
double RunPyGeneration(RunContext& run);

}  // namespace torvex
