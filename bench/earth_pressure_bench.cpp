// Generated earth pressure for a long wall with many surcharges: a 1999-in
// English wall (2000 table rows) in sand over clay with a water table and 20
// point, line and strip surcharges.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "earth_pressure/earth_pressure.h"
#include "earth_pressure/module_state.h"
#include "earth_pressure/surcharge.h"
#include "io/text_out.h"

namespace {

using namespace torvex;

SoilLayerRecord Layer(int KSOIL, double ZBOT, double gamma, double c, double phi) {
    SoilLayerRecord r;
    r.KSOIL = KSOIL;
    r.ZBOT = ZBOT;
    r.top[0] = gamma;
    r.top[1] = c;
    r.top[2] = phi;
    return r;
}

struct LongWall {
    SoilRecords soil;
    UnitLabels labels;
    EarthPressureContext context;

    LongWall() {
        soil.present = true;
        soil.HFREE = 720;
        soil.WA = soil.WP = 12;
        soil.DWB = 240;
        soil.DWE = 1.0E6;
        soil.GW = 1.0;
        soil.QUNIF = 1.0;
        soil.layers = {Layer(4, 300, 0.07, 0, 32), Layer(1, 900, 0.065, 4, 0), Layer(4, 2400, 0.072, 0, 36)};
        for (int k = 0; k < 20; ++k) {
            SurchargeRecord s;
            s.KTYPE = 1 + k % 3;
            s.load = s.KTYPE == 1 ? 5000.0 : s.KTYPE == 2 ? 100.0 : 2.0;
            s.distance = 24.0 + 30.0 * k;
            s.width = s.KTYPE == 3 ? 60.0 : 0.0;
            soil.surcharges.push_back(s);
        }
        SetUnitLabels(labels, 1);
        context.UNITS = 1;
        context.KOUTPT = 2;
        context.NINC = 199;
        context.INCLEN = 1999.0 / 199;
        context.soil = &soil;
        context.labels = &labels;
    }
};

// A private current folder for the scratch files.
class ScratchFolder {
public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvex-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }

private:
    std::filesystem::path previous_, path_;
};

// The whole module: echo, coefficients, forces, table and scratch file.
void BM_GeneratedEarthPressure1999InWall20Surcharges(benchmark::State& state) {
    ScratchFolder folder;
    LongWall wall;
    for (auto _ : state) {
        io::TextOut report, notes;
        report.openMemory();
        notes.openMemory();
        EarthPressurePersistent persistent;
        EarthPressure(wall.context, persistent, report, notes);
        benchmark::DoNotOptimize(persistent.SIGV0);
    }
}
BENCHMARK(BM_GeneratedEarthPressure1999InWall20Surcharges)->Unit(benchmark::kMillisecond);

// The pressure table alone, in memory.
void BM_PressureTable1999InWall20Surcharges(benchmark::State& state) {
    LongWall wall;
    const EarthPressureInputs in = CollectInputs(wall.context);
    const LayerTable layers = SubdivideLayers(CollectInputLayers(wall.soil), in.HFREE, in.DWB, in.GW);
    const Coefficients coefficients = ComputeCoefficients(layers, in);
    for (auto _ : state) {
        PressureTable table = ComputePressureTable(layers, coefficients, in);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_PressureTable1999InWall20Surcharges)->Unit(benchmark::kMillisecond);

// For comparison: the surcharge column by the literal 200-depth sampling at
// every row (up to 8 million formula evaluations).
void BM_LiteralSurchargeSamplingPerRow(benchmark::State& state) {
    LongWall wall;
    for (auto _ : state) {
        double sum = 0.0;
        for (int k = 0; k < 2000; ++k)
            sum += SURPRES(k * 1.0, wall.soil.surcharges, wall.soil.HFREE, wall.context.NINC, wall.context.INCLEN);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LiteralSurchargeSamplingPerRow)->Unit(benchmark::kMillisecond);

}  // namespace
