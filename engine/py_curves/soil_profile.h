// The soil profile below the excavation level from which the p-y curves are
// generated: sublayers, the effective unit-weight line, the strength line and
// the five curve depths of every sublayer.  All depths X are measured down
// from the excavation level.
#pragma once

#include <vector>

#include "core/soil_records.h"

namespace torvex::py {

struct PySublayer {
    double TOP = 0.0, BOT = 0.0;  // depths below the excavation level
    int KSOIL = 0;
    double KPY = 0.0;    // initial modulus constant (weak rock: ER), top row of the layer
    int inputLayer = 0;  // 1-based index of the input layer it comes from
    // Curves lying in it (0-based indices into the curve depths), -1 for none.
    int firstCurve = -1, lastCurve = -1;
    bool hasCurves() const { return firstCurve >= 0; }
};

struct UnitWeightPoint {
    double X = 0.0;
    double G = 0.0;  // effective unit weight (total minus water below the water table)
};

struct StrengthPoint {
    double X = 0.0;
    double C = 0.0;      // undrained strength; QU for rock
    double PHI = 0.0;    // friction angle, radians
    double E50 = 0.0;    // strain at half the peak stress; KRM for weak rock
    double KAUSR = 0.0;  // sixth layer value; RQD (%) for weak rock
};

struct SoilProfile {
    std::vector<PySublayer> sublayers;
    std::vector<UnitWeightPoint> unitWeight;  // two per walked layer, plus the closing pair
    int unitWeightPointsOfLayers = 0;         // the count before the closing pair
    std::vector<StrengthPoint> strength;      // two per sublayer
    std::vector<double> curveDepth;           // five per sublayer, in depth order
};

struct ProfileInput {
    int UNITS = 1;
    int NINC = 0;
    double INCLEN = 0.0;
    double HFREE = 0.0;  // excavation level below the top of the wall
    double DWB = 0.0;    // water table behind the wall, below the top of the wall
    const std::vector<SoilLayerRecord>* layers = nullptr;
};

// Unit weight of water and the curve inset from a sublayer's top and bottom,
// by units system (SI = 2, anything else inch-pound).
double WaterUnitWeight(int UNITS);
double CurveInset(int UNITS);

// Builds the profile from the layer table.  Layers down to the excavation
// level are skipped; the profile ends two increments below the wall tip,
// where the strength values are interpolated and deeper sublayers dropped.
// Throws AnalysisStop for a layer below the excavation level whose bottom is
// not below its top.
SoilProfile BuildSoilProfile(const ProfileInput& in);

// Places the curves of the profile in their sublayers (fills firstCurve and
// lastCurve).  Every sublayer of positive thickness gets its own five.
void AssignCurvesToSublayers(SoilProfile& profile);

}  // namespace torvex::py
