// Reading, checking and echoing one problem's input after its title line.
#pragma once

#include <string>

#include "core/run_context.h"

namespace torvex {

// CONTROL: the ten integer codes and counts.
void ReadControl(RunContext& run);

// Unit labels, the echo and every record from WALL up to the last M-EI
// record; builds the station arrays, the earth-pressure load and the curve
// store, and writes the earth-pressure and p-y blocks of the plot file.
void ReadProblemInput(RunContext& run);

// Nearest integer, halves away from zero: a depth made a station or a row
// count.  `what` names the depth in the message when it cannot be a station.
int NEAREST(double value, const std::string& what = "A DEPTH");

// A real as messages show it: the shortest text that reads back the same.
std::string ShownReal(double value);

// The stops of the input phase, with their report texts.
[[noreturn]] void StopTooMuchData(const std::string& detail = {});
[[noreturn]] void StopStationsNotInOrder(const std::string& detail = {});
[[noreturn]] void StopInput(const std::string& text);

// Steps of the input phase, in file order (exposed for tests).
void ReadWall(RunContext& run);
void ReadRestraints(RunContext& run);
// Returns false when NSTIFF is 0: the records up to LAYERPROP are then absent.
bool ReadStiffnessAndLoads(RunContext& run);
void ReadPyModifiers(RunContext& run);
void ReadEarthPressure(RunContext& run);
void CheckEndOfWall(const RunContext& run);
void ReadPyCurves(RunContext& run);
void ReadMeiCurves(RunContext& run);

}  // namespace torvex
