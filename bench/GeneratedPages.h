// Pages the agent-query benchmarks generate for themselves, so that their size is exact and
// nothing on disk is needed.
//
//   std::string markup = GeneratedPages::mixed(10000);   // ~10k elements: rows, text, a table
#ifndef BENCH_GENERATEDPAGES_H
#define BENCH_GENERATEDPAGES_H

#include <string>

class GeneratedPages {
 public:
  // About `elements` elements: rows of div, span (with text), a, b and input, then a table of
  // four cells a row holding the rest. The span of row i has id "s<i>"; "mid" names the span
  // of the middle row.
  static std::string mixed(int elements);
  // A page of `elements` mixed elements that shows `innerUrl` in an iframe with id "frame",
  // placed first so that the frame sits at the top of the page.
  static std::string withFrame(int elements, const std::string& innerUrl);
  // The innermost page of the frame chain: one positioned span with id "deep".
  static std::string innermost();
};

#endif
