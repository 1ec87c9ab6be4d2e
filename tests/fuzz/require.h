// What a fuzz target asserts: a property that does not hold ends the run as
// a crash, which libFuzzer reports with the input that caused it.
#pragma once

#include <cstdlib>

inline void require(bool condizione) {
    if (!condizione) std::abort();
}
