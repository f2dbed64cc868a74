// Per-station arrays of the wall.  Stations run from -3 to NINC+3 so that
// the fictitious points of the five-point difference equations exist; the
// storage has 414 slots, so NINC is at most 407.  The difference formulas
// are written with the array index J = station + 4 (J = 1 … NINC+7); `atJ`
// gives that view, `operator[]` the station view.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>

namespace torvex {

constexpr int kStationSlots = 414;
constexpr int kMaxIncrements = 407;
constexpr int kStationOffset = 4;

template <typename T>
class StationArray {
public:
    StationArray() { fill(T{}); }

    T& operator[](int station) { return atJ(station + kStationOffset); }
    const T& operator[](int station) const { return atJ(station + kStationOffset); }

    // Array index J = station + 4, 1-based as in the difference equations.
    T& atJ(int J) {
        assert(J >= 1 && J <= kStationSlots);
        return slots_[static_cast<std::size_t>(J - 1)];
    }
    const T& atJ(int J) const {
        assert(J >= 1 && J <= kStationSlots);
        return slots_[static_cast<std::size_t>(J - 1)];
    }

    void fill(const T& value) { slots_.fill(value); }

private:
    std::array<T, kStationSlots> slots_;
};

}  // namespace torvex
