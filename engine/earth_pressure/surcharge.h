// Lateral pressure on the wall from surface surcharges behind it: point
// loads, line loads parallel to the wall and strips of uniform pressure.
//
// The point and line formulas are the elastic solutions modified for a rigid
// wall, normalised by the free height HFREE (m = x/HFREE, n = z/HFREE); the
// strip formula is (2q/pi)(beta - sin(beta)·cos(2·alpha)) with the angles seen
// from the depth z.  Pressures are force per unit area of wall in the units
// of the problem.  The uniform surface pressure is not handled here: it
// enters the overburden stress.
#pragma once

#include <array>
#include <vector>

#include "core/soil_records.h"

namespace torvex {

// The closed forms are written with two sets of constants: the wall-loading
// sampler uses 4/pi and 2/pi with pi = 3.1416, the per-layer force
// integration the rounded factors 1.273 and 0.6366.
enum class SurchargeConstants { Sampling, LayerSlices };

// Point load Q (force) at distance x from the wall, pressure at depth z.
double PointLoadPressure(double Q, double x, double z, double HFREE);
// Line load q (force/length) parallel to the wall at distance x.
double LineLoadPressure(double q, double x, double z, double HFREE, SurchargeConstants constants);
// Strip of pressure q (force/length²), width b, its middle at distance x.
// z must be positive.
double StripLoadPressure(double q, double x, double b, double z, SurchargeConstants constants);

// Pressure of one surcharge record at depth z (KTYPE 2 line, 3 strip, any
// other code a point load), with the sampler's constants.
double SurchargeRecordPressure(const SurchargeRecord& record, double z, double HFREE);

// SURPRES: total lateral surcharge pressure at depth d from all records, as
// sampled at 200 depths i·dz, dz = NINC·INCLEN/200: each record contributes
// its pressure at the deepest sampling depth strictly above d (nothing when
// d <= dz).  This is the literal rule; it evaluates up to 200 formulas per
// record and call.  0 when there are no records.
double SURPRES(double depth, const std::vector<SurchargeRecord>& records, double HFREE, int NINC,
               double INCLEN);

// The same values for many depths of one problem: the 200 sampling depths
// and the record-by-record sums at each are computed once, and a call only
// finds the sampling depth.  Bit-identical to SURPRES above.
class SurchargeSampler {
public:
    static constexpr int kSamples = 200;

    SurchargeSampler() = default;  // no records: every depth gives 0
    SurchargeSampler(const std::vector<SurchargeRecord>& records, double HFREE, int NINC, double INCLEN);

    double SURPRES(double depth) const;
    bool hasRecords() const { return hasRecords_; }

private:
    bool hasRecords_ = false;
    std::array<double, kSamples + 1> depth_{};  // depth_[i] = i·dz, i = 1 … 200
    std::array<double, kSamples + 1> total_{};  // summed record pressures at depth_[i]; total_[0] = 0
};

}  // namespace torvex
