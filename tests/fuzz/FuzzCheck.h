#pragma once
// A broken expectation inside a fuzz target: reported and aborted, so that libFuzzer keeps the
// input as a crash and the corpus replay fails.
#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
