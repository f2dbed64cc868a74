// A stand-in engine library for tests of callers: exports _ITORVEX and
// returns a fixed value without touching any file.
extern "C" __attribute__((visibility("default"))) int _ITORVEX(int) { return TORVEX_FAKE_RESULT; }
