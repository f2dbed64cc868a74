// Unit-label fragments from which every report caption with units is built.
#pragma once

#include <string>

namespace torvex {

struct UnitLabels {
    // Code +1 English, -1 SI, 0 generic (force F, length L).
    int code = 0;
    std::string LEN3 = "  L";
    std::string FORCE4 = "   F";
    std::string LEN2 = " L";
    std::string FORCE3 = "  F";
    // Fixed fragments.
    static constexpr const char* SLASH = "/";
    static constexpr const char* DASH = "-";
    static constexpr const char* POW = "**";
    static constexpr const char* TWO = "2";
    static constexpr const char* THREE = "3  ";
    static constexpr const char* FOUR = "4";
    static constexpr const char* RAD = "RAD";

    // Force per length squared, e.g. "LBS/IN**2".
    std::string stress() const { return FORCE3 + SLASH + LEN2 + POW + TWO; }
    // Force per length cubed, e.g. "LBS/IN**3  ".
    std::string unitWeight() const { return FORCE3 + SLASH + LEN2 + POW + THREE; }
    // Force per length, e.g. "LBS/IN".
    std::string forcePerLength() const { return FORCE3 + SLASH + LEN2; }
};

// Sets every fragment from the code: +1 English, -1 SI, anything else generic.
void SetUnitLabels(UnitLabels& labels, int code);

}  // namespace torvex
