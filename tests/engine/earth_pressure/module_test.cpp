#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/analysis_stop.h"
#include "earth_pressure/pressure_table_file.h"
#include "ep_fixture.h"
#include "io/free_reader.h"
#include "io/text_out.h"
#include "support/test_support.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;

// Sand 0-360 behind a 240-in wall, excavation at 120.
EpProblem SandWall() {
    EpProblem p;
    p.soil.HFREE = 120;
    p.soil.WA = 12;
    p.soil.WP = 12;
    p.soil.layers = {Layer(4, 360, 0.07, 0, 30)};
    return p;
}

// Runs the module in a private folder.
class EarthPressureModule : public testing::Test {
protected:
    test::TempDir dir;
    test::ScopedCurrentDir cd{dir.path()};
    io::TextOut report, notes;
    EarthPressurePersistent persistent;

    void SetUp() override {
        report.openMemory();
        notes.openMemory();
    }
    void Run(EpProblem& p) { EarthPressure(p.context(), persistent, report, notes); }
    bool Exists(const char* name) const { return std::filesystem::exists(dir.path() / name); }
};

TEST_F(EarthPressureModule, WritesTheTableThatReadsBackRowForRow) {
    EpProblem p = SandWall();
    Run(p);
    ASSERT_TRUE(Exists(kEarthPressureDebugFile));
    EXPECT_EQ("", test::ReadFile(kEarthPressureDebugFile));

    const std::string text = test::ReadFile(kEarthPressureFile);
    EXPECT_EQ(" 241\n", text.substr(0, 5));
    // Last row: 240 in, constant Ka·gamma·120 = 2.80 below the excavation.
    EXPECT_NE(std::string::npos, text.find("\n      0.240E+03     0.280E+01     0.280E+01     0.000E+00\n"));

    const PressureTable computed = p.table();
    const std::vector<EarthPressureRow> rows = ReadEarthPressureTable(kEarthPressureFile);
    ASSERT_EQ(computed.rows.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // Three significant digits survive the file.
        EXPECT_NEAR(computed.rows[k].XEP, rows[k].XEP, 5.0E-3 * computed.rows[k].XEP) << k;
        EXPECT_NEAR(computed.rows[k].PEP, rows[k].PEP, 5.0E-3 * computed.rows[k].PEP) << k;
        EXPECT_NEAR(computed.rows[k].PSOIL, rows[k].PSOIL, 5.0E-3 * computed.rows[k].PSOIL) << k;
    }
    EXPECT_EQ(123.0, rows[123].XEP);
    EXPECT_EQ(0.0, rows[0].PEP);
}

TEST_F(EarthPressureModule, EnvelopeTableCountsTheRepeatedRowSoTheTipIsRead) {
    EpProblem p = SandWall();
    p.KOUTPT = 3;
    p.soil.HFREE = 180;
    p.ties.ZTIE1 = p.ties.ZTIEN = 60;
    p.ties.NSPR = 1;
    Run(p);
    const std::vector<EarthPressureRow> rows = ReadEarthPressureTable(kEarthPressureFile);
    ASSERT_EQ(242u, rows.size());
    EXPECT_EQ(180.0, rows[180].XEP);
    EXPECT_EQ(180.0, rows[181].XEP);
    EXPECT_EQ(240.0, rows.back().XEP);
    EXPECT_GT(rows[181].PEP, 4.0);  // active pressure below the excavation, 4.2
    EXPECT_LT(rows[180].PEP, 1.0E-6);  // the envelope ends at 0
}

TEST_F(EarthPressureModule, KeepsTheStressAtTheExcavationLevelForTheCurves) {
    EpProblem p = SandWall();
    p.soil.DWB = 60;
    Run(p);
    EXPECT_NEAR(0.07 * 120 - 0.036 * 60, persistent.SIGV0, 1.0E-6);
}

struct StopCase {
    const char* name;
    std::function<void(EpProblem&)> change;
    const char* message;  // the report's last line
};

