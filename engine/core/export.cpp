// The exported entry of libTorvex2015_DLL.  Nothing else is exported.
#include "core/entry.h"

extern "C" __attribute__((visibility("default"))) int _ITORVEX(int version) {
    return torvex::RunEngine(version);
}

extern "C" __attribute__((visibility("default"))) int ITORVEX(int version)
    __attribute__((alias("_ITORVEX")));
