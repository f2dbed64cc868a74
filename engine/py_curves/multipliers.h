// p- and y-multipliers of the generated curves, as functions of the depth d
// below the top of the wall.
#pragma once

#include <vector>

#include "core/soil_records.h"

namespace torvex::py {

// With no modification-factor rows: the group reduction 0.5292 r^0.5659 for
// wall elements spaced 1.1 to 3.1 widths apart (r = WA/WP), 1.0 otherwise
// and above the excavation level.  With rows: the PMULT column of the table.
double PMultiplier(double d, double r, double HFREE, const std::vector<PyModRecord>& rows);

// 1.0 with no rows; otherwise the YMULT column of the table.
double YMultiplier(double d, const std::vector<PyModRecord>& rows);

}  // namespace torvex::py
