// Generated earth pressure through the whole engine: sand over clay, a
// water table and two surcharges behind a 240-in cantilever.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ep_fixture.h"
#include "engine/core/engine_fixture.h"
#include "support/test_support.h"

namespace torvex {
namespace {

test::DataFile SandOverClay(const std::string& hfree = "120") {
    test::DataFile d;
    d.KOUTPT = 2;
    d.KPYOP = 2;
    d.NINC = 40;
    d.INCLEN = 6;
    d.XDEFMAX = 10;
    d.TOL = 1.0E-4;
    d.HFREE = 120;
    d.WA = 12;
    d.stiffness = {"0 40 1 4.0E10"};
    d.soil = {hfree + " 12 12 60 1000 1 1 0",  // EARTH1: water at 60 in
              "0 0 0 0 0 0",                   // EARTH2
              "2",                             // NSURCH
              "1 1000 30 0",                   // point load 1000 lb at 30 in
              "3 1.5 60 40",                   // strip 1.5 psi, 40 in wide, middle at 60 in
              "2",                             // NSOIL
              "4 90",
              "0.07 0.0 30 0.0 90 0",
              "0.07 0.0 30 0.0 90 0",
              "1 480",
              "0.065 3 0.0 0.01 0 0",
              "0.065 3 0.0 0.01 0 0"};
    return d;
}

// The module's own table for the same problem.
PressureTable ModuleTable() {
    test::EpProblem p;
    p.soil.HFREE = 120;
    p.soil.WA = p.soil.WP = 12;
    p.soil.DWB = 60;
    p.soil.DWE = 1000;
    p.soil.surcharges = {test::Surcharge(1, 1000, 30), test::Surcharge(3, 1.5, 60, 40)};
    p.soil.layers = {test::Layer(4, 90, 0.07, 0, 30), test::Layer(1, 480, 0.065, 3, 0)};
    return p.table();
}

TEST(EarthPressureEndToEnd, TableLoadsTheWallAboveTheExcavation) {
    // The module writes its scratch files into the current folder.
    test::TempDir dir;
    test::ScopedCurrentDir cd(dir.path());
    const auto run = test::ReadProblemText(SandOverClay().text());
    const PressureTable table = ModuleTable();
    EXPECT_EQ(0.0, run->problem.Q[0]);
    for (int s = 1; s <= 20; ++s) {
        // Rows every inch, stations every 6 in: the row at the station's depth,
        // times the width and the increment, to the file's three digits.
        const double expected = 12 * 6 * table.rows[6 * s].PEP;
        EXPECT_NEAR(expected, run->problem.Q[s], 5.0E-3 * expected) << s;
    }
    for (int s = 21; s <= 40; ++s) EXPECT_EQ(0.0, run->problem.Q[s]) << s;
}

TEST(EarthPressureEndToEnd, ReportCarriesTheModuleSectionsAndTheRunEnds) {
    const test::EngineOutput out = test::RunData(SandOverClay().text());
    EXPECT_EQ(0, out.result);
    std::size_t at = 0;
    for (const char* section : {"WALL INFORMATION", "SURCHARGE INFORMATION", "SOIL INFORMATION",
                                "EFFECTIVE OVERBURDEN STRESS", "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT",
                                "ACTIVE EARTH PRESSURE OF EACH LAYER", "ACTIVE WATER PRESSURE OF EACH LAYER",
                                "END OF ANALYSIS"}) {
        const std::size_t found = out.report.find(section, at);
        ASSERT_NE(std::string::npos, found) << section;
        at = found;
    }
    // The plot file opens with the echoed rows of the 241-row table: every
    // sixth, rows 1, 7, … 241, the last among them.
    EXPECT_EQ(" 41", out.plot.substr(0, out.plot.find_first_of("\r\n")));
}

TEST(EarthPressureEndToEnd, UnusableProfileEndsTheAnalysisInOrder) {
    const test::EngineOutput out = test::RunData(SandOverClay("600").text());
    EXPECT_EQ(0, out.result);
    const std::vector<std::string> lines = out.reportLines();
    const auto message = std::find(lines.begin(), lines.end(),
                                   "     ERROR STOP -- THE SOIL LAYERS MUST REACH BELOW THE EXCAVATION LEVEL");
    ASSERT_NE(lines.end(), message);
    EXPECT_NE(std::string::npos, out.report.find("SOIL INFORMATION"));
    EXPECT_EQ(std::string::npos, out.report.find("EFFECTIVE OVERBURDEN STRESS"));
    EXPECT_NE(std::string::npos, out.report.find("END OF ANALYSIS", out.report.find("ERROR STOP")));
}

}  // namespace
}  // namespace torvex
