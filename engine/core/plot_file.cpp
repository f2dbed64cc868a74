#include "core/plot_file.h"

namespace torvex {

void WriteResultsBlock(RunContext& run) {
    const PlotResults& r = run.results;
    run.plot.line(io::FreeLine({run.NSETS, r.NROWS, run.UNITS}));
    for (int k = 0; k < r.NROWS; ++k) {
        const auto i = static_cast<std::size_t>(k);
        run.plot.edit("(5(1X, E13.4))", {r.PX[i], r.PW[i], r.PM[i], r.PV[i], r.PR[i]});
    }
}

}  // namespace torvex
