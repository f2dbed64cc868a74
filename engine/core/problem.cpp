#include "core/problem.h"

namespace torvex {

void ResetProblem(Problem& problem) {
    problem = Problem();
    problem.KASE.fill(1);
}

}  // namespace torvex
