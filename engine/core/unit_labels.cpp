#include "core/unit_labels.h"

namespace torvex {

void SetUnitLabels(UnitLabels& labels, int code) {
    labels.code = code;
    if (code == 1) {
        labels.LEN3 = " IN";
        labels.FORCE4 = " LBS";
        labels.LEN2 = "IN";
        labels.FORCE3 = "LBS";
    } else if (code == -1) {
        labels.LEN3 = "  M";
        labels.FORCE4 = "  KN";
        labels.LEN2 = " M";
        labels.FORCE3 = " KN";
    } else {
        labels.code = 0;
        labels.LEN3 = "  L";
        labels.FORCE4 = "   F";
        labels.LEN2 = " L";
        labels.FORCE3 = "  F";
    }
}

}  // namespace torvex
