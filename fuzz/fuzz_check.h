#pragma once
// Fuzz targets stop at the first broken promise, with the reason on stderr.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                        \
    }                                                                      \
  } while (0)
