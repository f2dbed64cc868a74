// Driver of the earth-pressure module: set-up and subdivision, the wall,
// surcharge and soil echo, coefficients and overburden, layer forces, and the
// pressure table in the scratch file.
#include "earth_pressure/earth_pressure.h"

#include <iostream>
#include <string>

#include "core/analysis_stop.h"
#include "earth_pressure/earth_pressure_report.h"
#include "earth_pressure/module_state.h"
#include "earth_pressure/pressure_table_file.h"

namespace torvex {

namespace {

[[noreturn]] void Stop(const std::string& message, const std::string& console) {
    throw AnalysisStop({"", "", "     ERROR STOP -- " + message}, console);
}

}  // namespace

void CheckAnalysable(const LayerTable& t, const EarthPressureInputs& in) {
    // The surcharge formulas are normalised by the free height.
    if (!(in.HFREE > kDepthTolerance))
        Stop("FREE HEIGHT OF WALL MUST BE GREATER THAN 0", "The free height of the wall must be greater than 0.");
    if (t.badInputLayer > 0)
        Stop("THE BOTTOM OF SOIL LAYER " + std::to_string(t.badInputLayer) +
                 " MUST LIE BELOW THE BOTTOM OF THE LAYER ABOVE",
             "The bottom of soil layer " + std::to_string(t.badInputLayer) +
                 " must lie below the bottom of the layer above.");
    if (t.LH == 0)
        Stop("THE SOIL LAYERS MUST REACH BELOW THE EXCAVATION LEVEL",
             "The soil layers must reach below the excavation level.");
    if (t.overflowed)
        Stop("MORE THAN 21 SOIL LAYERS AFTER SUBDIVISION AT THE WATER TABLE AND THE EXCAVATION LEVEL",
             "More than 21 soil layers after subdivision at the water table and the excavation level.");
    if (in.KOUTPT == 3 && in.ties.NSPR < 1)
        Stop("THE APPARENT-PRESSURE ENVELOPE NEEDS AT LEAST ONE SPRING OR TIEBACK",
             "The apparent-pressure envelope needs at least one spring or tieback.");
    const TableLayout layout = PlanPressureTable(t, in);
    if (layout.NROW < 2) Stop("THE WALL IS TOO SHORT FOR AN EARTH-PRESSURE TABLE", "The wall is too short.");
    if (layout.generated < layout.NROW)
        Stop("THE SOIL LAYERS MUST REACH THE TIP OF THE WALL", "The soil layers must reach the tip of the wall.");
    if (layout.written > kMaxTableRows) throw TooMuchData();
}

void EarthPressure(const EarthPressureContext& context, EarthPressurePersistent& persistent, io::TextOut& report,
                   io::TextOut& runNotes) {
    const EarthPressureInputs in = CollectInputs(context);
    const UnitLabels defaultLabels;
    const UnitLabels& labels = context.labels != nullptr ? *context.labels : defaultLabels;
    std::ostream& console = context.console != nullptr ? *context.console : std::cerr;

    // The debug scratch file is opened, never written, and closed before the
    // table is written.
    io::TextOut debug;
    ReplaceScratchFile(debug, kEarthPressureDebugFile);
    const LayerTable layers = SubdivideLayers(CollectInputLayers(*context.soil), in.HFREE, in.DWB, in.GW);

    WriteWallSurchargeSoil(report, in, layers, labels);
    CheckAnalysable(layers, in);

    const Coefficients coefficients = ComputeCoefficients(layers, in);
    persistent.SIGV0 = coefficients.SIGV0;
    WriteOverburden(report, layers, coefficients, labels);
    WriteCoefficientTable(report, runNotes, layers, coefficients);

    const LayerForces forces = ComputeLayerForces(layers, coefficients, in);
    WriteLayerForces(report, console, layers, forces, labels);

    const PressureTable table = ComputePressureTable(layers, coefficients, in);
    debug.close();
    WritePressureTableFile(kEarthPressureFile, table.rows);
}

}  // namespace torvex
