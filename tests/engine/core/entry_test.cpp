// The engine entry as a caller meets it: versions, NAMES.dat, the report
// header, problem sequences and the orderly end after bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/entry.h"
#include "engine/core/engine_fixture.h"
#include "support/test_support.h"

namespace torvex::test {
namespace {

DataFile SimpleWall() {
    DataFile d;
    d.NINC = 10;
    d.restraints = {"3\t10\t0\t0"};
    d.stiffness = {"0\t10\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    return d;
}

int CountLines(const std::string& text, const std::string& line) {
    const auto lines = Lines(text);
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

bool HasLine(const std::string& text, const std::string& line) { return CountLines(text, line) > 0; }

TEST(EngineEntry, VersionOtherThanFiveReturnsOneAndTouchesNothing) {
    for (int version : {4, 6, 0, -5}) {
        TempDir dir;
        ScopedCurrentDir here(dir.path());
        // Even a complete NAMES.dat must not be read.
        WriteFile(dir.file("NAMES.dat"), "2015.5.5\nx\nx\n0\n" + dir.file("a.tx5d") + "\n" + dir.file("a.tx5o") +
                                             "\n" + dir.file("a.tx5p") + "\n" + dir.file("a.tx5r") + "\n");
        EXPECT_EQ(RunEngine(version, FixedClock), 1) << version;
        int files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
        EXPECT_EQ(files, 1) << "version " << version << " created files";
    }
}

TEST(EngineEntry, ReportStartsWithTheHeaderAndEndsWithEndOfAnalysis) {
    const EngineOutput out = RunData(SimpleWall().text());
    ASSERT_EQ(out.result, 0);
    const auto lines = out.reportLines();
    ASSERT_GT(lines.size(), 30u);
    const std::string rule = "     " + std::string(73, '=');
    EXPECT_EQ(lines[0], rule);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(20, ' ') + "  TORVEX for Windows, Version 2015.5.5    ");
    EXPECT_EQ(lines[4], std::string(20, ' ') + "   A Program for the Analysis of ");
    EXPECT_EQ(lines[5], std::string(20, ' ') + "   Flexible Retaining Walls ");
    EXPECT_EQ(lines[7], rule);
    EXPECT_EQ(lines[10].rfind("     Path to file locations      : /", 0), 0u);
    EXPECT_EQ(lines[10].back(), '/');
    EXPECT_EQ(lines[11], "     Name of input data file     : wall.tx5d");
    EXPECT_EQ(lines[12], "     Name of output file         : wall.tx5o");
    EXPECT_EQ(lines[13], "     Name of plot output file    : wall.tx5p");
    EXPECT_EQ(lines[16], std::string(26, ' ') + "Time and Date of Analysis");
    EXPECT_EQ(lines[19], "               Date:  March 05, 2016     Time:  14:07:09");
    EXPECT_EQ(lines[21], "      " + std::string("Test wall") + std::string(61, ' '));
    EXPECT_EQ(lines.back(), "     END OF ANALYSIS" + std::string(29, ' '));
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines[lines.size() - 4], "");
}

// The title line holds the first 70 characters of the title, blank-filled
// to 70 characters, whatever number of bytes they take; a title that is not
// UTF-8 is Latin-1 from an older file and comes out as UTF-8.
TEST(EngineEntry, TitleLineCountsCharactersNotBytes) {
    std::string seventy;  // 70 two-byte characters
    for (int i = 0; i < 70; ++i) seventy += "\u00e9";
    const struct {
        const char* name;
        std::string title, expected;
    } cases[] = {
        {"accented, short", "Mur de sout\u00e8nement \u00e0 l'\u00e9cluse",
         "Mur de sout\u00e8nement \u00e0 l'\u00e9cluse" + std::string(70 - 29, ' ')},
        {"accented, cut at 70", seventy + "0123456789", seventy},
        {"three-byte characters", "\u6321\u571f\u5899", "\u6321\u571f\u5899" + std::string(67, ' ')},
        {"Latin-1", "Quai \xe0 Gen\xe8ve", "Quai \u00e0 Gen\u00e8ve" + std::string(70 - 13, ' ')},
    };
    for (const auto& c : cases) {
        DataFile d = SimpleWall();
        d.title = c.title;
        const auto lines = RunData(d.text()).reportLines();
        ASSERT_GT(lines.size(), 21u) << c.name;
        EXPECT_EQ(lines[21], "      " + c.expected) << c.name;
    }
}

TEST(EngineEntry, DateAndTimeAreZeroPadded) {
    const EngineOutput out = RunData(SimpleWall().text(), [] { return ClockTime{2027, 1, 1, 9, 5, 3}; });
    EXPECT_TRUE(HasLine(out.report, "               Date:  January 01, 2027     Time:  09:05:03"));
}

TEST(EngineEntry, NamesFileWithoutPathsComplainsOnTheConsoleAndReturns) {
    TempDir dir;
    ScopedCurrentDir here(dir.path());
    WriteFile(dir.file("NAMES.dat"), "2015.5.5\nx\nx\n0\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunEngine(5, FixedClock), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n"),
              std::string::npos);
}

TEST(EngineEntry, MissingDataFileIsReportedAndTheRunEndsInOrder) {
    TempDir dir;
    ScopedCurrentDir here(dir.path());
    WriteFile(dir.file("NAMES.dat"), "2015.5.5\nx\nx\n0\n" + dir.file("none.tx5d") + "\n" + dir.file("a.tx5o") +
                                         "\n" + dir.file("a.tx5p") + "\n" + dir.file("a.tx5r") + "\n");
    EXPECT_EQ(RunEngine(5, FixedClock), 0);
    const std::string report = ReadFile(dir.file("a.tx5o"));
    EXPECT_NE(report.find("INPUT DATA FILE CANNOT BE OPENED"), std::string::npos);
    EXPECT_NE(report.find("none.tx5d"), std::string::npos);
    EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.file("a.tx5p")), " 1 0 0\n");
}

