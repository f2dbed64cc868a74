// Five-point finite-difference solution of the beam-column for one
// iteration: forward elimination and back substitution.
#pragma once

#include "core/problem.h"

namespace torvex {

// Working arrays of one solution; fixed size, reused every iteration.
struct SolveWork {
    StationArray<double> RECA, RECB, RECC;  // W(J) = RECA W(J+2) + RECB W(J+1) + RECC
    StationArray<double> S0, Q0;            // springs and loads including the soil's linearisation
};

struct SolveCounts {
    int NEXC = 0;  // stations 0 … NINC deflecting more than XDEFMAX
    int NNC = 0;   // stations 0 … NINC whose deflection moved more than TOL
};

// Solves for the deflections W of the problem (W holds the previous
// iteration's values on entry).
SolveCounts Solve(Problem& p, SolveWork& work);

}  // namespace torvex
