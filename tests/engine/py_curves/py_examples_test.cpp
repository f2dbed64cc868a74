// The example projects with generated p-y curves, run through the engine
// entry as the desktop program runs them.
#include <gtest/gtest.h>

#include "engine/core/engine_fixture.h"
#include "support/test_support.h"

namespace torvex {
namespace {

test::EngineOutput RunExample(const std::string& name) {
    return test::RunData(test::ReadFile(std::string(TORVEX_EXAMPLES) + "/" + name));
}

void ExpectConvergedWithCurves(const test::EngineOutput& out) {
    EXPECT_EQ(out.result, 0);
    EXPECT_NE(out.report.find("*        SOIL LAYERS AND STRENGTH DATA           *"), std::string::npos);
    EXPECT_NE(out.report.find("        P-Y CURVES DATA"), std::string::npos);
    EXPECT_NE(out.report.find("     RESULTS -- ITERATION"), std::string::npos);
    EXPECT_EQ(out.report.find("NOT CLOSED"), std::string::npos);
    EXPECT_EQ(out.report.find("ERROR"), std::string::npos);
    EXPECT_EQ(out.report.find("nan"), std::string::npos);
    EXPECT_EQ(out.plot.find("nan"), std::string::npos);
}

TEST(PyExamples, SoftClayWallWithWaterTable) {
    const test::EngineOutput out = RunExample("soft_clay_wall.tx5d");
    ExpectConvergedWithCurves(out);
    // Water table 2 m below the excavation: full weight above it, submerged
    // weight (18 - 9.81 kN/m^3) of the lower layer below it.
    EXPECT_NE(out.report.find("                   6.0000     0.1700D+02\n"
                              "                   6.0000     0.8190D+01\n"),
              std::string::npos);
    // First curve, 0.01 m below the excavation: the offset b (SIGV0 - 2c)
    // with SIGV0 = 17 x 4 kPa and c = 20.025 kPa starts the two sides.
    EXPECT_NE(out.report.find("\n                                    0.000             -27.950\n"),
              std::string::npos);
    EXPECT_NE(out.report.find("\n                                    0.000              27.950\n"),
              std::string::npos);
}

TEST(PyExamples, MixedProfileRunsEveryKindOfLayer) {
    const test::EngineOutput out = RunExample("mixed_profile.tx5d");
    ExpectConvergedWithCurves(out);
    std::size_t at = 0;
    for (const char* text :
         {"THE SOIL IS A SAND", "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE",
          "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE", "THE SOIL IS A SILT",
          "THE LAYER IS WEAK ROCK"}) {
        at = out.report.find(text, at);
        EXPECT_NE(at, std::string::npos) << text;
    }
}

}  // namespace
}  // namespace torvex
