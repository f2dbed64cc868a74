#include "core/report_header.h"

namespace torvex {

namespace {

constexpr int kTitleWidth = 70;
constexpr int kBannerWidth = 50;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// Length of the UTF-8 sequence that starts at text[i], or 0 when the bytes
// there are not a well-formed sequence (overlong forms and surrogates
// included).
std::size_t Utf8SequenceAt(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        if (b0 == 0xE0) low = 0xA0;
        if (b0 == 0xED) high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceAt(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Titles of older files are single-byte Latin-1 text.
std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

}  // namespace

std::string FixedTitle(const std::string& line) {
    std::string title = IsUtf8(line) ? line : Latin1ToUtf8(line);
    // The first 70 characters (not bytes), blank-filled to 70 characters.
    std::size_t end = 0;
    int characters = 0;
    while (end < title.size() && characters < kTitleWidth) {
        end += Utf8SequenceAt(title, end);
        ++characters;
    }
    title.resize(end);
    title.append(static_cast<std::size_t>(kTitleWidth - characters), ' ');
    return title;
}

void WriteBanner(io::TextOut& out, std::string_view title) {
    const int inner = kBannerWidth - 2;
    std::string text(title.substr(0, static_cast<std::size_t>(inner)));
    const int left = (inner - static_cast<int>(text.size())) / 2;
    const int right = inner - static_cast<int>(text.size()) - left;
    out.blank(2);
    out.line("      " + Repeat('*', kBannerWidth));
    out.line("      *" + Repeat(' ', left) + text + Repeat(' ', right) + "*");
    out.line("      " + Repeat('*', kBannerWidth));
}

void WriteTitleLine(RunContext& run) {
    io::TextOut& out = run.report;
    out.blank();
    if (run.NSTAGE >= 2) {
        out.edit("(6X, 'Stage No :', I2, 2X, A70)", {run.NPROB, run.TITLE1});
    } else if (run.NPROB <= 1) {
        out.edit("(6X, A70)", {run.TITLE});
    } else {
        out.edit("(6X, 'Long Term :', 2X, A70)", {run.TITLE1});
    }
}

void WriteHeader(RunContext& run) {
    io::TextOut& out = run.report;
    if (run.NPROB > 1) out.blank(2);

    const std::string rule = "     " + Repeat('=', 73);
    out.line(rule);
    out.blank();
    out.edit("(20X, '  TORVEX for Windows, Version ', A12)", {run.names.VERSTXT});
    out.blank();
    out.line(Repeat(' ', 20) + "   A Program for the Analysis of ");
    out.line(Repeat(' ', 20) + "   Flexible Retaining Walls ");
    out.blank();
    out.line(rule);
    out.blank(2);

    out.line("     Path to file locations      : " + FolderOf(run.names.DATFILE));
    out.line("     Name of input data file     : " + FileNameOf(run.names.DATFILE));
    out.line("     Name of output file         : " + FileNameOf(run.names.OUTFILE));
    out.line("     Name of plot output file    : " + FileNameOf(run.names.PLTFILE));
    out.blank();

    const std::string dashes = "     " + Repeat('-', 73);
    out.line(dashes);
    out.line(Repeat(' ', 26) + "Time and Date of Analysis");
    out.line(dashes);
    out.blank();
    const ClockTime now = run.clock();
    if (now.month >= 1 && now.month <= 12) {
        out.edit("(15X, 'Date:  ', A, ' ', I2.2, ', ', I4, 5X, 'Time:  ', I2.2, ':', I2.2, ':', I2.2)",
                 {kMonths[now.month - 1], now.day, now.year, now.hour, now.minute, now.second});
    }
    WriteTitleLine(run);
}

}  // namespace torvex

namespace torvex {
std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(text.substr(0, width));
    s.resize(width, ' ');
    return s;
}
}  // namespace torvex
