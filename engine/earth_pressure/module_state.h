// The earth-pressure module's data for one problem: its copy of the wall,
// water, surcharge and soil records, the subdivided layer table and the
// results of each computing step.  Every step is a free function of these
// plain structs; report writing is separate (earth_pressure_report.h).
//
// Depths are measured downward from the top of the wall in the length unit of
// the problem (in, m or L); pressures and unit weights in its force and length.
#pragma once

#include <array>
#include <vector>

#include "core/soil_records.h"
#include "earth_pressure/constants.h"
#include "earth_pressure/earth_pressure.h"

namespace torvex {

// Per-layer arrays, indexed by layer number L = 1 … 21; slot 0 is unused and
// slot NL+1 holds the bottom of the profile in ZTOP.
template <class T>
using LayerArray = std::array<T, kMaxLayers + 2>;

struct EarthPressureInputs {
    int UNITS = 1, KOUTPT = 2, NINC = 0;
    double INCLEN = 0.0;
    // EARTH1
    double HFREE = 0.0, WA = 0.0, WP = 0.0, DWB = 0.0, DWE = 0.0, GW = 0.0, BETA = 0.0;
    int KEP = 0;
    // EARTH2, then the single-surcharge values as the last surcharge record
    // leaves them (the layer forces use only these).
    double QUNIF = 0.0, XSUR = 0.0, PPOINT = 0.0, QLINE = 0.0, QSTRIP = 0.0, WSTRIP = 0.0;
    std::vector<SurchargeRecord> surcharges;
    double GAMW = kWaterWeightEnglish;
    SpringSupportInfo ties;

    double wallLength() const { return NINC * INCLEN; }
};

// One soil layer of the input, before subdivision.
struct InputLayer {
    double THICK = 0.0;
    double GAM = 0.0, COH = 0.0, PHI = 0.0, KAUSR = 0.0;
    bool DRAIN = false;
};

// The layer table after subdivision at the water table and the excavation level.
struct LayerTable {
    int NL = 0;
    int LH = 0;   // layer whose top is at the excavation level (0: none)
    int LWB = 0;  // layer whose top is at the backfill water table (0: none)
    bool overflowed = false;  // more than 21 layers would be needed
    int badInputLayer = 0;    // 1-based input layer with a bottom not below the one above (0: none)
    LayerArray<double> THICK{}, ZTOP{}, COH{}, PHI{}, GAM{}, KAUSR{}, FMOD{};
    LayerArray<bool> DRAIN{};
};

// Effective overburden and earth-pressure coefficients.
struct Coefficients {
    LayerArray<bool> BELOW{};         // layer top at or below the backfill water table
    LayerArray<double> SIGT{};        // effective vertical stress at the layer top
    LayerArray<double> AKA{}, SQKA{}; // active coefficient in use and its root (0 for a user value)
    LayerArray<double> AKP{};         // passive coefficient (reported only)
    LayerArray<double> computedAKA{}; // the computed active coefficient, as reported
    LayerArray<bool> slopeWarning{};  // backfill steeper than the friction angle above the excavation
    double SIGV0 = 0.0;               // SIGT at the excavation level
};

// Resultant active forces per layer above the excavation level (per unit
// wall width) and the water forces, stored negative.
struct LayerForces {
    LayerArray<double> PA1{}, Z1{}, PA2{}, Z2{}, PA3{}, Z3{}, PA4{}, XT{}, PW1{}, PW2{};
    bool waterSection = false;   // the water table lies above the excavation level
    LayerArray<bool> waterRow{}; // a water row is reported for the layer
    double net = 0.0;            // net active force above the excavation
    bool netNegative = false;
};

// Row bookkeeping of the pressure table.
struct TableLayout {
    int NROW = 0;           // rows from the top to the wall tip
    int generated = 0;      // rows the layers yield (fewer than NROW: the profile ends above the tip)
    int kx = 0;             // last row above the excavation level
    bool envelope = false;  // apparent-pressure envelope rows are written (KOUTPT = 3)
    int written = 0;        // rows in the scratch file
};

// The pressure table as written to the scratch file, in file order, and the
// envelope values for KOUTPT = 3.
struct PressureTable {
    TableLayout layout;
    std::vector<EarthPressureRow> rows;
    double F = 0.0;  // active force above the excavation (per unit width)
    double h1 = 0.0, h2 = 0.0, hm = 0.0, zr = 0.0, pmax = 0.0;
};

// The inputs the module works from; the single-surcharge values are those of
// the last surcharge record.
EarthPressureInputs CollectInputs(const EarthPressureContext& context);
std::vector<InputLayer> CollectInputLayers(const SoilRecords& soil);

// Splits the input layers at HFREE and DWB and finds LH and LWB.
LayerTable SubdivideLayers(const std::vector<InputLayer>& input, double HFREE, double DWB, double GW);

Coefficients ComputeCoefficients(const LayerTable& layers, const EarthPressureInputs& in);

LayerForces ComputeLayerForces(const LayerTable& layers, const Coefficients& coefficients,
                               const EarthPressureInputs& in);

// Rows per layer: one per inch in English units, one per 0.05 length unit otherwise.
int RowsForThickness(double thickness, int UNITS);
TableLayout PlanPressureTable(const LayerTable& layers, const EarthPressureInputs& in);

// The table of depth, total, soils and surcharge pressures along the wall.
PressureTable ComputePressureTable(const LayerTable& layers, const Coefficients& coefficients,
                                   const EarthPressureInputs& in);

// Ends the analysis when the problem cannot be analysed (see the messages in
// the implementation); called after the wall, surcharge and soil echo.
void CheckAnalysable(const LayerTable& layers, const EarthPressureInputs& in);

}  // namespace torvex
