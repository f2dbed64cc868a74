// A long generated table reaches the report and the plot file sampled:
// every fourth row in SI units (every sixth in English), and the last.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "engine/core/engine_fixture.h"

namespace torvex {
namespace {

TEST(EarthPressureSampling, SiTableOf201RowsShows51) {
    // 40 increments of 0.25 m, the excavation at 5 m: one row every 0.05 m
    // down the 10 m wall, 201 rows.
    test::DataFile d;
    d.UNITS = 2;
    d.KOUTPT = 2;
    d.NINC = 40;
    d.INCLEN = 0.25;
    d.XDEFMAX = 1;
    d.TOL = 1e-5;
    d.HFREE = 5;
    d.WA = 1;
    d.stiffness = {"0 40 1 50000"};
    d.soil = {"5 1 1 100 100 1 1 0", "0 0 0 0 0 0", "0", "1", "4 12 ", "18 0.0  30 0.0  20000 0 ",
              "18 0.0  30 0.0  20000 0 "};
    const test::EngineOutput out = test::RunData(d.text());
    ASSERT_EQ(out.result, 0);
    ASSERT_EQ(out.report.find("ERROR"), std::string::npos) << out.report;
    const auto plot = test::Lines(out.plot);
    ASSERT_GT(plot.size(), 52u);
    EXPECT_EQ(plot[0], " 51");
    // Depths of the sampled rows: rows 1, 5, 9, … 201 are 0, 0.2, 0.4, … 10 m.
    for (int i = 0; i < 51; ++i) {
        std::istringstream row(plot[static_cast<std::size_t>(i) + 1]);
        double depth = -1;
        row >> depth;
        EXPECT_NEAR(depth, 0.2 * i, 1e-9) << "row " << i;
    }
    // The echo shows the same 51 rows under its header.
    const auto lines = out.reportLines();
    std::size_t at = 0;
    for (std::size_t k = 0; k < lines.size(); ++k)
        if (lines[k] == "      DEPTH         ACTIVE EARTH PRESSURE") at = k;
    ASSERT_GT(at, 0u);
    int echoed = 0;
    for (std::size_t k = at + 3; k < lines.size() && lines[k].size() == 36; ++k) ++echoed;
    EXPECT_EQ(echoed, 51);
}

}  // namespace
}  // namespace torvex
