// Nonlinear iteration of the wall on its p-y curves, the rigidity update of
// moment-EI curves, and the results table.
#pragma once

#include "core/run_context.h"
#include "core/solve.h"

namespace torvex {

// The straight segment of a p-y curve at a deflection: the soil force there
// is q - k y (k a spring, q a load).
struct Segment {
    double k = 0.0, q = 0.0;
};

// Segment of curve c at deflection y; sets `off` when y lies outside the
// curve's points.
Segment EvaluateCurve(const PyCurve& c, double y, int& off);

// Adds the linearised soil of every curve range to S0 and Q0 at the
// current deflections.  Returns NOFF.
int LinearizeSoil(Problem& p, SolveWork& work);

// Rigidity at which the moment lies on the record's M-EI polyline.
void UpdateRigidities(Problem& p);

struct IterationOutcome {
    int iterations = 0;
    int NOFF = 0;
    SolveCounts counts;
};

// Runs the iteration (monitor lines to the run notes).
IterationOutcome Iterate(RunContext& run, SolveWork& work);

// Writes the results table and fills the plot results.
void WriteResults(RunContext& run, const IterationOutcome& outcome);

// Title line, iteration and results of the problem.
void AnalyseProblem(RunContext& run);

}  // namespace torvex
