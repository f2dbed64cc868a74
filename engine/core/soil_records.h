// The records EARTH1 to LAYERPROP of one problem as the engine reads them:
// wall widths, water tables, surcharges and soil layers.  Read by the input
// phase, used by the earth-pressure module and the p-y curve generator.
// Lengths are in the length unit of UNITS (inches, metres or L); surcharge
// distances and widths are already in that unit (SI millimetres divided by
// 1000 on reading).
#pragma once

#include <vector>

namespace torvex {

struct SurchargeRecord {
    int KTYPE = 0;          // 1 point, 2 line, 3 strip
    double load = 0.0;      // force, force/length or force/length^2 by type
    double distance = 0.0;  // horizontal distance from the wall (strip: to its middle)
    double width = 0.0;     // strip width
};

struct SoilLayerRecord {
    int KSOIL = 0;       // 1 soft clay … 7 weak rock
    double ZBOT = 0.0;   // depth of the layer bottom below the top of the wall
    // Six values at the layer top and at its bottom: unit weight, cohesion
    // (rock: QU), friction angle (degrees), E50 (weak rock: KRM), KPY (weak
    // rock: ER), KAUSR (weak rock: RQD %).
    double top[6] = {0, 0, 0, 0, 0, 0};
    double bottom[6] = {0, 0, 0, 0, 0, 0};
};

struct SoilRecords {
    bool present = false;  // read only when KOUTPT >= 2 or KPYOP = 2
    // EARTH1
    double HFREE = 0.0, WA = 0.0, WP = 0.0, DWB = 0.0, DWE = 0.0, GW = 0.0;
    int KEP = 0;
    double BETA = 0.0;
    // EARTH2
    double QUNIF = 0.0, XSUR = 0.0, PPOINT = 0.0, QLINE = 0.0, QSTRIP = 0.0, WSTRIP = 0.0;
    std::vector<SurchargeRecord> surcharges;  // NSURCH, SURCH
    std::vector<SoilLayerRecord> layers;      // NSOIL, LAYER, LAYERPROP
};

// One PYMOD record: p-y modification factors from a depth on.
struct PyModRecord {
    double depth = 0.0, pmult = 1.0, ymult = 1.0;
};

// Tieback bookkeeping handed to the earth-pressure envelope.  Values persist
// across the problems of a run (0 at its start) unless a problem sets them.
struct SpringSupportInfo {
    double ZTIE1 = 0.0;  // depth of the first spring/tieback record when it is one station
    double ZTIEN = 0.0;  // depth of the last spring/tieback record when it is one station
    int NSPR = 0;        // number of spring plus tieback records
};

}  // namespace torvex
