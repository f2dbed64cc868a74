// Constants shared by the p-y curve generator and its soil models.
#pragma once

namespace torvex::py {

// pi as the models use it: a single-precision 3.1416, promoted.
constexpr double kPi4 = 3.1416f;

// Wall-width ratio WA/WP limits, single precision: below 1.1 the wall acts as
// a continuous wall (a ratio of exactly 1.1 counts as below); from 3.1 on the
// elements stand far enough apart for no group reduction.
constexpr double kContinuousWallRatio = 1.1f;
constexpr double kNoGroupReductionRatio = 3.1f;

// Unit weight of water: lb/in^3 (English and other units) or kN/m^3 (SI).
constexpr double kWaterEnglish = 0.036;
constexpr double kWaterSI = 9.81;

// Points per side of a generated curve.
constexpr int kCurvePoints = 17;

// Curves placed in every sublayer.
constexpr int kCurvesPerSublayer = 5;

}  // namespace torvex::py
