#include "py_curves/soil_profile.h"

#include <algorithm>
#include <string>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/py_constants.h"

namespace torvex::py {

double WaterUnitWeight(int UNITS) { return UNITS == 2 ? kWaterSI : kWaterEnglish; }

// Curves sit this far inside their sublayer: 0.01 m or 0.1 in.
double CurveInset(int UNITS) { return UNITS == 2 ? 0.01 : 0.1; }

namespace {

[[noreturn]] void StopOnLayerThickness(int layer, double ZBOT, double above) {
    throw AnalysisStop(
        {"", "",
         io::Edit("(5X, 'ERROR -- SOIL LAYER', I3, ': ITS BOTTOM DEPTH', F12.3, "
                  "' IS NOT BELOW THE LAYER ABOVE (', F12.3, ')')",
                  {layer, ZBOT, above})},
        "soil layer " + std::to_string(layer) + " has no thickness below the layer above");
}

// Five curves sit in every sublayer, the first and last one inset from its
// ends: a thinner sublayer would put them into the soil around it.
[[noreturn]] void StopOnThinLayer(int layer, double thickness, bool first, double inset) {
    throw AnalysisStop(
        {"", "",
         io::Edit("(5X, 'ERROR -- SOIL LAYER', I3, ': ONLY', F11.3, ' THICK BELOW ', A, "
                  "'; ITS P-Y CURVES NEED AT LEAST', F7.3)",
                  {layer, thickness, first ? "THE EXCAVATION LEVEL" : "THE LAYER ABOVE",
                   2 * inset})},
        "soil layer " + std::to_string(layer) + " is too thin for its p-y curves");
}

// Unit-weight points of one sublayer: G above the water table, G - GW below
// it; where the water table cuts the sublayer the line ends at the water
// table with the full weight (the next sublayer's top starts there).
void AddUnitWeightPoints(SoilProfile& profile, const ProfileInput& in, double GW, double TOP,
                         double BOT, double GAMMA, bool firstInputLayer) {
    const double HFREE = in.HFREE, DWB = in.DWB;
    UnitWeightPoint top{TOP, GAMMA}, bot{BOT, GAMMA};
    if (HFREE + top.X > DWB) top.G -= GW;
    if (HFREE + bot.X > DWB) bot.G -= GW;

    // The previous point; above the first sublayer that is the excavation level.
    const bool first = profile.unitWeight.empty();
    const double previousX = first ? 0.0 : profile.unitWeight.back().X;
    if (HFREE + top.X == DWB && HFREE + previousX == DWB) top.G = GAMMA - GW;
    if (!firstInputLayer && !first && previousX < top.X) top.X = previousX;
    if (HFREE + top.X < DWB && DWB < HFREE + bot.X) {
        bot.X = DWB - HFREE;
        bot.G = GAMMA;
    }
    profile.unitWeight.push_back(top);
    profile.unitWeight.push_back(bot);
}

StrengthPoint StrengthFromRow(double X, const double row[6]) {
    return {X, row[1], row[2], row[3], row[5]};
}

}  // namespace

SoilProfile BuildSoilProfile(const ProfileInput& in) {
    SoilProfile profile;
    if (in.layers == nullptr) return profile;

    const double GW = WaterUnitWeight(in.UNITS);
    const double delta = CurveInset(in.UNITS);
    // Two increments below the wall tip, measured from the excavation level.
    const double XCUT = in.NINC * in.INCLEN + 2 * in.INCLEN - in.HFREE;

    double runningBottom = 0.0;  // depth of the last sublayer bottom, uncut
    double previousZBOT = 0.0;
    int KTR = 0;                 // strength points kept when the profile is cut
    bool cutRemnantTooThin = false;

    for (std::size_t i = 0; i < in.layers->size(); ++i) {
        const SoilLayerRecord& layer = (*in.layers)[i];
        const double layerTop = previousZBOT;
        double t = layer.ZBOT - previousZBOT;
        previousZBOT = layer.ZBOT;
        if (profile.sublayers.empty()) {
            if (layer.ZBOT <= in.HFREE) continue;
            t = layer.ZBOT - in.HFREE;
        }
        // Below the cut nothing is kept, so only layers above it must be sound.
        if (KTR == 0 && t <= 0.0) StopOnLayerThickness(static_cast<int>(i) + 1, layer.ZBOT, layerTop);

        PySublayer sub;
        sub.TOP = runningBottom;
        sub.BOT = runningBottom + t;
        runningBottom = sub.BOT;
        sub.KSOIL = layer.KSOIL;
        sub.KPY = layer.top[4];
        sub.inputLayer = static_cast<int>(i) + 1;

        AddUnitWeightPoints(profile, in, GW, sub.TOP, sub.BOT, layer.top[0], i == 0);

        StrengthPoint top = StrengthFromRow(sub.TOP, layer.top);
        StrengthPoint bot = StrengthFromRow(sub.BOT, layer.bottom);
        if (XCUT < sub.BOT) {
            const double w = (XCUT - sub.TOP) / (sub.BOT - sub.TOP);
            bot.C = top.C + w * (bot.C - top.C);
            bot.PHI = top.PHI + w * (bot.PHI - top.PHI);
            bot.E50 = top.E50 + w * (bot.E50 - top.E50);
            bot.KAUSR = top.KAUSR + w * (bot.KAUSR - top.KAUSR);
            bot.X = XCUT;
            sub.BOT = XCUT;
            if (KTR == 0) {
                const int n = static_cast<int>(profile.sublayers.size()) + 1;
                KTR = 2 * n;
                // A remnant no thicker than two curve insets could not hold
                // its first and last curves inside it (nor can one lying
                // wholly below the cut): it is dropped with the rest.
                cutRemnantTooThin = XCUT - sub.TOP <= 2 * delta;
            }
        }
        if (KTR == 0 && t < 2 * delta) {
            StopOnThinLayer(static_cast<int>(i) + 1, t, profile.sublayers.empty(), delta);
        }
        profile.strength.push_back(top);
        profile.strength.push_back(bot);
        profile.sublayers.push_back(sub);
    }

    if (KTR > 0) {
        const int kept = KTR / 2 - (cutRemnantTooThin ? 1 : 0);
        profile.sublayers.resize(kept);
        profile.strength.resize(2 * kept);
    }
    for (StrengthPoint& p : profile.strength) p.PHI = p.PHI * kPi4 / 180;

    // The unit-weight line must reach as deep as the strength line: when the
    // water table cut the last sublayer, continue it submerged to the bottom.
    profile.unitWeightPointsOfLayers = static_cast<int>(profile.unitWeight.size());
    if (!profile.unitWeight.empty() && !profile.strength.empty() &&
        profile.unitWeight.back().X < profile.strength.back().X) {
        const UnitWeightPoint last = profile.unitWeight.back();
        profile.unitWeight.push_back({last.X, last.G - GW});
        profile.unitWeight.push_back({profile.strength.back().X, last.G - GW});
    }

    for (const PySublayer& sub : profile.sublayers) {
        const double h = sub.BOT - sub.TOP;
        profile.curveDepth.push_back(sub.TOP + delta);
        profile.curveDepth.push_back(sub.TOP + 0.25 * h);
        profile.curveDepth.push_back(sub.TOP + 0.5 * h);
        profile.curveDepth.push_back(sub.TOP + 0.75 * h);
        profile.curveDepth.push_back(sub.BOT - delta);
    }
    AssignCurvesToSublayers(profile);
    return profile;
}

void AssignCurvesToSublayers(SoilProfile& profile) {
    std::vector<PySublayer>& subs = profile.sublayers;
    const std::vector<double>& z = profile.curveDepth;
    for (PySublayer& s : subs) s.firstCurve = s.lastCurve = -1;
    if (subs.empty() || z.empty()) return;

    const int last = static_cast<int>(subs.size()) - 1;
    int K = 0;
    while (K < last && subs[K].BOT <= z[0]) ++K;
    subs[K].firstCurve = 0;
    for (int m = 1; m < static_cast<int>(z.size()); ++m) {
        if (subs[K].BOT < z[m] && K < last) {
            subs[K].lastCurve = m - 1;
            ++K;
            while (K < last && subs[K].BOT < z[m]) ++K;
            subs[K].firstCurve = m;
        }
    }
    subs[K].lastCurve = static_cast<int>(z.size()) - 1;
}

}  // namespace torvex::py
