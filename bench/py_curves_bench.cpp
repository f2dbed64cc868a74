// Generated p-y curves for a ten-layer profile: 50 curves of 2 x 17 points,
// every soil model, report sections and SOILDATA in memory or on disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/soil_records.h"
#include "core/unit_labels.h"
#include "io/text_out.h"
#include "py_curves/py_generation.h"

namespace {

using namespace torvex;

SoilLayerRecord Layer(int KSOIL, double ZBOT, std::initializer_list<double> values) {
    SoilLayerRecord r;
    r.KSOIL = KSOIL;
    r.ZBOT = ZBOT;
    int i = 0;
    for (double v : values) r.top[i] = r.bottom[i] = v, ++i;
    return r;
}

// English units: a 1200-in wall, excavation at 120 in, water at 400 in,
// ten layers of 100 in below the excavation (all seven models, the soil
// models twice or more), 24-in soldier piles 84 in apart.
struct TenLayers {
    SoilRecords soil;
    std::vector<PyModRecord> pymod;
    std::vector<UserPyCurve> user;
    PyGenerationInput in;
    std::ostringstream console;

    TenLayers() {
        soil.present = true;
        soil.HFREE = 120;
        soil.WA = 84;
        soil.WP = 24;
        soil.DWB = 400;
        const SoilLayerRecord kinds[10] = {
            Layer(4, 0, {0.0694, 0, 34, 0, 90, 0}),        Layer(1, 0, {0.06, 5, 0, 0.01, 0, 0}),
            Layer(3, 0, {0.0723, 13.9, 0, 0.005, 500, 0}), Layer(2, 0, {0.0723, 13.9, 0, 0.005, 500, 0}),
            Layer(5, 0, {0.0666, 3, 28, 0.01, 60, 0}),     Layer(4, 0, {0.07, 0, 36, 0, 125, 0}),
            Layer(1, 0, {0.065, 8, 0, 0.007, 0, 0}),       Layer(5, 0, {0.068, 4, 30, 0.008, 80, 0}),
            Layer(7, 0, {0.081, 1500, 0, 0.0005, 70000, 40}), Layer(6, 0, {0.09, 5000, 0, 0, 0, 0}),
        };
        for (int i = 0; i < 10; ++i) {
            SoilLayerRecord layer = kinds[i];
            layer.ZBOT = 120 + 100 * (i + 1);
            soil.layers.push_back(layer);
        }
        in.UNITS = 1;
        in.NINC = 100;
        in.INCLEN = 12;
        in.soil = &soil;
        in.pymod = &pymod;
        in.userCurves = &user;
        in.SIGV0 = 8.3;
        in.console = &console;
    }
};

void BM_GeneratePyCurvesTenLayersInMemory(benchmark::State& state) {
    TenLayers problem;
    UnitLabels labels;
    for (auto _ : state) {
        io::TextOut report, soildata;
        report.openMemory();
        soildata.openMemory();
        problem.console.str({});
        benchmark::DoNotOptimize(GeneratePyCurves(problem.in, labels, report, soildata));
        benchmark::DoNotOptimize(soildata.text().size());
    }
    state.SetLabel("50 curves");
}
BENCHMARK(BM_GeneratePyCurvesTenLayersInMemory)->Unit(benchmark::kMicrosecond);

// As the input phase runs it: the report written through stdio (to
// /dev/null, so no disk time is counted) and SOILDATA as a new file in a
// scratch folder, the way each run folder starts without one.
void BM_GeneratePyCurvesTenLayersToFiles(benchmark::State& state) {
    TenLayers problem;
    UnitLabels labels;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "torvex-py-bench";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "SOILDATA").string();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        io::TextOut report, soildata;
        report.open("/dev/null");
        soildata.open(path);
        problem.console.str({});
        benchmark::DoNotOptimize(GeneratePyCurves(problem.in, labels, report, soildata));
        soildata.close();
        report.close();
    }
    std::filesystem::remove_all(dir);
    state.SetLabel("50 curves");
}
BENCHMARK(BM_GeneratePyCurvesTenLayersToFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
