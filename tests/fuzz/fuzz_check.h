#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A property that failed is a finding: print it and abort so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                \
  do {                                                                                  \
    if (!(cond)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                     \
    }                                                                                   \
  } while (0)

// A stored text must keep its terminating NUL inside its capacity.
template <size_t N>
bool TextFits(const char (&text)[N]) {
  return std::memchr(text, '\0', N) != nullptr;
}