// A data file that stops early or holds a word where a number belongs
// names the line and the item, and still ends the analysis in order.
TEST(EngineEntry, BadDataNamesLineAndItem) {
    struct Case {
        const char* name;
        std::string data;
        std::string expected;
    };
    std::string truncated = SimpleWall().text();
    truncated.resize(truncated.find("0\t10\t1"));  // ends before the stiffness record
    std::string word = SimpleWall().text();
    word.replace(word.find("1000000"), 7, "abc");
    const Case cases[] = {
        {"truncated", truncated, "after line 4: the data file ends before item 1 (NODE1) of record STIFFNESS"},
        {"word", word, "line 5: a number was expected for item 4 (EI) of record STIFFNESS, found \"abc\""},
    };
    for (const Case& c : cases) {
        const EngineOutput out = RunData(c.data);
        EXPECT_EQ(out.result, 0) << c.name;
        EXPECT_NE(out.report.find(c.expected), std::string::npos) << c.name << "\n" << out.report;
        EXPECT_NE(out.report.find("     END OF ANALYSIS"), std::string::npos) << c.name;
        // No problem completed: the results block has no rows.
        EXPECT_EQ(Lines(out.plot).back(), " 1 0 1") << c.name;
    }
}

TEST(EngineEntry, SingleProblemWritesOneResultsBlock) {
    const EngineOutput out = RunData(SimpleWall().text());
    const auto plot = Lines(out.plot);
    ASSERT_GE(plot.size(), 3u);
    EXPECT_EQ(plot[0], " 0");     // no earth pressure
    EXPECT_EQ(plot[1], " 1 0");   // no p-y curves
    EXPECT_EQ(plot[2], " 1 12 1");  // NSETS, NROWS = NINC + 2, UNITS
    EXPECT_EQ(plot.size(), 3u + 12u);
}

