// A short account of an analysis read back from the files the engine wrote:
// per problem the iteration count and how the iteration ended, and the
// largest deflection, moment and shear with their depths.
#pragma once

#include <string>
#include <vector>

namespace torvex::cli {

struct ProblemSummary {
    int problem = 0;
    int iterations = 0;
    std::string ending;  // "converged", "exceeded the allowed deflection", "did not converge"
    bool hasResults = false;
    int units = 0;
    double maxDeflection = 0, depthDeflection = 0;
    double maxMoment = 0, depthMoment = 0;
    double maxShear = 0, depthShear = 0;
};

struct RunSummary {
    std::vector<ProblemSummary> problems;
    std::vector<std::string> errors;  // error lines of the report
};

RunSummary SummarizeRun(const std::string& reportPath, const std::string& plotPath);

// One line per problem, in the project's units.
std::vector<std::string> FormatSummary(const RunSummary& summary);

}  // namespace torvex::cli
