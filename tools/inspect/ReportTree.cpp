#include "ReportTree.h"

#include <iterator>
#include <vector>

#include "AgentView.h"

namespace {

// Asked by name, as tree asks them: an object may answer a property that its listing omits.
const char* const kSummaryNames[] = {".class", ".tag", ".id", ".name", ".text", ".bounds"};

struct Pending {
  CHtmlObjectPtr<IHtmlElement> object;
  std::string path;
  long long depth;
  long long parent;  // index of the parent's entry, -1 for the top
};

// The object's children that are there (nulls of the enumeration are skipped, as PATH
// indexes skip them), in order.
std::vector<CHtmlObjectPtr<IHtmlElement>> childrenOf(IHtmlElement* object) {
  std::vector<CHtmlObjectPtr<IHtmlElement>> children;
  CHtmlObjectPtr<IHtmlEnumerator> items = object->getChildren();
  while (items && items->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> child = static_cast<IHtmlElement*>(items->nextElement());
    if (child)
      children.push_back(child);
  }
  return children;
}

}  // namespace

JsonValue ReportTree::list(IHtmlElement* top, const std::string& topPath) {
  JsonValue entries = JsonValue::array();
  std::vector<Pending> pending;
  top->addRef();
  pending.push_back({CHtmlObjectPtr<IHtmlElement>(top), topPath, 0, -1});
  while (!pending.empty()) {
    Pending next = pending.back();
    pending.pop_back();
    long long index = static_cast<long long>(entries.items().size());
    JsonValue entry = JsonValue::object();
    entry.set("path", JsonValue::string(next.path));
    entry.set("depth", JsonValue::integer(next.depth));
    entry.set("parent", JsonValue::integer(next.parent));
    entry.set("summary", AgentView::summary(next.object, kSummaryNames, std::size(kSummaryNames)));
    entry.set("standard", AgentView::properties(next.object, AgentView::PropertySet::Standard));
    entry.set("native", AgentView::properties(next.object, AgentView::PropertySet::Native));
    entries.push(entry);
    // Pushed last to first, so the first child is taken next: the list stays in walk order.
    std::vector<CHtmlObjectPtr<IHtmlElement>> children = childrenOf(next.object);
    for (size_t i = children.size(); i-- > 0;) {
      pending.push_back({children[i], next.path + "/" + std::to_string(i), next.depth + 1, index});
    }
  }
  return entries;
}
