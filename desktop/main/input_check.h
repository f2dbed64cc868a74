// The short consistency check of the input before a run: wall-stiffness
// nodes within the wall, and a backfill slope no steeper than the friction
// angle of a sand or silt layer.
#pragma once

#include <QString>

class TProgramData;

namespace torvex {

// The warning of the first failed check, or an empty text when all pass.
QString InputCheckMessage(const TProgramData& project);

}  // namespace torvex
