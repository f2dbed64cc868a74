// torvex-run used as a script would use it: outputs, summary, exit codes,
// and two runners side by side.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <future>
#include <string>

#include "support/test_support.h"

namespace torvex::test {
namespace {

struct Result {
    int status = -1;
    std::string out;
};

Result RunRunner(const std::string& args) {
    const std::string command = std::string(TORVEX_BIN_DIR) + "/torvex-run " + args + " 2>&1";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string CopyExample(const TempDir& dir, const std::string& name) {
    const std::string target = dir.file(name);
    std::filesystem::copy_file(std::string(TORVEX_EXAMPLES) + "/" + name, target);
    return target;
}

TEST(HeadlessRunner, AnalysesAFileAndSummarisesEachProblem) {
    TempDir dir;
    const std::string data = CopyExample(dir, "cantilever_user_curves.tx5d");
    const Result r = RunRunner(data);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("report:    " + dir.file("cantilever_user_curves.tx5o")), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("plot file: " + dir.file("cantilever_user_curves.tx5p")), std::string::npos);
    EXPECT_NE(r.out.find("run notes: " + dir.file("cantilever_user_curves.tx5r")), std::string::npos);
    EXPECT_NE(r.out.find("problem 1: 2 iterations, converged; max deflection 0.369 in at 0 in"), std::string::npos)
        << r.out;
    const std::string report = ReadFile(dir.file("cantilever_user_curves.tx5o"));
    EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
    // Nothing of the run folder is left beside the data.
    EXPECT_FALSE(std::filesystem::exists(dir.file("NAMES.dat")));
}

TEST(HeadlessRunner, ReportsEveryFailureWithANonZeroStatus) {
    TempDir dir;
    const std::string data = CopyExample(dir, "cantilever_user_curves.tx5d");
    struct Case {
        std::string args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {dir.file("missing.tx5d"), 1, "missing.tx5d: no such readable data file"},
        {"--library " + dir.file("none.so") + " " + data, 1, "cannot load the engine library"},
        {"--library " + std::string(TORVEX_TEST_LIBS) + "/libtorvex_fake_engine_1.so " + data, 1,
         "does not support interface version 5"},
        {"", 2, "no data file given"},
        {"--frobnicate " + data, 2, "unknown option --frobnicate"},
    };
    for (const Case& c : cases) {
        const Result r = RunRunner(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << c.args << "\n" << r.out;
    }
}

TEST(HeadlessRunner, HelpExplainsTheOutputs) {
    const Result r = RunRunner("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("FILE.tx5o  the report"), std::string::npos);
}

TEST(HeadlessRunner, ParallelRunnersDoNotDisturbEachOther) {
    TempDir a, b;
    const std::string first = CopyExample(a, "cantilever_user_curves.tx5d");
    const std::string second = CopyExample(b, "sand_cantilever.tx5d");
    auto one = std::async(std::launch::async, [&] { return RunRunner(first + " " + first); });
    auto two = std::async(std::launch::async, [&] { return RunRunner(second + " " + second); });
    const Result r1 = one.get(), r2 = two.get();
    EXPECT_EQ(r1.status, 0) << r1.out;
    EXPECT_EQ(r2.status, 0) << r2.out;
    // Each report describes its own wall only.
    const std::string report1 = ReadFile(a.file("cantilever_user_curves.tx5o"));
    const std::string report2 = ReadFile(b.file("sand_cantilever.tx5o"));
    EXPECT_EQ(report1.find("SOIL LAYERS AND STRENGTH DATA"), std::string::npos);
    EXPECT_NE(report2.find("SOIL LAYERS AND STRENGTH DATA"), std::string::npos);
    EXPECT_EQ(report2.find("ERROR"), std::string::npos);
}

}  // namespace
}  // namespace torvex::test