TEST(EngineEntry, LongTermPairWritesTwoBlocksAndTitlesTheSecond) {
    DataFile first = SimpleWall();
    first.title = "Short term";
    first.NEXT = 9;
    DataFile second = SimpleWall();
    second.title = "Ignored title";
    const EngineOutput out = RunData(first.text() + second.text());
    EXPECT_EQ(CountLines(out.plot, " 2 12 1"), 2);
    const std::string longTerm = "      Long Term :  Short term" + std::string(60, ' ');
    EXPECT_EQ(CountLines(out.report, longTerm), 2);  // in the header and before the results
    EXPECT_EQ(CountLines(out.report, "     END OF ANALYSIS" + std::string(29, ' ')), 1);
}

TEST(EngineEntry, StagedRunWritesOneBlockPerStageAndStopsAfterTheLast) {
    std::string text;
    for (int stage = 1; stage <= 3; ++stage) {
        DataFile d = SimpleWall();
        d.title = stage == 1 ? "Excavation" : " Stage No : " + std::to_string(stage);
        d.NSTAGE = 3;
        d.NEXT = stage;
        text += d.text();
    }
    text += "garbage that must never be read\n";
    const EngineOutput out = RunData(text);
    EXPECT_EQ(CountLines(out.plot, " 3 12 1"), 3);
    EXPECT_TRUE(HasLine(out.report, "      Stage No : 3  Excavation" + std::string(60, ' ')));
    EXPECT_TRUE(HasLine(out.report, "      Stage No : 1  Excavation" + std::string(60, ' ')));
    EXPECT_EQ(out.report.find("ERROR"), std::string::npos);
}

TEST(EngineEntry, ErrorInTheSecondProblemRepeatsTheFirstResults) {
    DataFile first = SimpleWall();
    first.NEXT = 9;
    DataFile second = SimpleWall();
    second.stiffness = {"5\t2\t1\t1000000"};  // a range that ends before it starts
    const EngineOutput out = RunData(first.text() + second.text());
    EXPECT_NE(out.report.find("\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n"), std::string::npos);
    const auto plot = Lines(out.plot);
    // Block of problem 1, the partial blocks of problem 2, then problem 1's rows again.
    ASSERT_EQ(CountLines(out.plot, " 2 12 1"), 2);
    const auto firstBlock = std::find(plot.begin(), plot.end(), " 2 12 1");
    const auto lastBlock = std::find(firstBlock + 1, plot.end(), " 2 12 1");
    EXPECT_TRUE(std::equal(firstBlock, firstBlock + 13, lastBlock));
}

}  // namespace
}  // namespace torvex::test

namespace torvex::test {
namespace {

// The shared library shows the world its entry under both names and
// nothing else of the project.
TEST(EngineLibrary, ExportsOnlyTheEntry) {
    const std::string command = "nm -D --defined-only " + std::string(TORVEX_BIN_DIR) + "/libTorvex2015_DLL.so 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    if (pclose(pipe) != 0 && out.empty()) GTEST_SKIP() << "nm is not available";
    std::vector<std::string> names;
    std::string address_of_entry, address_of_alias;
    for (const std::string& line : Lines(out)) {
        const auto last = line.find_last_of(' ');
        if (last == std::string::npos) continue;
        const std::string name = line.substr(last + 1);
        if (name == "_init" || name == "_fini" || name == "_edata" || name == "_end" || name == "__bss_start") continue;
        names.push_back(name);
        if (name == "_ITORVEX") address_of_entry = line.substr(0, line.find(' '));
        if (name == "ITORVEX") address_of_alias = line.substr(0, line.find(' '));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ITORVEX", "_ITORVEX"})) << out;
    EXPECT_EQ(address_of_entry, address_of_alias);
}

}  // namespace
}  // namespace torvex::test
