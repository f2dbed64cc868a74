// The earth-pressure module: generated lateral earth pressure on the backfill
// side of the wall from soil layers, water and surcharges, handed to the input
// phase as a table of depth and pressures through the scratch file
// "ERTHPR.001".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "io/text_out.h"

namespace torvex {

// One row of the earth-pressure table: depth, total pressure, pressure from
// soils (and water), pressure from surcharges (with the uniform surface
// pressure).  Pressures per unit wall width and unit depth.
struct EarthPressureRow {
    double XEP = 0.0, PEP = 0.0, PSOIL = 0.0, PSUR = 0.0;
};

// The inputs of one problem.
struct EarthPressureContext {
    int UNITS = 1;          // 1 English, 2 SI, 3 other consistent units
    int KOUTPT = 2;         // 2 triangular, 3 apparent-pressure envelope of anchored walls
    int NINC = 0;           // increments of the wall
    double INCLEN = 0.0;    // increment length; the wall is NINC·INCLEN long
    const SoilRecords* soil = nullptr;  // EARTH1 to LAYERPROP (HFREE is EARTH1's)
    SpringSupportInfo ties;             // ZTIE1, ZTIEN, NSPR of the spring/tieback table
    const UnitLabels* labels = nullptr;
    std::ostream* console = nullptr;    // console messages; standard error when null
};

// Values kept across the problems of a run.
struct EarthPressurePersistent {
    double SIGV0 = 0.0;  // effective vertical stress at the excavation level, read by the p-y curves
};

constexpr const char* kEarthPressureFile = "ERTHPR.001";
constexpr const char* kEarthPressureDebugFile = "debug.dat";

// Runs the module for one problem: subdivision, wall/surcharge/soil echo,
// coefficients and overburden, layer forces, pressure table.  Report sections
// go to `report`, the slope warning also to `runNotes`; "debug.dat" and
// "ERTHPR.001" are written into the current folder.  A problem that cannot be
// analysed ends with AnalysisStop after the soil echo.
void EarthPressure(const EarthPressureContext& context, EarthPressurePersistent& persistent,
                   io::TextOut& report, io::TextOut& runNotes);

// Reads the table back as the input phase does: the row count, then the rows
// (the three significant digits of the file's E10.3 fields are what survives).
// Throws AnalysisStop for a missing file or an unusable count and
// io::InputError for missing or non-numeric values.
std::vector<EarthPressureRow> ReadEarthPressureTable(const std::string& path);

}  // namespace torvex
