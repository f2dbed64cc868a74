// The six property values of a soil layer line in the data file and the
// parameter-table columns they come from, by soil type.
#pragma once

#include <array>

// Soil types of the layer tables (1-based choice values).
enum SoilType {
    kSoftClay = 1,
    kStiffClayFreeWater = 2,
    kStiffClayNoFreeWater = 3,
    kSand = 4,
    kSilt = 5,
    kStrongRock = 6,
    kWeakRock = 7
};
inline constexpr int kSoilTypeCount = 7;
inline constexpr int kPropertyValues = 6;

struct TSoilPropertyLayout {
    // Parameter-table column of each value, -1 for a "0.0" place-holder.
    std::array<int, kPropertyValues> column;
    // Value 2 is a cohesive strength (lb/ft2 in the table, lb/in2 in the file).
    bool cohesionSecond;
};

inline TSoilPropertyLayout SoilPropertyLayout(int soilType) {
    switch (soilType) {
    case kSand: return {{0, -1, 1, -1, 2, 3}, false};
    case kSilt: return {{0, 2, 1, 3, 4, 5}, true};
    case kStrongRock: return {{0, 1, -1, -1, -1, -1}, false};
    case kWeakRock: return {{0, 1, -1, 2, 3, 4}, false};
    default: return {{0, 1, -1, 2, 3, 4}, true};  // the three clays
    }
}

// Whether value 6 is the optional earth-pressure coefficient, which only the
// short-term problem carries.
inline bool SixthIsEarthPressureCoefficient(int soilType) { return soilType >= kSoftClay && soilType <= kSilt; }

// English tables show feet-based units; the file holds inches.
inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kSquareInchesPerSquareFoot = 144.0;
inline constexpr double kCubicInchesPerCubicFoot = 1728.0;
