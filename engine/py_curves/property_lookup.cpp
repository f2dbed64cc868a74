#include "py_curves/property_lookup.h"

namespace torvex::py {

namespace {

constexpr double kTiny = 1.0E-20;

enum class TieRule { LowerSide, Mean };

template <typename Value>
double PointLookup(const std::vector<StrengthPoint>& s, double D, Value value, TieRule tie) {
    const int NS = static_cast<int>(s.size());
    if (NS == 0) return 0.0;
    if (NS == 1) return value(s[0]);
    int i = -1;
    for (int k = 1; k < NS; ++k) {
        if (D <= s[k].X) {
            i = k;
            break;
        }
    }
    if (i < 0) return value(s[NS - 1]);  // below the profile: callers never ask
    if (D == s[NS - 1].X || (D == s[i].X && s[i + 1].X > s[i].X)) return value(s[i]);
    if (D != s[i].X) {
        return value(s[i - 1]) +
               (D - s[i - 1].X) * (value(s[i]) - value(s[i - 1])) / (s[i].X - s[i - 1].X);
    }
    // D lies on a sublayer boundary: s[i] closes the upper sublayer, s[i+1]
    // opens the lower one.
    const double upper = value(s[i]), lower = value(s[i + 1]);
    if (tie == TieRule::LowerSide) return lower < kTiny ? upper : lower;
    if (upper < kTiny && lower < kTiny) return upper;
    if (upper < kTiny) return lower;
    if (lower < kTiny) return upper;
    return (upper + lower) / 2;
}

}  // namespace

double StrengthAt(const std::vector<StrengthPoint>& s, double D) {
    return PointLookup(s, D, [](const StrengthPoint& p) { return p.C; }, TieRule::LowerSide);
}

double E50At(const std::vector<StrengthPoint>& s, double D) {
    return PointLookup(s, D, [](const StrengthPoint& p) { return p.E50; }, TieRule::Mean);
}

double PhiAt(const std::vector<StrengthPoint>& s, double D) {
    return PointLookup(s, D, [](const StrengthPoint& p) { return p.PHI; }, TieRule::Mean);
}

double RqdAt(const std::vector<StrengthPoint>& s, double D) {
    return PointLookup(s, D, [](const StrengthPoint& p) { return p.KAUSR; }, TieRule::Mean);
}

double AverageUnitWeight(const std::vector<UnitWeightPoint>& g, double D) {
    const int NG = static_cast<int>(g.size());
    if (NG == 0) return 0.0;
    const double dz = D - g[0].X;
    if (dz < 1.0E-6) {
        for (const UnitWeightPoint& p : g) {
            if (p.G > 0) return p.G;
        }
        return g[NG - 1].G;
    }
    double mean = 0.0;
    for (int i = 1; i < NG; ++i) {
        const double length = g[i].X - g[i - 1].X;
        if (g[i].X < D) {
            mean += (g[i - 1].G + g[i].G) / 2 * length / dz;
            continue;
        }
        if (length >= 1.0E-6) {
            const double GD = g[i - 1].G + (D - g[i - 1].X) * (g[i].G - g[i - 1].G) / length;
            mean += (g[i - 1].G + GD) / 2 * (D - g[i - 1].X) / dz;
        }
        break;
    }
    return mean;
}

double AverageStrength(const std::vector<StrengthPoint>& s, double D, int L) {
    const int i1 = 2 * L - 2, i2 = 2 * L - 1;  // 0-based top and bottom of L
    if (i2 >= static_cast<int>(s.size()) || D - s[i1].X < 1.0E-5) return StrengthAt(s, D);
    const double h = s[i2].X - s[i1].X;
    if (h < 1.0E-6) return 0.0;
    return (s[i1].C + s[i1].C + (D - s[i1].X) * (s[i2].C - s[i1].C) / h) / 2;
}

namespace {

// Linear in a table of n entries: the first entry whose ratio exceeds r
// closes the interval (the last interval when none does).
double TableLookup(const double* ratio, const double* value, int n, double r) {
    int i = n - 1;
    for (int k = 1; k < n; ++k) {
        if (ratio[k] > r) {
            i = k;
            break;
        }
    }
    return value[i - 1] + (r - ratio[i - 1]) * (value[i] - value[i - 1]) / (ratio[i] - ratio[i - 1]);
}

}  // namespace

double StiffClayAs(double D, double b) {
    static const double ratio[6] = {0, 1, 2, 3, 4, 5};
    static const double As[6] = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
    return TableLookup(ratio, As, 6, D / b);
}

double SandCoefficient(double D, double b, SandTable table) {
    static const double ratio[10] = {0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
    static const double A[10] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
    static const double B[10] = {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
    return TableLookup(ratio, table == SandTable::A ? A : B, 10, D / b);
}

}  // namespace torvex::py
