// The scratch file that carries the earth-pressure table to the input phase:
// a free-format count line, then one row per line of depth, total, soils and
// surcharges in E10.3 fields.
#include "earth_pressure/pressure_table_file.h"

#include <cstdio>
#include <string>

#include "core/analysis_stop.h"
#include "earth_pressure/constants.h"
#include "io/edit_format.h"
#include "io/free_reader.h"
#include "io/text_out.h"

namespace torvex {

namespace {

AnalysisStop ScratchFileStop(const std::string& what) {
    return AnalysisStop({"", "", "     ERROR STOP -- " + what}, what);
}

}  // namespace

AnalysisStop TooMuchData() {
    return AnalysisStop({"", "", "     TOO MUCH DATA FOR AVAILABLE STORAGE", "", ""},
                        "TOO MUCH DATA FOR AVAILABLE STORAGE");
}

void ReplaceScratchFile(io::TextOut& out, const std::string& path) {
    // Removing the previous copy first spares the file system the flush that
    // truncating a file with data in place can cost (the table is rewritten
    // for every problem of a run).
    std::remove(path.c_str());
    if (!out.open(path)) throw ScratchFileStop("CANNOT CREATE THE SCRATCH FILE " + path);
}

void WritePressureTableFile(const std::string& path, const std::vector<EarthPressureRow>& rows) {
    io::TextOut out;
    ReplaceScratchFile(out, path);
    std::string count(1, ' ');
    count += std::to_string(rows.size());
    out.line(count);
    // Rows in the layout (5X, E10.3, 4X, E10.3, 4X, E10.3, 4X, E10.3), built
    // from the single-field formatter: the table has up to 2000 rows and the
    // edit list would be interpreted afresh for each.
    std::string line;
    for (const EarthPressureRow& row : rows) {
        line.assign(5, ' ');
        line += io::FormatE(row.XEP, 10, 3);
        for (double value : {row.PEP, row.PSOIL, row.PSUR}) {
            line.append(4, ' ');
            line += io::FormatE(value, 10, 3);
        }
        out.line(line);
    }
    out.close();
}

std::vector<EarthPressureRow> ReadEarthPressureTable(const std::string& path) {
    io::FreeReader in;
    if (!in.open(path)) throw ScratchFileStop("CANNOT OPEN THE SCRATCH FILE " + path);
    in.beginRead("NROW");
    const long long count = in.readInteger("row count");
    if (count > kMaxTableRows) throw TooMuchData();
    if (count < 0) throw ScratchFileStop("NEGATIVE ROW COUNT " + std::to_string(count) + " IN " + path);
    std::vector<EarthPressureRow> rows(static_cast<std::size_t>(count));
    for (EarthPressureRow& row : rows) {
        in.beginRead("earth-pressure row");
        row.XEP = in.readReal("depth");
        row.PEP = in.readReal("total pressure");
        row.PSOIL = in.readReal("pressure from soils");
        row.PSUR = in.readReal("pressure from surcharges");
    }
    return rows;
}

}  // namespace torvex
