// Soil properties at a depth D below the excavation level, read from the
// profile lines, and the depth-to-width coefficient tables of the stiff-clay
// and sand-type models.
#pragma once

#include <vector>

#include "py_curves/soil_profile.h"

namespace torvex::py {

// Point values along the strength line, linear between points.  At a sublayer
// boundary (two points at one depth) the strength is the lower sublayer's
// (unless that is zero); E50, PHI and the sixth value are the mean of both
// sides, or the non-zero one.  Beyond the last point the last value holds.
double StrengthAt(const std::vector<StrengthPoint>& profile, double D);
double E50At(const std::vector<StrengthPoint>& profile, double D);
double PhiAt(const std::vector<StrengthPoint>& profile, double D);  // radians
double RqdAt(const std::vector<StrengthPoint>& profile, double D);

// Mean effective unit weight between the excavation level and D (trapezoid
// rule along the unit-weight line).  Just below the excavation level it is
// the first positive point value.
double AverageUnitWeight(const std::vector<UnitWeightPoint>& profile, double D);

// Mean of the strength at the top of sublayer L (1-based) and at D, along
// that sublayer's own strength line.
double AverageStrength(const std::vector<StrengthPoint>& profile, double D, int L);

// Stiff-clay coefficient As by D/b.
double StiffClayAs(double D, double b);

enum class SandTable { A, B };
// Sand and silt coefficients A and B by D/b (static loading).
double SandCoefficient(double D, double b, SandTable table);

}  // namespace torvex::py
