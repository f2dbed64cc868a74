#include "earth_pressure/surcharge.h"

#include <algorithm>
#include <cmath>

#include "earth_pressure/constants.h"

namespace torvex {

namespace {

inline double Sq(double v) { return v * v; }
inline double Cube(double v) { return v * v * v; }

// Beyond this normalised distance the wall is loaded by the far-field form.
constexpr double kNearDistance = 0.4;
constexpr double kPointNear = 0.28;
constexpr double kPointFar = 1.77;
constexpr double kLineNear = 0.203;
constexpr double kDepthOffset = 0.16;     // 0.4² in the near-field forms
constexpr double kFourOverPi = 1.273;     // 4/pi as the layer integration writes it
constexpr double kTwoOverPi = 0.6366;     // 2/pi as the layer integration writes it

}  // namespace

double PointLoadPressure(double Q, double x, double z, double HFREE) {
    const double m = x / HFREE;
    const double n = z / HFREE;
    if (m <= kNearDistance) return kPointNear * Q * Sq(n) / (Sq(HFREE) * Cube(kDepthOffset + Sq(n)));
    return kPointFar * Q * Sq(m) * Sq(n) / (Sq(HFREE) * Cube(Sq(m) + Sq(n)));
}

double LineLoadPressure(double q, double x, double z, double HFREE, SurchargeConstants constants) {
    const double m = x / HFREE;
    const double n = z / HFREE;
    if (m <= kNearDistance) return kLineNear * q * n / (HFREE * Sq(kDepthOffset + Sq(n)));
    if (constants == SurchargeConstants::LayerSlices)
        return kFourOverPi * q * Sq(m) * n / (HFREE * Sq(Sq(m) + Sq(n)));
    return 4.0 * q * Sq(m) * n / (kPi * HFREE * Sq(Sq(m) + Sq(n)));
}

double StripLoadPressure(double q, double x, double b, double z, SurchargeConstants constants) {
    // a1, a2: angles from the horizontal at depth z to the far and near edge.
    const double a1 = std::atan((x + b / 2.0) / z);
    const double a2 = std::atan((x - b / 2.0) / z);
    const double beta = a1 - a2;         // angle the strip subtends
    const double twoAlpha = a1 + a2;     // twice the angle to its middle
    const double shape = beta - std::sin(beta) * std::cos(twoAlpha);
    if (constants == SurchargeConstants::LayerSlices) return kTwoOverPi * q * shape;
    return (2.0 * q / kPi) * shape;
}

double SurchargeRecordPressure(const SurchargeRecord& record, double z, double HFREE) {
    switch (record.KTYPE) {
        case 2: return LineLoadPressure(record.load, record.distance, z, HFREE, SurchargeConstants::Sampling);
        case 3:
            return StripLoadPressure(record.load, record.distance, record.width, z, SurchargeConstants::Sampling);
        default: return PointLoadPressure(record.load, record.distance, z, HFREE);
    }
}

double SURPRES(double depth, const std::vector<SurchargeRecord>& records, double HFREE, int NINC,
               double INCLEN) {
    double SURRES = 0.0;
    const double dz = NINC * INCLEN / SurchargeSampler::kSamples;
    // A wall without length has no sampling depths (and the strip formula
    // is not defined at z = 0).
    if (records.empty() || !(dz > 0.0)) return SURRES;
    for (const SurchargeRecord& record : records) {
        double atDepth = 0.0;
        for (int i = 1; i <= SurchargeSampler::kSamples; ++i) {
            const double z = i * dz;
            if (!(z < depth)) break;  // sampling depths run downward
            atDepth = SurchargeRecordPressure(record, z, HFREE);
        }
        SURRES += atDepth;
    }
    return SURRES;
}

SurchargeSampler::SurchargeSampler(const std::vector<SurchargeRecord>& records, double HFREE, int NINC,
                                   double INCLEN) {
    const double dz = NINC * INCLEN / kSamples;
    hasRecords_ = !records.empty() && dz > 0.0;
    if (!hasRecords_) return;
    for (int i = 1; i <= kSamples; ++i) depth_[i] = i * dz;
    // Sum record by record in record order, as the literal rule adds them.
    for (int i = 1; i <= kSamples; ++i) {
        double sum = 0.0;
        for (const SurchargeRecord& record : records) sum += SurchargeRecordPressure(record, depth_[i], HFREE);
        total_[i] = sum;
    }
}

double SurchargeSampler::SURPRES(double depth) const {
    if (!hasRecords_) return 0.0;
    // Index of the deepest sampling depth strictly above d: the count of
    // sampling depths below d (they increase with i).
    const auto first = depth_.begin() + 1;
    const auto notAbove = std::lower_bound(first, depth_.end(), depth,
                                           [](double z, double d) { return z < d; });
    return total_[notAbove - first];
}

}  // namespace torvex
