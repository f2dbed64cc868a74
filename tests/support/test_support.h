// Small helpers shared by the test programs.
#pragma once

#include <filesystem>
#include <string>

namespace torvex::test {

// A private temporary folder, removed with its contents at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Makes a folder current for the lifetime of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::filesystem::path& dir);
    ~ScopedCurrentDir();

private:
    std::filesystem::path previous_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
std::string DataPath(const std::string& name);  // file in tests/data

}  // namespace torvex::test
