// The module's copy of the problem data and the subdivision of the soil
// layers at the backfill water table and the excavation level, so that both
// depths are layer tops.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "earth_pressure/module_state.h"

namespace torvex {

EarthPressureInputs CollectInputs(const EarthPressureContext& context) {
    if (context.soil == nullptr) throw std::logic_error("earth pressure needs the soil records");
    const SoilRecords& soil = *context.soil;
    EarthPressureInputs in;
    in.UNITS = context.UNITS;
    in.KOUTPT = context.KOUTPT;
    in.NINC = context.NINC;
    in.INCLEN = context.INCLEN;
    in.HFREE = soil.HFREE;
    in.WA = soil.WA;
    in.WP = soil.WP;
    in.DWB = soil.DWB;
    in.DWE = soil.DWE;
    in.GW = soil.GW;
    in.KEP = soil.KEP;
    in.BETA = soil.BETA;
    in.QUNIF = soil.QUNIF;
    in.XSUR = soil.XSUR;
    in.PPOINT = soil.PPOINT;
    in.QLINE = soil.QLINE;
    in.QSTRIP = soil.QSTRIP;
    in.WSTRIP = soil.WSTRIP;
    in.surcharges = soil.surcharges;
    in.GAMW = context.UNITS == 2 ? kWaterWeightSI : kWaterWeightEnglish;
    in.ties = context.ties;
    // Each surcharge record in turn becomes the single surcharge; the last
    // one stays.  The strip width changes only with a strip record.
    for (const SurchargeRecord& record : in.surcharges) {
        in.XSUR = record.distance;
        in.PPOINT = in.QLINE = in.QSTRIP = 0.0;
        if (record.KTYPE == 2) {
            in.QLINE = record.load;
        } else if (record.KTYPE == 3) {
            in.QSTRIP = record.load;
            in.WSTRIP = record.width;
        } else {
            in.PPOINT = record.load;
        }
    }
    return in;
}

std::vector<InputLayer> CollectInputLayers(const SoilRecords& soil) {
    std::vector<InputLayer> layers;
    double above = 0.0;
    for (const SoilLayerRecord& record : soil.layers) {
        InputLayer layer;
        layer.THICK = record.ZBOT - above;
        above = record.ZBOT;
        // Values at the layer top: unit weight, cohesion, friction angle,
        // two p-y values, user active coefficient.
        layer.GAM = record.top[0];
        layer.COH = record.top[1];
        layer.PHI = record.top[2];
        layer.KAUSR = record.top[5];
        layer.DRAIN = record.KSOIL >= 4;  // sand, silt and rock drain
        layers.push_back(layer);
    }
    return layers;
}

namespace {

void CopyProperties(LayerTable& t, int to, const InputLayer& from, double GW) {
    t.COH[to] = from.COH;
    t.PHI[to] = from.PHI;
    t.GAM[to] = from.GAM;
    t.KAUSR[to] = from.KAUSR;
    t.DRAIN[to] = from.DRAIN;
    t.FMOD[to] = GW;
}

void CopySlot(LayerTable& t, int to, int from) {
    t.COH[to] = t.COH[from];
    t.PHI[to] = t.PHI[from];
    t.GAM[to] = t.GAM[from];
    t.KAUSR[to] = t.KAUSR[from];
    t.DRAIN[to] = t.DRAIN[from];
    t.FMOD[to] = t.FMOD[from];
}

int LayerWithTopAt(const LayerTable& t, double depth) {
    for (int L = 1; L <= t.NL; ++L)
        if (std::fabs(t.ZTOP[L] - depth) < kDepthTolerance) return L;
    return 0;
}

// Split depths below the top, in order, depths within the tolerance once.
std::vector<double> SplitDepths(double HFREE, double DWB) {
    std::vector<double> ZTEMP = {DWB, HFREE, HFREE};
    std::sort(ZTEMP.begin(), ZTEMP.end());
    std::vector<double> splits;
    for (double z : ZTEMP) {
        if (!splits.empty() && std::fabs(z - splits.back()) < kDepthTolerance) continue;
        splits.push_back(z);
    }
    splits.erase(std::remove_if(splits.begin(), splits.end(), [](double z) { return !(z > kDepthTolerance); }),
                 splits.end());
    return splits;
}

}  // namespace

LayerTable SubdivideLayers(const std::vector<InputLayer>& input, double HFREE, double DWB, double GW) {
    LayerTable t;
    t.FMOD.fill(1.0);
    const std::vector<double> splits = SplitDepths(HFREE, DWB);
    std::size_t s = 0;  // next split depth
    std::size_t j = 0;  // next input layer
    int L = 1;
    t.ZTOP[1] = 0.0;
    while (j < input.size()) {
        if (!(input[j].THICK > 0.0)) {
            // A bottom at or above the one before would silently drop every
            // layer below it.
            t.badInputLayer = static_cast<int>(j) + 1;
            break;
        }
        if (L > kMaxLayers) {
            t.overflowed = true;
            break;
        }
        t.THICK[L] = input[j].THICK;
        CopyProperties(t, L, input[j], GW);
        for (;;) {
            const double zbot = t.ZTOP[L] + t.THICK[L];
            if (s < splits.size() && std::fabs(zbot - splits[s]) < kDepthTolerance) {
                ++s;  // the split depth is this layer's bottom already
                continue;
            }
            if (s >= splits.size() || zbot < splits[s]) {  // the layer stays whole
                t.ZTOP[L + 1] = zbot;
                ++L;
                ++j;
                break;
            }
            if (L + 1 > kMaxLayers) {
                t.overflowed = true;
                t.NL = L;
                t.ZTOP[L + 1] = zbot;
                t.LH = LayerWithTopAt(t, HFREE);
                t.LWB = LayerWithTopAt(t, DWB);
                return t;
            }
            const double zs = splits[s++];
            t.THICK[L] = zs - t.ZTOP[L];
            t.ZTOP[L + 1] = zs;
            t.THICK[L + 1] = zbot - zs;
            CopySlot(t, L + 1, L);
            ++L;
        }
    }
    t.NL = L - 1;
    if (t.NL > 0) t.ZTOP[t.NL + 1] = t.ZTOP[t.NL] + t.THICK[t.NL];
    t.LH = LayerWithTopAt(t, HFREE);
    t.LWB = LayerWithTopAt(t, DWB);
    return t;
}

}  // namespace torvex
