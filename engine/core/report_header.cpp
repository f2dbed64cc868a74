#include "core/report_header.h"

namespace torvex {

namespace {

constexpr int kTitleWidth = 70;
constexpr int kBannerWidth = 50;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

}  // namespace

std::string FixedTitle(const std::string& line) {
    std::string title = line;
    if (title.size() > kTitleWidth) {
        std::size_t cut = kTitleWidth;
        // Step back over UTF-8 continuation bytes so no character is split.
        while (cut > 0 && (static_cast<unsigned char>(title[cut]) & 0xC0) == 0x80) --cut;
        title.resize(cut);
    }
    title.resize(kTitleWidth, ' ');
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
