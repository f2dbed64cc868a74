// The engine's single entry: the interface version in, 0 or 1 out.
#pragma once

#include <functional>
#include <string>

namespace torvex {

// The interface version the desktop program and the runner call with.
constexpr int kInterfaceVersion = 5;

// Wall-clock time of a run, broken down as the report header prints it.
struct ClockTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
using Clock = std::function<ClockTime()>;

ClockTime SystemClock();

// Runs the analysis named by NAMES.dat in the current folder.  Returns 1 for
// a wrong interface version (nothing touched), else 0.
int RunEngine(int version, const Clock& clock = SystemClock);

}  // namespace torvex
