#include "py_curves/multipliers.h"

#include <cmath>

#include "py_curves/py_constants.h"

namespace torvex::py {

namespace {

// The factor table is linear between rows.  Two rows at one depth make a
// step; at that depth the value after the step applies, except at the last
// table depth, where the first row of that depth counts.  Outside the table
// the factor is 1.
template <typename Column>
double TableFactor(double d, const std::vector<PyModRecord>& rows, Column column) {
    const int N = static_cast<int>(rows.size());
    if (d < rows[0].depth) return 1.0;
    int i = -1;
    for (int k = 1; k < N; ++k) {
        if (d <= rows[k].depth) {
            i = k;
            break;
        }
    }
    if (i < 0) return 1.0;
    if (d == rows[N - 1].depth) return column(rows[i]);
    if (d != rows[i].depth) {
        return column(rows[i - 1]) + (d - rows[i - 1].depth) *
                                         (column(rows[i]) - column(rows[i - 1])) /
                                         (rows[i].depth - rows[i - 1].depth);
    }
    return rows[i + 1].depth == rows[i].depth ? column(rows[i + 1]) : column(rows[i]);
}

}  // namespace

double PMultiplier(double d, double r, double HFREE, const std::vector<PyModRecord>& rows) {
    if (rows.empty()) {
        double f = 0.5292 * std::pow(r, 0.5659);
        if (r >= kNoGroupReductionRatio || r < kContinuousWallRatio || d < HFREE) f = 1.0;
        return f;
    }
    return TableFactor(d, rows, [](const PyModRecord& row) { return row.pmult; });
}

double YMultiplier(double d, const std::vector<PyModRecord>& rows) {
    if (rows.empty()) return 1.0;
    return TableFactor(d, rows, [](const PyModRecord& row) { return row.ymult; });
}

}  // namespace torvex::py
