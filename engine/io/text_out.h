// A sequential text output channel of the engine (report, plot file, run
// notes, scratch files).  Lines are written as records; formatting goes
// through edit lists.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "io/edit_format.h"

namespace torvex::io {

class TextOut {
public:
    TextOut() = default;
    ~TextOut();
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    // Opens (creating or replacing) the file for writing.  False on failure.
    bool open(const std::string& path);
    // Writes into memory instead of a file (tests).
    void openMemory();
    void close();
    bool isOpen() const { return file_ != nullptr || memory_; }
    const std::string& path() const { return path_; }

    // One record, written as is.
    void line(std::string_view text = {});
    // Records produced by an edit list.
    void edit(std::string_view editList, std::initializer_list<EditArg> values = {});
    void edit(std::string_view editList, const std::vector<EditArg>& values);
    // n empty records.
    void blank(int n = 1);

    // The text written so far in memory mode.
    const std::string& text() const { return buffer_; }

private:
    std::FILE* file_ = nullptr;
    bool memory_ = false;
    std::string path_;
    std::string buffer_;
};

}  // namespace torvex::io
