// What deep pages cost, as the agent meets them: loading and laying out a page of nested spans
// (BM_DeepPageLoad, per load, through the host), and the product's text walk down such a page
// (BM_DeepPageText, per call). Both should grow in proportion to the depth: the "Complexity" line
// each prints names the fit (O(N) expected).
//
//   build/bench/deep_page_bench --benchmark_filter=Text
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "AgentBenchmarkMain.h"
#include "AgentSession.h"
#include "nsIDOMElement.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsStringAPI.h"

namespace {

// `depth` spans, each inside the last, the outermost with id "top" and its own text first, a
// "leaf" text at the bottom.
std::string nestedSpans(int depth) {
  std::string markup = "<body><span id=top>top";
  for (int i = 1; i < depth; ++i)
    markup += "<span>";
  markup += "leaf";
  for (int i = 0; i < depth; ++i)
    markup += "</span>";
  return markup + "</body>";
}

// Depths of 10k, 20k and 50k, fitted for their complexity in the depth.
void atDepths(benchmark::internal::Benchmark* family) {
  family->Arg(10000)->Arg(20000)->Arg(50000)->ArgName("depth");
  family->Unit(benchmark::kMillisecond)->Complexity();
}

void BM_DeepPageLoad(benchmark::State& state) {
  const int depth = int(state.range(0));
  AgentSession& session = AgentSession::instance();
  const std::string name = "load-" + std::to_string(depth);
  AgentSession::Page& page = session.show(name, nestedSpans(depth));
  for (auto _ : state) {
    page.window->loadUrl("http://bench/" + name + ".html");
    // Layout runs on the first question that needs it: the width of #top asks for it.
    nsCOMPtr<nsIDOMDocument> document = page.window->document(0);
    nsCOMPtr<nsIDOMElement> top;
    if (document)
      document->GetElementById(NS_LITERAL_STRING("top"), getter_AddRefs(top));
    nsCOMPtr<nsIDOMNSHTMLElement> measured = do_QueryInterface(top);
    PRInt32 width = 0;
    if (!measured || NS_FAILED(measured->GetOffsetWidth(&width)) || width <= 0) {
      state.SkipWithError("the page shows no #top");
      break;
    }
  }
  state.SetComplexityN(depth);
}
BENCHMARK(BM_DeepPageLoad)->Apply(atDepths);

void BM_DeepPageText(benchmark::State& state) {
  const int depth = int(state.range(0));
  AgentSession::Page& page =
      AgentSession::instance().show("text-" + std::to_string(depth), nestedSpans(depth));
  CHtmlObjectPtr<IHtmlElement> top = AgentSession::byId(page.document, "top");
  if (!top) {
    state.SkipWithError("the page has no #top");
    return;
  }
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlPropertyValue> text = top->getProperty(".text");
    benchmark::DoNotOptimize(text->string());
  }
  state.SetComplexityN(depth);
}
BENCHMARK(BM_DeepPageText)->Apply(atDepths);

}  // namespace

int main(int argc, char** argv) {
  return RunAgentBenchmarks("deep_page_bench", argc, argv);
}
