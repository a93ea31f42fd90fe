#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property aborts, which libFuzzer reports as a crash along with the input.
#define REQUIRE(condition)                                                                  \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
