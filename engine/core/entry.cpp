#include "core/entry.h"

#include <ctime>

namespace torvex {

ClockTime SystemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ClockTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

int RunEngine(int version, const Clock& clock) {
    (void)clock;
    if (version != kInterfaceVersion) return 1;
    return 0;
}

}  // namespace torvex
