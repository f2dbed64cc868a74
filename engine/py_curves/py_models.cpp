#include "py_curves/py_models.h"

#include "py_curves/sand.h"
#include "py_curves/silt.h"
#include "py_curves/soft_clay.h"
#include "py_curves/stiff_clay_free_water.h"
#include "py_curves/stiff_clay_no_free_water.h"
#include "py_curves/strong_rock.h"
#include "py_curves/weak_rock.h"

namespace torvex::py {

void GenerateSublayerCurves(PyContext& ctx, int L, int KSOIL) {
    switch (KSOIL) {
        case 2: StiffClayFreeWaterCurves(ctx, L); return;
        case 3: StiffClayNoFreeWaterCurves(ctx, L); return;
        case 4: SandCurves(ctx, L); return;
        case 5: SiltCurves(ctx, L); return;
        case 6: StrongRockCurves(ctx, L); return;
        case 7: WeakRockCurves(ctx, L); return;
        default: SoftClayCurves(ctx, L); return;
    }
}

}  // namespace torvex::py
