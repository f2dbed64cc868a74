// Speed of the engine's numerical heart and of whole engine calls.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/entry.h"
#include "core/input.h"
#include "core/iterate.h"
#include "core/report_header.h"
#include "core/solve.h"

namespace {

using namespace torvex;

// A wall of `ninc` increments, fixed at the tip, loaded at the top, with
// `curves` user p-y curves (elastic-plastic) spread below the top.  A
// negative tolerance keeps the iteration running to its limit.
std::string WallData(int ninc, int curves, double tol) {
    std::ostringstream s;
    s << "Benchmark wall\r\n";
    s << "1 0\t1\t0\t0\t1 " << curves << " 1 0 0\r\n";
    s << ninc << " 6\t1000\t" << tol << "\t0\t12\r\n";
    s << "0\t" << ninc << "\t1\t8e9\r\n";
    s << "1\r\n1\t0\t0\t2000\t0\t0\r\n0\r\n";
    for (int c = 0; c < curves; ++c) {
        const int node = curves == 1 ? ninc : c * ninc / (curves - 1);
        s << node << "\t5\t1\t1\r\n";
        const double pu = 50.0 + 10.0 * c;
        s << "-10\t" << pu << "\r\n-0.05\t" << pu << "\r\n0\t0\r\n0.05\t" << -pu << "\r\n10\t" << -pu << "\r\n";
    }
    s << "0\r\n";
    return s.str();
}

std::unique_ptr<RunContext> ReadInMemory(const std::string& text) {
    auto run = std::make_unique<RunContext>();
    run->names.VERSTXT = "2015.5.5    ";
    run->data.openText(text, "bench.tx5d");
    run->report.openMemory();
    run->plot.openMemory();
    run->notes.openMemory();
    run->TITLE = FixedTitle(run->data.readLine("TITLE"));
    run->NPROB = 1;
    ResetProblem(run->problem);
    ReadControl(*run);
    ReadProblemInput(*run);
    return run;
}

void BM_Solve407(benchmark::State& state) {
    auto run = ReadInMemory(WallData(407, 63, 1e-6));
    SolveWork work;
    for (int J = 3; J <= 407 + 5; ++J) {
        work.S0.atJ(J) = run->problem.S.atJ(J) + 10.0;
        work.Q0.atJ(J) = run->problem.Q.atJ(J);
    }
    for (auto _ : state) {
        SolveCounts c = Solve(run->problem, work);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_Solve407)->Unit(benchmark::kMicrosecond);

void BM_OneIteration407With63Curves(benchmark::State& state) {
    auto run = ReadInMemory(WallData(407, 63, 1e-6));
    SolveWork work;
    for (auto _ : state) {
        for (int J = 3; J <= 407 + 5; ++J) {
            work.S0.atJ(J) = run->problem.S.atJ(J);
            work.Q0.atJ(J) = run->problem.Q.atJ(J);
        }
        const int off = LinearizeSoil(run->problem, work);
        SolveCounts c = Solve(run->problem, work);
        benchmark::DoNotOptimize(off);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_OneIteration407With63Curves)->Unit(benchmark::kMicrosecond);

// A whole engine call, files included, in a private folder.
class EngineCall {
public:
    explicit EngineCall(const std::string& data) {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvex-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        dir_ = pattern;
        std::ofstream(dir_ / "wall.tx5d", std::ios::binary) << data;
        std::ofstream(dir_ / "NAMES.dat", std::ios::binary)
            << "2015.5.5\r\nx\r\nx\r\n0\r\n"
            << (dir_ / "wall.tx5d").string() << "\r\n"
            << (dir_ / "wall.tx5o").string() << "\r\n"
            << (dir_ / "wall.tx5p").string() << "\r\n"
            << (dir_ / "wall.tx5r").string() << "\r\n";
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    ~EngineCall() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

private:
    std::filesystem::path dir_, previous_;
};

void BM_EngineCall40With10Curves(benchmark::State& state) {
    EngineCall call(WallData(40, 10, 1e-6));
    for (auto _ : state) benchmark::DoNotOptimize(RunEngine(5));
}
BENCHMARK(BM_EngineCall40With10Curves)->Unit(benchmark::kMicrosecond);

void BM_EngineCall407With63CurvesAnd100Iterations(benchmark::State& state) {
    EngineCall call(WallData(407, 63, -1.0));
    for (auto _ : state) benchmark::DoNotOptimize(RunEngine(5));
}
BENCHMARK(BM_EngineCall407With63CurvesAnd100Iterations)->Unit(benchmark::kMillisecond);

}  // namespace
