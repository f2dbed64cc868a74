#include "run_summary.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace torvex::cli {

namespace {

// The report: "RESULTS -- ITERATION n" opens the results of a problem; the
// warning lines before its table say how the iteration ended.
void ReadReport(const std::string& path, RunSummary& summary) {
    std::ifstream in(path);
    std::string line;
    ProblemSummary* current = nullptr;
    bool inHeader = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto at = line.find("RESULTS -- ITERATION");
        if (at != std::string::npos) {
            ProblemSummary p;
            p.problem = static_cast<int>(summary.problems.size()) + 1;
            p.iterations = std::atoi(line.c_str() + at + 20);
            p.ending = "converged";
            summary.problems.push_back(p);
            current = &summary.problems.back();
            inHeader = true;
            continue;
        }
        if (inHeader && current != nullptr) {
            if (line.find("MAX ALLOWABLE DEFLECTION EXCEEDED") != std::string::npos)
                current->ending = "exceeded the allowed deflection";
            else if (line.find("SOLUTION NOT CLOSED") != std::string::npos && current->ending == "converged")
                current->ending = "did not converge";
            else if (line.find("STA I") != std::string::npos)
                inHeader = false;
        }
        if (line.find("ERROR") != std::string::npos || line.find("TOO MUCH DATA") != std::string::npos) {
            const auto first = line.find_first_not_of(' ');
            summary.errors.push_back(first == std::string::npos ? line : line.substr(first));
        }
    }
}

// The plot file as a stream of numbers: per problem an earth-pressure, a
// p-y and a results block.
void ReadPlot(const std::string& path, RunSummary& summary) {
    std::ifstream in(path);
    std::vector<double> v;
    double x;
    while (in >> x) v.push_back(x);
    std::size_t i = 0;
    const auto take = [&](double& out) {
        if (i >= v.size()) return false;
        out = v[i++];
        return true;
    };
    for (std::size_t problem = 0; problem < summary.problems.size(); ++problem) {
        double count, units, curves, rows, sets;
        if (!take(count) || count < 0) return;
        i += static_cast<std::size_t>(count) * 4;
        if (!take(units) || !take(curves) || curves < 0) return;
        for (int c = 0; c < static_cast<int>(curves); ++c) {
            double where, n;
            if (!take(where) || !take(n) || n < 0) return;
            i += static_cast<std::size_t>(n) * 2;
        }
        if (!take(sets) || !take(rows) || !take(units) || rows < 0) return;
        if (i + static_cast<std::size_t>(rows) * 5 > v.size()) return;
        ProblemSummary& p = summary.problems[problem];
        p.units = static_cast<int>(units);
        p.hasResults = rows > 0;
        for (int r = 0; r < static_cast<int>(rows); ++r, i += 5) {
            const double depth = v[i], w = v[i + 1], m = v[i + 2], s = v[i + 3];
            if (std::fabs(w) > std::fabs(p.maxDeflection) || r == 0) { p.maxDeflection = w; p.depthDeflection = depth; }
            if (std::fabs(m) > std::fabs(p.maxMoment) || r == 0) { p.maxMoment = m; p.depthMoment = depth; }
            if (std::fabs(s) > std::fabs(p.maxShear) || r == 0) { p.maxShear = s; p.depthShear = depth; }
        }
    }
}

}  // namespace

RunSummary SummarizeRun(const std::string& reportPath, const std::string& plotPath) {
    RunSummary summary;
    ReadReport(reportPath, summary);
    ReadPlot(plotPath, summary);
    return summary;
}

std::vector<std::string> FormatSummary(const RunSummary& summary) {
    std::vector<std::string> lines;
    for (const ProblemSummary& p : summary.problems) {
        const char* len = p.units == 1 ? "in" : p.units == 2 ? "m" : "L";
        const char* force = p.units == 1 ? "lb" : p.units == 2 ? "kN" : "F";
        char buffer[512];
        if (p.hasResults) {
            std::snprintf(buffer, sizeof buffer,
                          "  problem %d: %d iteration%s, %s; max deflection %.4g %s at %.4g %s; "
                          "max moment %.4g %s-%s at %.4g %s; max shear %.4g %s at %.4g %s",
                          p.problem, p.iterations, p.iterations == 1 ? "" : "s", p.ending.c_str(), p.maxDeflection,
                          len, p.depthDeflection, len, p.maxMoment, force, len, p.depthMoment, len, p.maxShear, force,
                          p.depthShear, len);
        } else {
            std::snprintf(buffer, sizeof buffer, "  problem %d: %d iteration%s, %s", p.problem, p.iterations,
                          p.iterations == 1 ? "" : "s", p.ending.c_str());
        }
        lines.emplace_back(buffer);
    }
    for (const std::string& e : summary.errors) lines.push_back("  report: " + e);
    if (summary.problems.empty() && summary.errors.empty()) lines.push_back("  no results were written");
    return lines;
}

}  // namespace torvex::cli
