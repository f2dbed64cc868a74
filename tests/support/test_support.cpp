#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace torvex::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "torvex-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ScopedCurrentDir::ScopedCurrentDir(const std::filesystem::path& dir)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

ScopedCurrentDir::~ScopedCurrentDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string DataPath(const std::string& name) { return std::string(TORVEX_TEST_DATA) + "/" + name; }

}  // namespace torvex::test

namespace torvex::test {
namespace {

// The engine writes its scratch files ("SOILDATA", "ERTHPR.001",
// "debug.dat") into the current folder.  Every test program works in a
// private folder of its own so that nothing lands beside the sources.
class PrivateWorkingFolder {
public:
    PrivateWorkingFolder() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "torvex-tests-XXXXXX").string();
        if (ec || mkdtemp(pattern.data()) == nullptr) return;
        folder_ = pattern;
        std::filesystem::current_path(folder_, ec);
    }
    ~PrivateWorkingFolder() {
        if (folder_.empty()) return;
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(ec), ec);
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path folder_;
};

const PrivateWorkingFolder kWorkingFolder;

}  // namespace
}  // namespace torvex::test
