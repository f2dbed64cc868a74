#include "earth_pressure/earth_pressure_report.h"

#include "core/report_header.h"

#include <ostream>

namespace torvex {

namespace {

std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(text);
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

// Text centred in a field of the given width (an odd blank goes right).
std::string Centred(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text);
    const std::size_t left = (width - text.size()) / 2;
    return std::string(left, ' ') + std::string(text) + std::string(width - text.size() - left, ' ');
}

std::string Stress(const UnitLabels& u) { return u.FORCE4 + "/" + u.LEN2 + "**" + "2"; }

void WallLine(io::TextOut& out, std::string_view label, double value, const std::string& unit) {
    out.edit("(6X, A, A, E10.3, A)", {PadRight(label, 39), "= ", value, unit});
}

void SurchargeLine(io::TextOut& out, std::string_view label, double value, const std::string& unit) {
    out.edit("(6X, A, E10.3, A)", {label, value, unit});
}

void WriteWall(io::TextOut& out, const EarthPressureInputs& in, const UnitLabels& u) {
    WriteBanner(out, "WALL INFORMATION");
    WallLine(out, "FREE HEIGHT OF WALL", in.HFREE, u.LEN3);
    WallLine(out, "WIDTH FOR EARTH PRESSURE, WA", in.WA, u.LEN3);
    WallLine(out, "WIDTH FOR SOIL RESISTANCE, WP", in.WP, u.LEN3);
    WallLine(out, "DEPTH TO THE WATER TABLE AT BACKFILL", in.DWB, u.LEN3);
    WallLine(out, "DEPTH TO THE WATER TABLE AT EXCAVATION", in.DWE, u.LEN3);
    WallLine(out, "UNIT WEIGHT OF WATER", in.GAMW, u.FORCE4 + "/" + u.LEN2 + "**" + "3");
    WallLine(out, "SLOPE OF THE BACKFILL (deg.)", in.BETA, "");
    WallLine(out, "MODIFICATION FOR ACTIVE EARTH PRESSURE", in.GW, "");
}

void WriteSurcharges(io::TextOut& out, const EarthPressureInputs& in, const UnitLabels& u) {
    WriteBanner(out, "SURCHARGE INFORMATION");
    SurchargeLine(out, "UNIFORM SURFACE PRESSURE     =", in.QUNIF, Stress(u));
    int k = 0;
    for (const SurchargeRecord& record : in.surcharges) {
        out.edit("(6X, A, I10)", {"SURCHARGE LOADING NO.        = ", ++k});
        if (record.KTYPE == 2) {
            SurchargeLine(out, "LINE LOAD                    = ", record.load, u.FORCE4 + "/" + u.LEN2);
        } else if (record.KTYPE == 3) {
            SurchargeLine(out, "STRIP LOAD                   = ", record.load, Stress(u));
            SurchargeLine(out, "WIDTH OF THE STRIP LOAD      = ", record.width, u.LEN3);
        } else {
            SurchargeLine(out, "POINT LOAD                   = ", record.load, u.FORCE4);
        }
        SurchargeLine(out, "HORIZONTAL DISTANCE BETWEEN  = ", record.distance, u.LEN3);
        out.edit("(6X, A)", {record.KTYPE == 3 ? "WALL AND MIDDLE OF STRIP WIDTH" : "THE WALL AND SURCHARGE"});
    }
}

void WriteSoils(io::TextOut& out, const EarthPressureInputs& in, const LayerTable& t) {
    WriteBanner(out, "SOIL INFORMATION");
    if (in.UNITS == 1 || in.UNITS == 2) {
        // Column fields: LAYER, THICKNESS, COHESION, PHI, WEIGHT, DRAINED, ZTOP.
        constexpr const char* kColumns = "(6X, A5, 1X, A9, 1X, A8, 2X, A3, 3X, A6, 3X, A7, 2X, A4)";
        // "TOTAL UNIT" is wider than WEIGHT: its field takes the blanks either side.
        out.edit("(6X, A5, 1X, A9, 1X, A8, 2X, A3, 1X, A10, 1X, A7, 2X, A4)",
                 {"", "  TOTAL  ", "", "", "TOTAL UNIT", "", ""});
        out.line("      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP");
        const bool english = in.UNITS == 1;
        out.edit(kColumns, {"", Centred(english ? "IN" : "M ", 9), Centred(english ? "PSI" : "kPa", 8), "DEG",
                            Centred(english ? "PCI" : "kN/M^3", 6), Centred("T OR F", 7),
                            Centred(english ? "IN" : " M ", 4)});
    }
    for (int L = 1; L <= t.NL; ++L)
        out.edit("(7X, I3, F9.1, F11.1, F6.1, F9.3, 5X, L1, F10.2)",
                 {L, t.THICK[L], t.COH[L], t.PHI[L], t.GAM[L], t.DRAIN[L], t.ZTOP[L]});
}

}  // namespace


