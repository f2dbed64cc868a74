// Ends the analysis in order from anywhere inside a problem: the run driver
// catches it, writes the report lines (when the report is open), writes the
// console text (when given) to standard error, then "END OF ANALYSIS", the
// plot-file results block, closes every file and returns 0.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace torvex {

class AnalysisStop : public std::runtime_error {
public:
    // reportLines: written to the report as they stand (include the leading
    // blanks and any empty lines the layout wants).
    explicit AnalysisStop(std::vector<std::string> reportLines, std::string console = {})
        : std::runtime_error(reportLines.empty() ? std::string("analysis stopped") : reportLines.back()),
          reportLines_(std::move(reportLines)),
          console_(std::move(console)) {}

    const std::vector<std::string>& reportLines() const { return reportLines_; }
    const std::string& console() const { return console_; }

private:
    std::vector<std::string> reportLines_;
    std::string console_;
};

}  // namespace torvex
