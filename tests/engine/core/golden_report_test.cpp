// The report of a problem that uses every record kind, against a reviewed
// copy.  The folder line depends on where the test runs and is left out.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/core/engine_fixture.h"
#include "support/test_support.h"

namespace torvex::test {
namespace {

std::string WithoutFolderLine(const std::string& report) {
    std::string out;
    for (const std::string& line : Lines(report))
        if (line.rfind("     Path to file locations", 0) != 0) out += line + "\n";
    return out;
}

TEST(GoldenReport, EchoOfEveryRecordKind) {
    const EngineOutput run = RunData(ReadFile(DataPath("golden/echo_all_records.tx5d")));
    ASSERT_EQ(run.result, 0);
    const std::string actual = WithoutFolderLine(run.report);
    const std::string expected = ReadFile(DataPath("golden/echo_all_records.tx5o"));
    if (std::getenv("TORVEX_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(DataPath("golden/echo_all_records.tx5o"), std::ios::binary) << actual;
        GTEST_SKIP() << "golden file rewritten";
    }
    EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace torvex::test
