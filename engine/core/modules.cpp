#include "core/modules.h"

#include "core/analysis_stop.h"

namespace torvex {

void RunEarthPressureModule(RunContext&) {
    throw AnalysisStop({"", "", "     ERROR -- GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS BUILD"});
}

double SurchargePressureAt(const RunContext&, double) {
    throw AnalysisStop({"", "", "     ERROR -- SURCHARGE PRESSURE IS NOT AVAILABLE IN THIS BUILD"});
}

double RunPyGeneration(RunContext&) {
    throw AnalysisStop({"", "", "     ERROR -- GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS BUILD"});
}

}  // namespace torvex
