// Free-format (list-directed) reading of the engine's input files.
//
// Values are separated by blanks, TABs or commas.  Every read starts on a new
// line, may continue over as many lines as it needs, and what is left on the
// last line it used is skipped.  A text read takes one whole line.  Lines may
// end in LF, CR LF or CR.
//
// Problems are reported as InputError, naming the file, the line, the record
// and the item; the engine turns them into one report line and an orderly end.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torvex::io {

class InputError : public std::runtime_error {
public:
    InputError(std::string message, std::string file, int line, bool endOfFile = false)
        : std::runtime_error(std::move(message)), file_(std::move(file)), line_(line), endOfFile_(endOfFile) {}
    const std::string& file() const { return file_; }
    // The line the offending value is on; for an early end, the last line.
    int line() const { return line_; }
    bool endOfFile() const { return endOfFile_; }

private:
    std::string file_;
    int line_;
    bool endOfFile_;
};

class FreeReader {
public:
    // Reads the whole file.  False when it cannot be opened.
    bool open(const std::string& path);
    // Reads from text held in memory (tests); `name` stands for the file name.
    void openText(std::string_view text, std::string name = "(text)");
    bool isOpen() const { return open_; }
    const std::string& name() const { return name_; }

    // Starts a new read statement for the named record: the rest of the
    // current line is skipped and item numbering restarts at 1.
    void beginRead(std::string_view record);

    // The next value of the current read, taken from the following lines when
    // the current one is used up.  `item` names the value in messages.
    long long readInteger(std::string_view item);
    int readInt(std::string_view item);
    double readReal(std::string_view item);

    // A text read: the whole next line (without its line end).
    std::string readLine(std::string_view record);

    // True when no unread line is left (trailing empty lines count as read).
    bool atEnd() const;

    // Line number (1-based) of the line the last value came from.
    int lineNumber() const { return static_cast<int>(current_); }

private:
    std::string_view nextToken(std::string_view item);
    [[noreturn]] void fail(const std::string& what) const;

    std::string name_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;       // index of the next unread line
    std::size_t current_ = 0;    // 1-based number of the line in use, 0 before any
    std::vector<std::string_view> tokens_;
    std::size_t token_ = 0;
    std::string record_;
    int item_ = 0;
    bool open_ = false;
};

// Splits text into lines at LF, CR LF or CR.  A final line end adds no line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace torvex::io
