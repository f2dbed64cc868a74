// Writing the earth-pressure scratch file (reading: ReadEarthPressureTable in
// earth_pressure.h).
#pragma once

#include <string>
#include <vector>

#include "core/analysis_stop.h"
#include "earth_pressure/earth_pressure.h"
#include "io/text_out.h"

namespace torvex {

// Count line with the number of rows, then every row; the count is what
// follows, so the reader never reads past the written rows.
void WritePressureTableFile(const std::string& path, const std::vector<EarthPressureRow>& rows);

// Opens `out` on a fresh file at `path`, replacing an earlier one; ends the
// analysis when it cannot be created.
void ReplaceScratchFile(io::TextOut& out, const std::string& path);

// "TOO MUCH DATA FOR AVAILABLE STORAGE" between two empty lines, ending the analysis.
AnalysisStop TooMuchData();

}  // namespace torvex
