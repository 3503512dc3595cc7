// What a fuzz target expects of every input it runs. A broken expectation is reported like a
// crash (libFuzzer keeps the input as crash-<sha1>), with the expectation's text and location:
//
//   FUZZ_CHECK(out[0] == '\0' || strlen(out) < size);
#ifndef FUZZ_SUPPORT_FUZZCHECK_H
#define FUZZ_SUPPORT_FUZZCHECK_H

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      fprintf(stderr, "%s:%d: expectation failed: %s\n", __FILE__, __LINE__, #condition); \
      abort();                                                                            \
    }                                                                                     \
  } while (0)

#endif
