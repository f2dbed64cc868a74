// The soil model of each soil code and the call that runs it on a sublayer.
#pragma once

#include "py_curves/curve_frame.h"

namespace torvex::py {

// Runs the generator of KSOIL on sublayer L (0-based): 1 soft clay, 2 stiff
// clay with free water, 3 stiff clay without free water, 4 sand, 5 silt,
// 6 strong rock, 7 weak rock; any other code is taken as soft clay.
void GenerateSublayerCurves(PyContext& ctx, int L, int KSOIL);

}  // namespace torvex::py
