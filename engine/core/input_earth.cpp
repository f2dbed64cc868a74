// Earth-pressure input: the user's table or the generated one, the soil
// records, the plot-file block and the earth-pressure load on the wall.
#include "core/analysis_stop.h"
#include "core/input.h"
#include "earth_pressure/earth_pressure.h"
#include "earth_pressure/surcharge.h"
#include "core/report_header.h"

namespace torvex {

namespace {

void WritePressureHeader(RunContext& run) {
    const UnitLabels& u = run.labels;
    run.report.blank();
    run.report.line("      DEPTH         ACTIVE EARTH PRESSURE");
    run.report.edit("(7X, A3, 16X, A4, A1, A2)", {u.LEN3, u.FORCE4, UnitLabels::SLASH, u.LEN2});
    run.report.blank();
}

void EchoPressureRow(RunContext& run, double depth, double pressure) {
    run.report.edit("(6X, E10.3, 10X, E10.3)", {depth, pressure});
}

void ReadUserTable(RunContext& run) {
    Problem& p = run.problem;
    io::FreeReader& in = run.data;
    WriteBanner(run.report, "SPECIFIED ACTIVE EARTH PRESSURE");
    WritePressureHeader(run);
    in.beginRead("NDIST");
    const int n = in.readInt("NDIST");
    if (n < 0) StopInput("THE COUNT NDIST IS NEGATIVE (" + std::to_string(n) + ")");
    if (n > kMaxEarthRows)
        StopTooMuchData("EARTH-PRESSURE TABLE: " + std::to_string(n) + " ROWS, AT MOST " + std::to_string(kMaxEarthRows));
    for (int k = 0; k < n; ++k) {
        in.beginRead("DISTLOAD");
        const double depth = in.readReal("DEPTH");
        const double load = in.readReal("LOAD");
        p.XEP.push_back(depth);
        p.PEP.push_back(load);
        p.PSOIL.push_back(load);
        p.PSUR.push_back(0.0);
        EchoPressureRow(run, depth, load);
        p.PEP.back() = load * p.INCLEN;
    }
}

void ReadSoilRecords(RunContext& run) {
    Problem& p = run.problem;
    SoilRecords& s = p.soil;
    io::FreeReader& in = run.data;
    s.present = true;
    in.beginRead("EARTH1");
    s.HFREE = in.readReal("HFREE");
    s.WA = in.readReal("WA");
    s.WP = in.readReal("WP");
    s.DWB = in.readReal("DWB");
    s.DWE = in.readReal("DWE");
    s.GW = in.readReal("GW");
    s.KEP = in.readInt("KEP");
    s.BETA = in.readReal("BETA");
    in.beginRead("EARTH2");
    s.QUNIF = in.readReal("QUNIF");
    s.XSUR = in.readReal("XSUR");
    s.PPOINT = in.readReal("PPOINT");
    s.QLINE = in.readReal("QLINE");
    s.QSTRIP = in.readReal("QSTRIP");
    s.WSTRIP = in.readReal("WSTRIP");

    in.beginRead("NSURCH");
    const int nsur = in.readInt("NSURCH");
    if (nsur < 0) StopInput("THE COUNT NSURCH IS NEGATIVE (" + std::to_string(nsur) + ")");
    for (int k = 0; k < nsur; ++k) {
        in.beginRead("SURCH");
        SurchargeRecord r;
        r.KTYPE = in.readInt("KTYPE");
        r.load = in.readReal("MAG");
        r.distance = in.readReal("XDIST");
        r.width = in.readReal("WIDTH");
        if (p.UNITS == 2) {  // millimetres in the file
            r.distance /= 1000.0;
            r.width /= 1000.0;
        }
        s.surcharges.push_back(r);
    }

    in.beginRead("NSOIL");
    const int nsoil = in.readInt("NSOIL");
    if (nsoil < 0) StopInput("THE COUNT NSOIL IS NEGATIVE (" + std::to_string(nsoil) + ")");
    if (nsoil > kMaxSoilLayers)
        StopTooMuchData("SOIL LAYERS: " + std::to_string(nsoil) + ", AT MOST " + std::to_string(kMaxSoilLayers));
    for (int k = 0; k < nsoil; ++k) {
        SoilLayerRecord layer;
        in.beginRead("LAYER");
        layer.KSOIL = in.readInt("KSOIL");
        layer.ZBOT = in.readReal("ZBOT");
        in.beginRead("LAYERPROP");
        for (double& v : layer.top) v = in.readReal("LAYERPROP (top)");
        in.beginRead("LAYERPROP");
        for (double& v : layer.bottom) v = in.readReal("LAYERPROP (bottom)");
        s.layers.push_back(layer);
    }
}

// Runs the earth-pressure module, writes the table's column header and
// takes the table back from the scratch file, before widths are applied.
void GenerateEarthPressure(RunContext& run) {
    Problem& p = run.problem;
    EarthPressureContext context;
    context.UNITS = p.UNITS;
    context.KOUTPT = p.KOUTPT;
    context.NINC = p.NINC;
    context.INCLEN = p.INCLEN;
    context.soil = &p.soil;
    context.ties = run.ties;
    context.labels = &run.labels;
    EarthPressurePersistent persistent{run.SIGV0};
    EarthPressure(context, persistent, run.report, run.notes);
    run.SIGV0 = persistent.SIGV0;
    WritePressureHeader(run);
    const std::vector<EarthPressureRow> rows = ReadEarthPressureTable(kEarthPressureFile);
    if (rows.size() > static_cast<std::size_t>(kMaxEarthRows))
        StopTooMuchData("EARTH-PRESSURE TABLE: " + std::to_string(rows.size()) + " ROWS, AT MOST " +
                        std::to_string(kMaxEarthRows));
    for (const EarthPressureRow& r : rows) {
        p.XEP.push_back(r.XEP);
        p.PEP.push_back(r.PEP);
        p.PSOIL.push_back(r.PSOIL);
        p.PSUR.push_back(r.PSUR);
    }
}

// Widths on the generated table: WA down to the free height, WP below it.
void ApplyWidths(RunContext& run) {
    Problem& p = run.problem;
    for (std::size_t k = 0; k < p.XEP.size(); ++k) {
        const double width = p.XEP[k] <= p.HFREE ? p.soil.WA : p.soil.WP;
        p.PEP[k] *= width;
        p.PSOIL[k] *= width;
        p.PSUR[k] *= width;
    }
}

// Rows shown in the echo and the plot file: all of a short table; of a long
// one every sixth (English) or fourth row, and the last.
std::vector<std::size_t> SampledRows(const Problem& p) {
    std::vector<std::size_t> rows;
    const std::size_t n = p.XEP.size();
    if (n <= 50) {
        for (std::size_t k = 0; k < n; ++k) rows.push_back(k);
        return rows;
    }
    const std::size_t step = p.UNITS == 1 ? 6 : 4;
    for (std::size_t k = 0; k < n; k += step) rows.push_back(k);
    if (rows.back() != n - 1) rows.push_back(n - 1);
    return rows;
}

void WritePlotBlock(RunContext& run, const std::vector<std::size_t>& rows) {
    const Problem& p = run.problem;
    run.plot.line(io::FreeLine({static_cast<int>(rows.size())}));
    for (std::size_t k : rows) {
        const double soil = p.PSOIL[k] == 0.0 ? 1.0e-7 : p.PSOIL[k];
        run.plot.edit("(4(2X, E10.3))", {p.XEP[k], p.PEP[k] / p.INCLEN, soil, p.PSUR[k]});
    }
}

// Pressure (times INCLEN) at depth z, linear between table rows, row 0
// being depth 0 and pressure 0; below the last row its pressure.
double PressureAt(const Problem& p, double z) {
    double x0 = 0.0, p0 = 0.0;
    for (std::size_t k = 0; k < p.XEP.size(); ++k) {
        if (z <= p.XEP[k]) {
            const double dx = p.XEP[k] - x0;
            if (dx == 0.0) return p.PEP[k];
            return p0 + (p.PEP[k] - p0) * (z - x0) / dx;
        }
        x0 = p.XEP[k];
        p0 = p.PEP[k];
    }
    return p.XEP.empty() ? 0.0 : p.PEP.back();
}

void LoadWall(RunContext& run) {
    Problem& p = run.problem;
    int n = 0;
    if (p.KOUTPT >= 2) {
        n = NEAREST(p.HFREE / p.INCLEN, "THE FREE HEIGHT HFREE " + ShownReal(p.HFREE) + " OF RECORD WALL");
    } else if (!p.XEP.empty()) {
        n = NEAREST(p.XEP.back() / p.INCLEN, "THE DEPTH " + ShownReal(p.XEP.back()) + " OF THE LAST DISTLOAD RECORD");
    }
    // Loads past the last fictitious station cannot be held; those at
    // NINC+1 already fail the end-of-wall check.
    if (n > p.NINC + 3) n = p.NINC + 3;
    for (int s = 1; s <= n; ++s) p.Q[s] += PressureAt(p, s * p.INCLEN);
}

}  // namespace

void ReadEarthPressure(RunContext& run) {
    Problem& p = run.problem;
    if (p.KOUTPT < 0 || p.KOUTPT > 3)
        StopInput("THE EARTH-PRESSURE OPTION KOUTPT MUST BE 0, 1, 2 OR 3 (READ " + std::to_string(p.KOUTPT) + ")");
    if (p.KOUTPT == 0) run.plot.line(io::FreeLine({0}));
    if (p.KOUTPT == 1) ReadUserTable(run);
    if (p.KOUTPT >= 2 || p.KPYOP == 2) ReadSoilRecords(run);

    std::vector<std::size_t> rows;
    if (p.KOUTPT >= 2) {
        GenerateEarthPressure(run);
        ApplyWidths(run);
        rows = SampledRows(p);
        for (std::size_t k : rows) EchoPressureRow(run, p.XEP[k], p.PEP[k]);
        for (double& v : p.PEP) v *= p.INCLEN;
    }
    if (p.KOUTPT == 1) {
        if (!p.soil.surcharges.empty()) {
            const SurchargeSampler sampler(p.soil.surcharges, p.soil.HFREE, p.NINC, p.INCLEN);
            for (std::size_t k = 0; k < p.XEP.size(); ++k) {
                p.PSUR[k] = p.soil.WA * sampler.SURPRES(p.XEP[k]);
                p.PEP[k] = p.INCLEN * (p.PSOIL[k] + p.PSUR[k]);
            }
        }
        for (std::size_t k = 0; k < p.XEP.size(); ++k) rows.push_back(k);
    }
    if (p.KOUTPT >= 1) {
        WritePlotBlock(run, rows);
        LoadWall(run);
    }
}

}  // namespace torvex
