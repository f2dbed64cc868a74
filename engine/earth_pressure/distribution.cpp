// The earth-pressure table along the wall: active pressure of each layer
// above the excavation level (with water on drained layers below the backfill
// water table, cohesion and surcharges), a constant active pressure below it,
// and for anchored walls (KOUTPT = 3) the apparent-pressure envelope above
// the excavation level.
#include <cmath>
#include <stdexcept>

#include "core/analysis_stop.h"
#include "earth_pressure/module_state.h"
#include "earth_pressure/surcharge.h"

namespace torvex {

namespace {

// Row spacing: 1 in in English units, 0.05 length units otherwise.
constexpr double kRowsPerLengthUnit = 20;
// Beyond any storable table; keeps the rounding below defined.
constexpr double kRowCountCap = 1.0E8;

// Envelope ordinate at depth z: a ramp to pmax at h1, pmax to zr, a ramp
// down to 0 at the excavation level.
double EnvelopePressure(const PressureTable& p, double z) {
    if (z < p.h1) return p.pmax * z / p.h1;
    if (z <= p.zr) return p.pmax;
    if (!(p.h2 > 0.0)) return 0.0;  // the lowest support at the excavation level
    return p.pmax - (z - p.zr) * p.pmax / p.h2;
}

void BuildEnvelope(PressureTable& p, const EarthPressureInputs& in) {
    const SpringSupportInfo& ties = in.ties;
    const double HFREE = in.HFREE;
    p.h1 = 2 * ties.ZTIE1 / 3;
    p.h2 = 2 * (HFREE - ties.ZTIE1) / 3;
    p.hm = HFREE / 3;
    if (ties.NSPR > 1) {
        p.h2 = 2 * (HFREE - ties.ZTIEN) / 3;
        p.hm = HFREE - p.h1 - p.h2;
    }
    p.zr = p.hm + p.h1;
    if (ties.NSPR > 1)
        p.pmax = kEnvelopeFactor * p.F / (HFREE - (p.h2 + p.h1) / 3);
    else
        p.pmax = kEnvelopeFactor * p.F * 3 / (2 * HFREE);
    if (!std::isfinite(p.pmax))
        throw AnalysisStop({"", "", "     ERROR STOP -- THE SPRING AND TIEBACK DEPTHS GIVE NO APPARENT-PRESSURE "
                                    "ENVELOPE"},
                           "The spring and tieback depths give no apparent-pressure envelope.");
}

}  // namespace

int RowsForThickness(double thickness, int UNITS) {
    double rows = UNITS == 1 ? thickness : kRowsPerLengthUnit * thickness;
    if (!(std::fabs(rows) < kRowCountCap)) rows = std::signbit(rows) ? -kRowCountCap : kRowCountCap;
    return static_cast<int>(std::lround(rows));  // nearest, halves away from zero
}

TableLayout PlanPressureTable(const LayerTable& t, const EarthPressureInputs& in) {
    TableLayout layout;
    layout.NROW = 1;
    layout.generated = 1;
    layout.kx = 1;
    for (int L = 1; L <= t.NL; ++L) {
        // The last layer counts only down to the wall tip.
        const double counted = L == t.NL ? in.wallLength() - t.ZTOP[t.NL] : t.THICK[L];
        layout.NROW += RowsForThickness(counted, in.UNITS);
        const int own = RowsForThickness(t.THICK[L], in.UNITS);
        layout.generated += own;
        if (L < t.LH) layout.kx += own;
    }
    if (layout.kx > layout.NROW) layout.kx = layout.NROW;
    // The envelope rows end with row kx at the excavation level, and the
    // table goes on from row kx again: one row more than NROW.
    layout.envelope = in.KOUTPT == 3 && layout.kx >= 2;
    layout.written = layout.NROW + (layout.envelope ? 1 : 0);
    return layout;
}

PressureTable ComputePressureTable(const LayerTable& layers, const Coefficients& coefficients,
                                   const EarthPressureInputs& in) {
    PressureTable p;
    p.layout = PlanPressureTable(layers, in);
    const int NROW = p.layout.NROW;
    const LayerTable& t = layers;
    // Below the excavation level the coefficients are replaced here.
    LayerArray<double> AKA = coefficients.AKA;
    LayerArray<double> SQKA = coefficients.SQKA;
    const LayerArray<double>& SIGT = coefficients.SIGT;
    const SurchargeSampler sampler(in.surcharges, in.HFREE, in.NINC, in.INCLEN);

    std::vector<EarthPressureRow> generated;
    generated.reserve(static_cast<std::size_t>(NROW > 0 ? NROW : 1));
    EarthPressureRow top;
    top.PEP = AKA[1] * SIGT[1] * t.FMOD[1];
    top.PSUR = SIGT[1] > 0.0 ? top.PEP : 0.0;
    generated.push_back(top);

    double w = 0.0;  // water standing in the excavation, acting against the backfill
    int k = 1;
    for (int L = 1; L <= t.NL && k < NROW; ++L) {
        const bool waterBelow = t.DRAIN[L] && coefficients.BELOW[L];
        const double gammaEffective = waterBelow ? t.GAM[L] - in.GAMW : t.GAM[L];
        const double gammaWater = waterBelow ? in.GAMW : 0.0;
        double g = 0.0;   // half the pressure gradient over the layer
        double p0 = 0.0;  // pressure at the layer top
        if (L < t.LH) {
            g = 0.5 * gammaWater + 0.5 * gammaEffective * AKA[L] * t.FMOD[L];
            p0 = (t.ZTOP[L] - in.DWB) * gammaWater + SIGT[L] * AKA[L] * t.FMOD[L] -
                 2.0 * t.COH[L] * SQKA[L] * t.FMOD[L];
        } else {
            // Below the excavation level: level-backfill Rankine value, and the
            // pressure stays at that of the overburden at the excavation level.
            SQKA[L] = std::tan((45.0 - 0.5 * t.PHI[L]) / kDegPerRad);
            AKA[L] = SQKA[L] * SQKA[L];
            p0 = SIGT[t.LH] * AKA[L] * t.FMOD[L] - 2.0 * t.COH[L] * SQKA[L] * t.FMOD[L];
        }
        // The uniform surface pressure's share of the active pressure, moved
        // from the soils column to the surcharge column.
        const double pq = SIGT[1] < kMinSurfacePressure ? 0.0 : SIGT[1] * AKA[L] * t.FMOD[L];

        const int n = RowsForThickness(t.THICK[L], in.UNITS);
        for (int i = 1; i <= n && k < NROW; ++i) {
            ++k;
            const double below = i * t.THICK[L] / n;  // depth below the layer top
            EarthPressureRow row;
            row.XEP = t.ZTOP[L] + below;
            const double z = row.XEP;
            row.PEP = row.PSOIL = 2 * g * below + p0;
            row.PSUR = sampler.SURPRES(z);
            row.PEP += row.PSUR;
            if (in.DWE < z && z < in.HFREE)
                w = (z - in.DWE) * in.GAMW;
            else if (z > in.HFREE)
                w = 0.0;
            if (coefficients.BELOW[L]) {
                row.PEP -= w;
                row.PSOIL -= w;
            }
            // A tiny positive value, growing with the row, where the soil is
            // in tension or the water outweighs it.
            if (row.PEP < kMinTablePressure) row.PEP = k * kTinyPressure;
            if (row.PSOIL < kMinTablePressure) row.PSOIL = k * kTinyPressure;
            if (in.KOUTPT == 3) {
                // Trapezoid over one row spacing (1 in, or 0.05 length units).
                double dF = (generated.back().PEP + row.PEP) * 0.5;
                if (in.UNITS != 1) dF = dF / kRowsPerLengthUnit;
                if (L < t.LH) p.F += dF;
            }
            row.PSUR += pq;
            row.PSOIL -= pq;
            generated.push_back(row);
        }
    }

    if (static_cast<int>(generated.size()) < NROW)
        throw std::logic_error("the soil profile ends above the wall tip");  // rejected by CheckAnalysable
    if (!p.layout.envelope) {
        p.rows = std::move(generated);
        return p;
    }
    BuildEnvelope(p, in);
    const int kx = p.layout.kx;
    p.rows.reserve(static_cast<std::size_t>(p.layout.written));
    p.rows.push_back(generated[0]);
    for (int row = 2; row <= kx; ++row) {
        EarthPressureRow r = generated[row - 1];
        r.PEP = EnvelopePressure(p, r.XEP);
        p.rows.push_back(r);
    }
    for (int row = kx; row <= NROW; ++row) p.rows.push_back(generated[row - 1]);
    return p;
}

}  // namespace torvex
