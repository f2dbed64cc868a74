// The header that opens every problem of the report, the problem title
// line, and the section banner shared by all report sections.
#pragma once

#include <string>
#include <string_view>

#include "core/run_context.h"
#include "io/text_out.h"

namespace torvex {

// Two empty lines and the three-line frame of 50 "*" around the title.
void WriteBanner(io::TextOut& out, std::string_view title);

// Banner, file names, date and time, title line (after the blank lines
// that separate it from an earlier problem).
void WriteHeader(RunContext& run);

// The problem title line, after an empty line.
void WriteTitleLine(RunContext& run);

// The title as kept by the engine: the first 70 characters of the line,
// blank-filled to 70 characters.  A line that is not UTF-8 is taken as
// Latin-1 (titles of older files) and converted, so the report stays UTF-8.
std::string FixedTitle(const std::string& line);

}  // namespace torvex

namespace torvex {
// Text left-justified in a field of `width` characters (cut when longer).
std::string PadRight(std::string_view text, std::size_t width);
}  // namespace torvex