TEST_F(EarthPressureModule, UnusableProblemsEndAfterTheSoilEcho) {
    const StopCase cases[] = {
        {"no free height", [](EpProblem& p) { p.soil.HFREE = 0; },
         "     ERROR STOP -- FREE HEIGHT OF WALL MUST BE GREATER THAN 0"},
        {"excavation below the layers", [](EpProblem& p) { p.soil.HFREE = 400; },
         "     ERROR STOP -- THE SOIL LAYERS MUST REACH BELOW THE EXCAVATION LEVEL"},
        {"layer bottoms out of order",
         [](EpProblem& p) { p.soil.layers = {Layer(4, 200, 0.07, 0, 30), Layer(4, 150, 0.07, 0, 30)}; },
         "     ERROR STOP -- THE BOTTOM OF SOIL LAYER 2 MUST LIE BELOW THE BOTTOM OF THE LAYER ABOVE"},
        {"too many layers",
         [](EpProblem& p) {
             p.soil.layers.clear();
             for (int k = 1; k <= 22; ++k) p.soil.layers.push_back(Layer(4, 12.0 * k, 0.07, 0, 30));
             p.soil.DWB = 30;
         },
         "     ERROR STOP -- MORE THAN 21 SOIL LAYERS AFTER SUBDIVISION AT THE WATER TABLE AND THE EXCAVATION "
         "LEVEL"},
        {"envelope without supports", [](EpProblem& p) { p.KOUTPT = 3; },
         "     ERROR STOP -- THE APPARENT-PRESSURE ENVELOPE NEEDS AT LEAST ONE SPRING OR TIEBACK"},
        {"profile above the tip", [](EpProblem& p) { p.soil.layers = {Layer(4, 200, 0.07, 0, 30)}; },
         "     ERROR STOP -- THE SOIL LAYERS MUST REACH THE TIP OF THE WALL"},
        {"2001 rows", [](EpProblem& p) {
             p.NINC = 200;
             p.INCLEN = 10.0;
             p.soil.layers = {Layer(4, 2500, 0.07, 0, 30)};
         },
         ""},
        {"envelope of a 1999-in wall, 2001 rows", [](EpProblem& p) {
             p.NINC = 199;
             p.INCLEN = 10.045226130653266;  // 1999 in
             p.KOUTPT = 3;
             p.ties.NSPR = 1;
             p.ties.ZTIE1 = 30;
             p.soil.layers = {Layer(4, 2500, 0.07, 0, 30)};
         },
         ""},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir.path() / kEarthPressureFile);
        report.openMemory();
        EpProblem p = SandWall();
        c.change(p);
        try {
            Run(p);
            ADD_FAILURE() << "no stop";
        } catch (const AnalysisStop& stop) {
            const std::vector<std::string>& lines = stop.reportLines();
            if (*c.message != '\0') {
                ASSERT_EQ(3u, lines.size());
                EXPECT_EQ("", lines[0]);
                EXPECT_EQ(c.message, lines[2]);
            } else {
                const std::vector<std::string> tooMuch = {"", "", "     TOO MUCH DATA FOR AVAILABLE STORAGE", "", ""};
                EXPECT_EQ(tooMuch, lines);
            }
        }
        EXPECT_NE(std::string::npos, report.text().find("SOIL INFORMATION"));
        EXPECT_EQ(std::string::npos, report.text().find("EFFECTIVE OVERBURDEN STRESS"));
        EXPECT_FALSE(Exists(kEarthPressureFile));
    }
}

TEST_F(EarthPressureModule, TwoThousandRowsFit) {
    EpProblem p = SandWall();
    p.NINC = 199;
    p.INCLEN = 10.045226130653266;  // 1999 in
    p.soil.layers = {Layer(4, 2500, 0.07, 0, 30)};
    Run(p);
    EXPECT_EQ(2000u, ReadEarthPressureTable(kEarthPressureFile).size());
}

TEST(EarthPressureTableFile, RejectsContentItCannotHold) {
    test::TempDir dir;
    const std::string path = dir.file(kEarthPressureFile);

    test::WriteFile(path, " 2001\n");
    try {
        ReadEarthPressureTable(path);
        ADD_FAILURE() << "2001 rows accepted";
    } catch (const AnalysisStop& stop) {
        EXPECT_EQ("     TOO MUCH DATA FOR AVAILABLE STORAGE", stop.reportLines().at(2));
    }
    test::WriteFile(path, " -1\n");
    EXPECT_THROW(ReadEarthPressureTable(path), AnalysisStop);
    EXPECT_THROW(ReadEarthPressureTable(dir.file("missing.001")), AnalysisStop);

    // Fewer rows than the count, or a damaged value: an input error, never a
    // value from beyond the file.
    test::WriteFile(path, " 3\n      0.000E+00     0.100E+01     0.100E+01     0.000E+00\n"
                          "      0.100E+01     0.200E+01     0.200E+01     0.000E+00\n");
    EXPECT_THROW(ReadEarthPressureTable(path), io::InputError);
    test::WriteFile(path, " 1\n      0.000E+00     0.1**E+01     0.100E+01     0.000E+00\n");
    EXPECT_THROW(ReadEarthPressureTable(path), io::InputError);

    // What the writer writes, the reader reads.
    const std::vector<EarthPressureRow> rows = {{0, 1.5, 1.0, 0.5}, {0.05, 2.25, 2.0, 0.25}};
    WritePressureTableFile(path, rows);
    const std::vector<EarthPressureRow> back = ReadEarthPressureTable(path);
    ASSERT_EQ(2u, back.size());
    EXPECT_EQ(0.05, back[1].XEP);
    EXPECT_EQ(2.25, back[1].PEP);
    EXPECT_EQ(0.25, back[1].PSUR);
}

}  // namespace
}  // namespace torvex