void WriteWallSurchargeSoil(io::TextOut& report, const EarthPressureInputs& in, const LayerTable& layers,
                            const UnitLabels& labels) {
    WriteWall(report, in, labels);
    WriteSurcharges(report, in, labels);
    WriteSoils(report, in, layers);
}

void WriteOverburden(io::TextOut& report, const LayerTable& t, const Coefficients& c, const UnitLabels& u) {
    WriteBanner(report, "EFFECTIVE OVERBURDEN STRESS");
    report.blank();
    report.line("          DEPTH                     STRESS       ");
    report.edit("(16X, A3, 22X, A4, A1, A2, A2, A1)", {u.LEN3, u.FORCE4, "/", u.LEN2, "**", "2"});
    report.blank();
    for (int L = 1; L <= t.NL; ++L) report.edit("(12X, E10.3, 17X, E10.3)", {t.ZTOP[L], c.SIGT[L]});
}

void WriteCoefficientTable(io::TextOut& report, io::TextOut& runNotes, const LayerTable& t, const Coefficients& c) {
    WriteBanner(report, "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT");
    report.blank();
    report.line("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ");
    report.line("   NO.          COEFFICIENT      COEFFICIENT     ");
    for (int L = 1; L <= t.NL; ++L) {
        if (c.slopeWarning[L]) {
            for (io::TextOut* out : {&runNotes, &report}) {
                out->blank(2);
                out->line("**** WARNING ******");
                out->line("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.");
            }
        }
        report.edit("(10X, I2, 9X, E10.3, 8X, E10.3)", {L, c.computedAKA[L], c.AKP[L]});
    }
}

void WriteLayerForces(io::TextOut& report, std::ostream& console, const LayerTable& t, const LayerForces& f,
                      const UnitLabels& u) {
    WriteBanner(report, "ACTIVE EARTH PRESSURE OF EACH LAYER");
    report.blank();
    report.line(std::string(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3") + "        PA4");
    report.edit("(6X, '  NO', 1X, A4, A1, A2, A2, A1, 2X, A3, 2X, A4, A1, A2, A2, A1, 2X, A3, 4X, "
                "A4, A1, A2, A2, A1, 2X, A3, 4X, A4, A1, A2, A2, A1, /)",
                {u.FORCE4, "/", u.LEN2, "**", "2", u.LEN3, u.FORCE4, "/", u.LEN2, "**", "2", u.LEN3,
                 u.FORCE4, "/", u.LEN2, "**", "2", u.LEN3, u.FORCE4, "/", u.LEN2, "**", "2"});
    for (int L = 1; L <= t.LH - 1; ++L)
        report.edit("(6X, I2, 3(1X, F10.2, 1X, F6.2), 1X, F10.2)",
                    {L, f.PA1[L], f.Z1[L], f.PA2[L], f.Z2[L], f.PA3[L], f.Z3[L], f.PA4[L]});

    if (f.waterSection) {
        WriteBanner(report, "ACTIVE WATER PRESSURE OF EACH LAYER");
        report.blank();
        report.line(" LAYER    PW1     Z1       PW2     Z2                ");
        report.line("  NO             ");
        report.blank();
        for (int L = t.LWB; L <= t.LH - 1; ++L)
            if (f.waterRow[L])
                report.edit("(6X, I2, 2(1X, F10.2, 1X, F6.2))", {L, -f.PW1[L], f.Z1[L], -f.PW2[L], f.Z2[L]});
    }

    if (f.netNegative) {
        const char* message = "     Net active pressure is negative.";
        console << "\n\n" << message << "\n\n";
        report.blank(2);
        report.line(message);
        report.blank();
    }
}

}  // namespace torvex
