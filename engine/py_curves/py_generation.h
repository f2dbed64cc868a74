// Generated p-y curves: turns the soil layers of a problem into a profile of
// sublayers below the excavation level, places five curves in each, has each
// sublayer's soil model compute both sides of the wall, echoes the profile
// and the curves to the report and writes every curve - user curves first -
// to the scratch record SOILDATA, which the input phase reads back.
#pragma once

#include <iosfwd>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "io/text_out.h"

namespace torvex {

// A user p-y curve as the input phase stored it: points already multiplied
// by the set's YMULT and PMULT.
struct UserPyCurve {
    int NODE = 0;
    std::vector<double> y, p;
};

struct PyGenerationInput {
    int UNITS = 1;  // 2 SI (kN, m); anything else inch-pound
    int NINC = 0;
    double INCLEN = 0.0;
    const SoilRecords* soil = nullptr;                  // EARTH1 values and layers
    const std::vector<PyModRecord>* pymod = nullptr;    // may be null: no rows
    const std::vector<UserPyCurve>* userCurves = nullptr;  // may be null: none
    // Effective vertical stress at the excavation level from the
    // earth-pressure module (0 if it never ran in this run).
    double SIGV0 = 0.0;
    // Where the progress message " READ SOIL DATA...." goes; null: standard
    // error.
    std::ostream* console = nullptr;
};

// Writes the report sections to `report` and the SOILDATA records to
// `soildata`; when `soildata` is not open, opens (and at the end closes) the
// file "SOILDATA" in the current folder.  Sets the unit labels from UNITS.
// Returns the free height HFREE of EARTH1, which the rest of the problem uses.
// Ends the analysis with AnalysisStop where the soil data leave a curve
// undefined.
double GeneratePyCurves(const PyGenerationInput& in, UnitLabels& labels, io::TextOut& report,
                        io::TextOut& soildata);

}  // namespace torvex
