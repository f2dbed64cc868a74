// Constants of the earth-pressure module.  pi (3.1416) and the degrees per
// radian (57.2958) are single-precision values promoted to double, as the
// results are defined with them; every other factor and tolerance is the
// decimal value itself.
#pragma once

namespace torvex {

constexpr double kPi = 3.1416f;
constexpr double kDegPerRad = 57.2958f;

// Unit weight of water: lb/in³ (also used for "other" units), kN/m³ in SI.
constexpr double kWaterWeightEnglish = 0.036;
constexpr double kWaterWeightSI = 9.81;

// Two depths closer than this are the same depth.
constexpr double kDepthTolerance = 1.0E-5;

// Smallest surcharge load counted in the layer forces.
constexpr double kMinSurchargeLoad = 1.0E-4;
// A uniform surface pressure below this counts as none.
constexpr double kMinSurfacePressure = 1.0E-6;
// A user active coefficient above this replaces the computed one.
constexpr double kMinUserCoefficient = 1.0E-7;
// Pressures below this are replaced by row·kTinyPressure so the table stays
// positive.
constexpr double kMinTablePressure = 1.0E-5;
constexpr double kTinyPressure = 1.0E-12;

// Peak factor of the apparent-pressure envelope of anchored walls.
constexpr double kEnvelopeFactor = 1.3;

// Layer table: up to 21 layers after subdivision.
constexpr int kMaxLayers = 21;
// Rows of the earth-pressure table the engine can store.
constexpr int kMaxTableRows = 2000;

}  // namespace torvex
