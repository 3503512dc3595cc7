// What the agent's questions cost, asked as the agent asks them: through the interfaces of
// the product loaded with dlopen, on pages the benchmarks generate (a 1k- and a 10k-element
// page of rows, text and a table; a chain of three nested iframes). Each benchmark reports
// "per_call" (or "per_object" for walks): the time of one question. The host's own walk of
// the same values (BM_HostRawWalk) is the yardstick for the agent's walk (BM_AgentTreeWalk);
// scripts/bench.sh prints both and their ratio.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "AgentBenchmarkMain.h"
#include "AgentSession.h"
#include "GeneratedPages.h"
#include "nsIDOM3Node.h"
#include "nsIDOMElement.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsStringAPI.h"

namespace {

constexpr int kFramedPageElements[] = {1000, 10000};

AgentSession::Page& mixedPage(int elements) {
  return AgentSession::instance().show("mixed-" + std::to_string(elements),
                                       GeneratedPages::mixed(elements));
}

// The chain top -> f1 -> f2 -> innermost, each enclosing page of `elements` elements.
AgentSession::Page& framedPage(int elements) {
  AgentSession& session = AgentSession::instance();
  std::string suffix = "-" + std::to_string(elements);
  session.serve("deep", GeneratedPages::innermost());
  session.serve("f2" + suffix, GeneratedPages::withFrame(elements, "deep.html"));
  session.serve("f1" + suffix, GeneratedPages::withFrame(elements, "f2" + suffix + ".html"));
  return session.show("top" + suffix, GeneratedPages::withFrame(elements, "f1" + suffix + ".html"));
}

void perCall(benchmark::State& state, int64_t callsPerIteration = 1) {
  state.counters["per_call"] =
      benchmark::Counter(double(state.iterations() * callsPerIteration),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

IHtmlElement* required(IHtmlElement* element, const char* what) {
  if (!element)
    throw std::runtime_error(std::string("missing: ") + what);
  return element;
}

void BM_ElementBounds(benchmark::State& state) {
  AgentSession::Page& page = mixedPage(int(state.range(0)));
  AgentSession::instance().host().setAccessibilityEnabled(state.range(1) != 0);
  CHtmlObjectPtr<IHtmlElement> span = required(AgentSession::byId(page.document, "mid"), "mid");
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlPropertyValue> bounds = span->getProperty(".bounds");
    benchmark::DoNotOptimize(bounds->rectangle());
  }
  AgentSession::instance().host().setAccessibilityEnabled(false);
  perCall(state);
}
BENCHMARK(BM_ElementBounds)->ArgsProduct({{1000, 10000}, {0, 1}})->ArgNames({"elements", "a11y"});

void BM_LeafText(benchmark::State& state) {
  AgentSession::Page& page = mixedPage(int(state.range(0)));
  CHtmlObjectPtr<IHtmlElement> span = required(AgentSession::byId(page.document, "mid"), "mid");
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlPropertyValue> text = span->getProperty(".text");
    benchmark::DoNotOptimize(text->string());
  }
  perCall(state);
}
BENCHMARK(BM_LeafText)->Arg(1000)->Arg(10000)->ArgName("elements");

// Hit-tests from the browser object at the centres of the first rows' spans, as the agent's
// mouse would: every answer must be an element.
void BM_BrowserHitTest(benchmark::State& state) {
  AgentSession::Page& page = mixedPage(int(state.range(0)));
  std::vector<HtmlRectangle> targets;
  for (const char* id : {"s0", "s3", "s7", "s11"}) {
    CHtmlObjectPtr<IHtmlElement> span = required(AgentSession::byId(page.document, id), id);
    CHtmlObjectPtr<IHtmlPropertyValue> bounds = span->getProperty(".bounds");
    targets.push_back(bounds->rectangle());
  }
  size_t next = 0;
  for (auto _ : state) {
    const HtmlRectangle& r = targets[next++ % targets.size()];
    CHtmlObjectPtr<IHtmlElement> hit =
        page.browser->getChildAtPoint(r.x + r.width / 2, r.y + r.height / 2);
    if (!hit) {
      state.SkipWithError("the hit-test found nothing");
      break;
    }
  }
  perCall(state);
}
BENCHMARK(BM_BrowserHitTest)->Arg(1000)->Arg(10000)->ArgName("elements");

// The bounds of an element three iframes deep, from an object held by the agent.
void BM_DeepFrameBounds(benchmark::State& state) {
  AgentSession::Page& page = framedPage(int(state.range(0)));
  CHtmlObjectPtr<IHtmlDocument> document = page.document;
  for (int depth = 0; depth < 3; ++depth) {
    CHtmlObjectPtr<IHtmlElement> frame = required(AgentSession::byId(document, "frame"), "frame");
    document = AgentSession::innerDocument(frame);
    required(document, "frame document");
  }
  CHtmlObjectPtr<IHtmlElement> deep = required(AgentSession::byId(document, "deep"), "deep");
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlPropertyValue> bounds = deep->getProperty(".bounds");
    benchmark::DoNotOptimize(bounds->rectangle());
  }
  perCall(state);
}
BENCHMARK(BM_DeepFrameBounds)
    ->Arg(kFramedPageElements[0])
    ->Arg(kFramedPageElements[1])
    ->ArgName("elements");

