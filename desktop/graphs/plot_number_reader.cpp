#include "graphs/plot_number_reader.h"

#include <QFile>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace torvex::graphs {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An exponent field of three digits has no room for its letter: the engine
// writes 1.5E-120 as "0.1500-119". Rewritten with the letter for parsing;
// empty when the token is not of that form.
std::string WithExponentLetter(const char* first, const char* last) {
    const std::string token(first, last);
    const std::size_t sign = token.find_last_of("+-");
    if (sign == std::string::npos || sign == 0 || sign + 1 >= token.size()) return {};
    const char before = token[sign - 1];
    if (!IsDigit(before) && before != '.') return {};
    for (std::size_t i = sign + 1; i < token.size(); ++i)
        if (!IsDigit(token[i])) return {};
    const std::string mantissa = token.substr(0, sign);
    if (mantissa.find_first_of("eEdD") != std::string::npos) return {};
    return mantissa + 'E' + token.substr(sign);
}

}  // namespace

TPlotNumberReader::TPlotNumberReader(QByteArray text) : text_(std::move(text)) {
    const int n = static_cast<int>(text_.size());
    int i = 0;
    while (i < n) {
        while (i < n && IsSeparator(text_[i])) ++i;
        if (i >= n) break;
        const int begin = i;
        while (i < n && !IsSeparator(text_[i])) ++i;
        tokens_.push_back({begin, i});
    }
}

TPlotNumberReader TPlotNumberReader::FromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EPlotReadError("Cannot open file " + path.toStdString() + ": " + file.errorString().toStdString());
    return TPlotNumberReader(file.readAll());
}

const TPlotNumberReader::Token& TPlotNumberReader::Take() {
    if (next_ >= tokens_.size()) throw EPlotReadError("Read beyond end of file");
    return tokens_[next_++];
}

QString TPlotNumberReader::Describe(const Token& t) const {
    return QString::fromLatin1(text_.constData() + t.begin, t.end - t.begin);
}

double TPlotNumberReader::ReadFloat() {
    const Token& t = Take();
    const char* first = text_.constData() + t.begin;
    const char* last = text_.constData() + t.end;
    if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
    double value = 0;
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last) {
        const std::string lettered = WithExponentLetter(first, last);
        const char* end = lettered.data() + lettered.size();
        result = std::from_chars(lettered.data(), end, value, std::chars_format::general);
        if (!lettered.empty() && result.ec == std::errc() && result.ptr == end) result.ptr = last;
        else result.ec = std::errc::invalid_argument;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        throw EPlotReadError("'" + Describe(t).toStdString() + "' is not a valid floating point value");
    return value;
}

int TPlotNumberReader::ReadInteger() {
    const std::size_t at = next_;
    double value = 0;
    try {
        value = ReadFloat();
    } catch (const EPlotReadError&) {
        if (at >= tokens_.size()) throw;
        throw EPlotReadError("'" + Describe(tokens_[at]).toStdString() + "' is not a valid integer value");
    }
    if (value != std::trunc(value) || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EPlotReadError("'" + Describe(tokens_[at]).toStdString() + "' is not a valid integer value");
    return static_cast<int>(value);
}

bool TPlotNumberReader::CanHold(long long count, int tokensEach) const {
    if (count <= 0) return true;
    return static_cast<unsigned long long>(count) * static_cast<unsigned long long>(tokensEach) <= Remaining();
}

void TPlotNumberReader::Expect(long long count, int tokensEach) const {
    if (!CanHold(count, tokensEach)) throw EPlotReadError("Read beyond end of file");
}

}  // namespace torvex::graphs
