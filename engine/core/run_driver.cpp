#include "core/run_driver.h"

#include "core/input.h"
#include "core/iterate.h"
#include "core/plot_file.h"
#include "core/report_header.h"

namespace torvex {

void RunProblems(RunContext& run) {
    run.NSETS = 1;
    run.NPROB = 0;
    for (;;) {
        run.TITLE = FixedTitle(run.data.readLine("TITLE"));
        run.NPROB += 1;
        if (run.NPROB == 1) run.TITLE1 = run.TITLE;

        ResetProblem(run.problem);
        run.NEXT = 0;
        ReadControl(run);
        WriteHeader(run);
        ReadProblemInput(run);
        AnalyseProblem(run);

        run.data.beginRead("NEXT");
        run.NEXT = run.data.readInt("NEXT");
        if (run.NEXT == run.NSTAGE) run.NEXT = 0;
        if (run.NEXT == 0) return;
        run.NSETS = run.NSTAGE;
        if (run.NEXT == 9) run.NSETS = 2;
        WriteResultsBlock(run);
    }
}

void EndAnalysis(RunContext& run) {
    run.report.blank(3);
    std::string end = "     END OF ANALYSIS";
    end.resize(49, ' ');
    run.report.line(end);
    if (run.NEXT == 0) WriteResultsBlock(run);
}

}  // namespace torvex