int64_t walkAgentTree(IHtmlElement* object) {
  int64_t objects = 1;
  CHtmlObjectPtr<IHtmlPropertyValue> type = object->getProperty(".class");
  CHtmlObjectPtr<IHtmlPropertyValue> bounds = object->getProperty(".bounds");
  CHtmlObjectPtr<IHtmlPropertyValue> text = object->getProperty(".text");
  benchmark::DoNotOptimize(bounds ? bounds->rectangle().x : 0);
  CHtmlObjectPtr<IHtmlEnumerator> children = object->getChildren();
  while (children && children->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> child = static_cast<IHtmlElement*>(children->nextElement());
    if (child)
      objects += walkAgentTree(child);
  }
  return objects;
}

// Runs a whole-page walk per iteration and reports the time per object it visited.
template <class Walk>
void measureWalk(benchmark::State& state, Walk walk) {
  int64_t objects = 0;
  for (auto _ : state)
    objects = walk();
  state.counters["objects"] = double(objects);
  state.counters["per_object"] =
      benchmark::Counter(double(state.iterations() * objects),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Every object below the page's document, each asked its class, bounds and text.
void BM_AgentTreeWalk(benchmark::State& state) {
  AgentSession::Page& page = mixedPage(int(state.range(0)));
  measureWalk(state, [&page] { return walkAgentTree(page.document); });
}
BENCHMARK(BM_AgentTreeWalk)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("elements")
    ->Unit(benchmark::kMillisecond);

// An element's place in its document as a page script finds it: its offsets summed up the
// offset-parent chain (offsetLeft alone is relative to the offset parent, not the same value
// as the agent's bounds).
void hostPagePosition(nsIDOMNSHTMLElement* element, PRInt32& x, PRInt32& y) {
  nsCOMPtr<nsIDOMNSHTMLElement> current = element;
  while (current) {
    PRInt32 left = 0, top = 0;
    current->GetOffsetLeft(&left);
    current->GetOffsetTop(&top);
    x += left;
    y += top;
    nsCOMPtr<nsIDOMElement> parent;
    current->GetOffsetParent(getter_AddRefs(parent));
    current = do_QueryInterface(parent);
  }
}

int64_t walkHostTree(nsIDOMNode* node) {
  int64_t objects = 1;
  nsString name;
  node->GetNodeName(name);
  if (nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(node)) {
    PRInt32 x = 0, y = 0, width = 0, height = 0;
    hostPagePosition(element, x, y);
    element->GetOffsetWidth(&width);
    element->GetOffsetHeight(&height);
    benchmark::DoNotOptimize(x + y + width + height);
  }
  if (nsCOMPtr<nsIDOM3Node> textual = do_QueryInterface(node)) {
    nsString text;
    textual->GetTextContent(text);
    benchmark::DoNotOptimize(text.Length());
  }
  nsCOMPtr<nsIDOMNode> child;
  node->GetFirstChild(getter_AddRefs(child));
  while (child) {
    objects += walkHostTree(child);
    nsCOMPtr<nsIDOMNode> next;
    child->GetNextSibling(getter_AddRefs(next));
    child = next;
  }
  return objects;
}

// The host's own walk of the same values through its Gecko interfaces: node name, place in
// the page and size, and text content of every node.
void BM_HostRawWalk(benchmark::State& state) {
  AgentSession::Page& page = mixedPage(int(state.range(0)));
  measureWalk(state, [&page] { return walkHostTree(page.hostDocument); });
}
BENCHMARK(BM_HostRawWalk)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("elements")
    ->Unit(benchmark::kMillisecond);

// getElementById through the agent's document object, for an element near the page's end.
void BM_AgentGetElementById(benchmark::State& state) {
  int elements = int(state.range(0));
  AgentSession::Page& page = mixedPage(elements);
  std::string last = "s" + std::to_string(elements * 3 / 5 / 5 - 1);
  required(AgentSession::byId(page.document, last.c_str()), "last row")->release();
  std::vector<unsigned short> id(last.begin(), last.end());
  id.push_back(0);
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlElement> found = page.document->getElementById(id.data());
    benchmark::DoNotOptimize(found);
  }
  perCall(state);
}
BENCHMARK(BM_AgentGetElementById)->Arg(1000)->Arg(10000)->ArgName("elements");

// The host's own getElementById, the same element.
void BM_HostGetElementById(benchmark::State& state) {
  int elements = int(state.range(0));
  AgentSession::Page& page = mixedPage(elements);
  NS_ConvertASCIItoUTF16 id(("s" + std::to_string(elements * 3 / 5 / 5 - 1)).c_str());
  for (auto _ : state) {
    nsCOMPtr<nsIDOMElement> found;
    page.hostDocument->GetElementById(id, getter_AddRefs(found));
    if (!found) {
      state.SkipWithError("no such element");
      break;
    }
  }
  perCall(state);
}
BENCHMARK(BM_HostGetElementById)->Arg(1000)->Arg(10000)->ArgName("elements");

}  // namespace

int main(int argc, char** argv) {
  return RunAgentBenchmarks("agent_query_bench", argc, argv);
}
