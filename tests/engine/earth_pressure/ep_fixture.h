// Small builders for earth-pressure test problems.
#pragma once

#include <sstream>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "earth_pressure/earth_pressure.h"
#include "earth_pressure/module_state.h"

namespace torvex::test {

// A soil layer by its bottom depth and the values at its top.
inline SoilLayerRecord Layer(int KSOIL, double ZBOT, double gamma, double c, double phi, double KAUSR = 0.0) {
    SoilLayerRecord r;
    r.KSOIL = KSOIL;
    r.ZBOT = ZBOT;
    r.top[0] = gamma;
    r.top[1] = c;
    r.top[2] = phi;
    r.top[5] = KAUSR;
    return r;
}

inline SurchargeRecord Surcharge(int KTYPE, double load, double distance, double width = 0.0) {
    SurchargeRecord r;
    r.KTYPE = KTYPE;
    r.load = load;
    r.distance = distance;
    r.width = width;
    return r;
}

// One problem: soil records plus the wall and option values of the context.
struct EpProblem {
    SoilRecords soil;
    UnitLabels labels;
    int UNITS = 1, KOUTPT = 2, NINC = 40;
    double INCLEN = 6.0;
    SpringSupportInfo ties;
    std::ostringstream console;

    EpProblem() {
        soil.present = true;
        soil.GW = 1.0;
        soil.DWB = 1.0E6;  // no water unless a test sets one
        soil.DWE = 1.0E6;
        SetUnitLabels(labels, 1);
    }

    EarthPressureContext context() {
        EarthPressureContext c;
        c.UNITS = UNITS;
        c.KOUTPT = KOUTPT;
        c.NINC = NINC;
        c.INCLEN = INCLEN;
        c.soil = &soil;
        c.ties = ties;
        c.labels = &labels;
        c.console = &console;
        return c;
    }

    EarthPressureInputs inputs() { return CollectInputs(context()); }
    LayerTable layers() {
        const EarthPressureInputs in = inputs();
        return SubdivideLayers(CollectInputLayers(soil), in.HFREE, in.DWB, in.GW);
    }
    Coefficients coefficients() { return ComputeCoefficients(layers(), inputs()); }
    LayerForces forces() { return ComputeLayerForces(layers(), coefficients(), inputs()); }
    PressureTable table() { return ComputePressureTable(layers(), coefficients(), inputs()); }
};

}  // namespace torvex::test
