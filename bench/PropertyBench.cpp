// The costs the agent pays on every question: turning a canonical name into an id, building a
// value, and enumerating an element's standard properties (every enumerated row is asked).
#include <benchmark/benchmark.h>

#include <vector>

#include "HostPage.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlPropertyValue.h"

namespace {

std::vector<const char*> CanonicalNames() {
  static std::vector<std::string> names;
  if (names.empty()) {
    for (unsigned row = 0; const char* name = CHtmlStandardPropertySet::getCanonicalName(row);
         ++row) {
      names.push_back(name);
    }
  }
  std::vector<const char*> pointers;
  for (const std::string& name : names)
    pointers.push_back(name.c_str());
  return pointers;
}

void BM_GetPropertyIdEveryName(benchmark::State& state) {
  std::vector<const char*> names = CanonicalNames();
  for (auto _ : state) {
    unsigned sum = 0;
    for (const char* name : names)
      sum += CHtmlStandardPropertySet::getPropertyId(name);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_GetPropertyIdEveryName);

void BM_StringValue(benchmark::State& state) {
  for (auto _ : state) {
    IHtmlPropertyValue* value = new CNSHtmlPropertyValue("Html.HtmlDocument");
    benchmark::DoNotOptimize(value->string());
    value->release();
  }
}
BENCHMARK(BM_StringValue);

void BM_EnumerateElementProperties(benchmark::State& state) {
  HostPage page(
      "<body><form><input id=q type=text name=q value=abc title=t class=c></form></body>");
  nsCOMPtr<nsIDOMHTMLElement> input = page.element("q");
  CHtmlObjectPtr<CNSHtmlElement> element = CNSHtmlDocument::create(input);
  for (auto _ : state) {
    CHtmlObjectPtr<IHtmlEnumerator> properties = element->getProperties();
    int count = 0;
    while (properties->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlObject> property = properties->nextElement();
      ++count;
    }
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_EnumerateElementProperties);

}  // namespace

BENCHMARK_MAIN();
