// Report sections of the earth-pressure module, written from the computed
// structs of module_state.h.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/unit_labels.h"
#include "earth_pressure/module_state.h"
#include "io/text_out.h"

namespace torvex {


// "WALL INFORMATION", "SURCHARGE INFORMATION" and "SOIL INFORMATION".
void WriteWallSurchargeSoil(io::TextOut& report, const EarthPressureInputs& in, const LayerTable& layers,
                            const UnitLabels& labels);

// "EFFECTIVE OVERBURDEN STRESS".
void WriteOverburden(io::TextOut& report, const LayerTable& layers, const Coefficients& c,
                     const UnitLabels& labels);

// "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT", with the backfill-slope
// warning before the row of a layer that gets it (also to the run notes).
void WriteCoefficientTable(io::TextOut& report, io::TextOut& runNotes, const LayerTable& layers,
                           const Coefficients& c);

// "ACTIVE EARTH PRESSURE OF EACH LAYER", then "ACTIVE WATER PRESSURE OF EACH
// LAYER" when the water table lies above the excavation level, then the
// negative-net-force message (also to the console).
void WriteLayerForces(io::TextOut& report, std::ostream& console, const LayerTable& layers,
                      const LayerForces& f, const UnitLabels& labels);

}  // namespace torvex
