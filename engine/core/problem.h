// Everything one problem of a run reads, derives and solves.  Reset at the
// start of every problem by ResetProblem.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/soil_records.h"
#include "core/station_array.h"

namespace torvex {

constexpr int kMaxRestraints = 20;
constexpr int kMaxCurves = 63;
constexpr int kMaxCurvePoints = 34;
constexpr int kMaxMeiRecords = 20;
constexpr int kMaxMeiPoints = 100;
constexpr int kMaxEarthRows = 2000;
constexpr int kMaxSoilLayers = 10;
constexpr int kDefaultIterationLimit = 100;

// One p-y curve of the store: deflections ascending, resistances per
// station (per unit length times INCLEN).
struct PyCurve {
    int KFROM = 0, KTO = 0;  // array index J = station + 4
    int KCONT = 0;           // 1: interpolated with the next curve
    int NPTS = 0;
    std::array<double, kMaxCurvePoints> YC{};
    std::array<double, kMaxCurvePoints> PC{};
};

// One moment-rigidity record: stations MFROM … MTO.
struct MeiCurve {
    int MFROM = 0, MTO = 0, NMP = 0;
    std::array<double, kMaxMeiPoints> MC{};
    std::array<double, kMaxMeiPoints> EIC{};
};

struct CoupleEntry {
    int KCPL = 0;      // station of the couple
    double CPL = 0.0;  // couple / (2 INCLEN)
};

struct Problem {
    // CONTROL
    int UNITS = 0, NRESTR = 0, NSTIFF = 0, NPYMOD = 0, KOUTPT = 0, KPYOP = 0;
    int NPYSET = 0, NSTAGE = 0, NMEI = 0, NTIE = 0;
    // WALL
    int NINC = 0;
    double INCLEN = 0.0, XDEFMAX = 0.0, TOL = 0.0, HFREE = 0.0, WA = 0.0;
    double INCLEN2 = 0.0, INCLENSQ = 0.0, INCLENCU = 0.0;
    int ITMAX = kDefaultIterationLimit;
    double PMULT = 1.0, YMULT = 1.0;

    // Station arrays (units of UNITS).
    StationArray<double> EI, Q, S, T, R, P;
    StationArray<int> KASE;
    StationArray<double> W;

    // Specified deflections and slopes in record order.
    std::vector<double> DEFL, SLOPE;
    std::vector<CoupleEntry> couples;

    std::vector<PyModRecord> pymod;
    SoilRecords soil;

    // Earth-pressure table: depth, total (times INCLEN once loaded), soils, surcharges.
    std::vector<double> XEP, PEP, PSOIL, PSUR;

    std::vector<PyCurve> curves;
    std::vector<MeiCurve> mei;
};

void ResetProblem(Problem& problem);

}  // namespace torvex
