#include "io/free_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

namespace torvex::io {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // characters seen since the last line end
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) lines.push_back(current);
    return lines;
}

bool FreeReader::open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        open_ = false;
        name_ = path;
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    openText(buffer.str(), path);
    return true;
}

void FreeReader::openText(std::string_view text, std::string name) {
    name_ = std::move(name);
    lines_ = SplitLines(text);
    next_ = 0;
    current_ = 0;
    tokens_.clear();
    token_ = 0;
    record_.clear();
    item_ = 0;
    open_ = true;
}

void FreeReader::beginRead(std::string_view record) {
    tokens_.clear();
    token_ = 0;
    record_ = std::string(record);
    item_ = 0;
}

bool FreeReader::atEnd() const {
    for (std::size_t i = next_; i < lines_.size(); ++i) {
        if (lines_[i].find_first_not_of(" \t,") != std::string::npos) return false;
    }
    return true;
}

void FreeReader::fail(const std::string& what) const {
    throw InputError(what, name_, static_cast<int>(current_));
}

static bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

std::string_view FreeReader::nextToken(std::string_view item) {
    ++item_;
    while (token_ >= tokens_.size()) {
        if (next_ >= lines_.size()) {
            std::ostringstream msg;
            msg << "the data file ends before item " << item_ << " (" << item << ") of record "
                << record_ << " could be read";
            current_ = lines_.size();
            throw InputError(msg.str(), name_, static_cast<int>(lines_.size()), true);
        }
        current_ = next_ + 1;
        const std::string& text = lines_[next_++];
        tokens_.clear();
        token_ = 0;
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && IsSeparator(text[i])) ++i;
            const std::size_t start = i;
            while (i < text.size() && !IsSeparator(text[i])) ++i;
            if (i > start) tokens_.emplace_back(text.data() + start, i - start);
        }
    }
    return tokens_[token_++];
}

static std::string Quote(std::string_view token) {
    std::string shown(token.substr(0, 40));
    return "\"" + shown + "\"";
}

long long FreeReader::readInteger(std::string_view item) {
    const std::string_view token = nextToken(item);
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    bool digits = i < token.size();
    for (std::size_t k = i; k < token.size(); ++k) digits = digits && token[k] >= '0' && token[k] <= '9';
    if (digits) {
        errno = 0;
        const std::string text(token);
        const long long v = std::strtoll(text.c_str(), nullptr, 10);
        if (errno != ERANGE && v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return v;
    }
    std::ostringstream msg;
    msg << "an integer was expected for item " << item_ << " (" << item << ") of record " << record_
        << ", found " << Quote(token);
    fail(msg.str());
}

int FreeReader::readInt(std::string_view item) { return static_cast<int>(readInteger(item)); }

// Decimal order of magnitude of a real that ParseReal accepted: the
// position of its first significant digit relative to the decimal point plus
// the exponent (1.5E3 gives 4, 0.05 gives -1).  Only its sign matters.
static long DecimalOrder(std::string_view token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    long order = 0;
    bool significant = false;
    bool fraction = false;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c == '.') {
            fraction = true;
        } else if (c >= '0' && c <= '9') {
            if (!fraction && (significant || c != '0')) ++order;
            if (fraction && !significant && c == '0') --order;
            if (c != '0') significant = true;
        } else {
            break;
        }
    }
    if (i < token.size()) {
        if (token[i] != '+' && token[i] != '-') ++i;  // exponent letter
        order += std::strtol(std::string(token.substr(i)).c_str(), nullptr, 10);
    }
    return order;
}

// A real in any of the list-directed forms: 12, -1.5, .5, 5., 1.5E+03,
// 1.5D3, 1.5e-3 and the exponent without its letter, 1.5+03.
static bool ParseReal(std::string_view token, double& value) {
    std::string text;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < token.size() ? token[k] : '\0'; };
    if (at(i) == '+' || at(i) == '-') text.push_back(token[i++]);
    std::size_t mantissa = 0;
    while (at(i) >= '0' && at(i) <= '9') { text.push_back(token[i++]); ++mantissa; }
    if (at(i) == '.') {
        text.push_back(token[i++]);
        while (at(i) >= '0' && at(i) <= '9') { text.push_back(token[i++]); ++mantissa; }
    }
    if (mantissa == 0) return false;
    if (i < token.size()) {
        char c = token[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q') {
            ++i;
        } else if (c != '+' && c != '-') {
            return false;
        }
        text.push_back('E');
        if (at(i) == '+' || at(i) == '-') text.push_back(token[i++]);
        std::size_t exponent = 0;
        while (at(i) >= '0' && at(i) <= '9') { text.push_back(token[i++]); ++exponent; }
        if (exponent == 0 || i != token.size()) return false;
    }
    // std::from_chars, unlike strtod, ignores the C locale: the desktop
    // process may run under a locale whose decimal separator is a comma.
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-') ++first;
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(first, last, magnitude);
    if (end != last) return false;
    if (error == std::errc::result_out_of_range) {
        // An underflow reads as zero, an overflow is no number.
        if (DecimalOrder(token) >= 0) return false;
        magnitude = 0.0;
    } else if (error != std::errc()) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return std::isfinite(value);
}

double FreeReader::readReal(std::string_view item) {
    const std::string_view token = nextToken(item);
    double value = 0.0;
    if (ParseReal(token, value)) return value;
    std::ostringstream msg;
    msg << "a number was expected for item " << item_ << " (" << item << ") of record " << record_
        << ", found " << Quote(token);
    fail(msg.str());
}

std::string FreeReader::readLine(std::string_view record) {
    beginRead(record);
    item_ = 1;
    if (next_ >= lines_.size()) {
        std::ostringstream msg;
        msg << "the data file ends before the line of record " << record_ << " could be read";
        current_ = lines_.size();
        throw InputError(msg.str(), name_, static_cast<int>(lines_.size()), true);
    }
    current_ = next_ + 1;
    return lines_[next_++];
}

}  // namespace torvex::io
