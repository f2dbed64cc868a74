#include "py_curves/py_models.h"

#include <string>

#include "core/analysis_stop.h"
#include "io/edit_format.h"
#include "py_curves/sand.h"
#include "py_curves/soft_clay.h"

namespace torvex::py {

namespace {

[[noreturn]] void StopOnMissingModel(int L, int KSOIL) {
    throw AnalysisStop(
        {"", "",
         io::Edit("(5X, 'ERROR -- LAYER', I3, ': P-Y CURVES FOR ', A, ' CANNOT BE GENERATED YET')",
                  {L + 1, SoilModelName(KSOIL)})},
        "p-y curves of soil type " + std::to_string(KSOIL) + " are not available");
}

}  // namespace

void GenerateSublayerCurves(PyContext& ctx, int L, int KSOIL) {
    switch (KSOIL) {
        case 4: SandCurves(ctx, L); return;
        case 2:
        case 3:
        case 5:
        case 6:
        case 7: StopOnMissingModel(L, KSOIL);
        default: SoftClayCurves(ctx, L); return;
    }
}

}  // namespace torvex::py
