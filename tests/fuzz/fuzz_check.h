#pragma once

// A failed property ends the run the way a sanitizer finding does, so
// libFuzzer saves the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
