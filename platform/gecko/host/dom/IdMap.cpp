#include "dom/IdMap.h"

#include <algorithm>

#include "dom/Element.h"

namespace geckohost::dom {

namespace {

// The chain from the root down to `node`, the root first.
std::vector<const Node*> pathFromRoot(const Node& node) {
  std::vector<const Node*> path;
  for (const Node* step = &node; step; step = step->parentNode())
    path.push_back(step);
  std::reverse(path.begin(), path.end());
  return path;
}

bool precedesInTreeOrder(const Node& a, const Node& b) {
  std::vector<const Node*> pathA = pathFromRoot(a);
  std::vector<const Node*> pathB = pathFromRoot(b);
  size_t depth = 0;
  while (depth < pathA.size() && depth < pathB.size() && pathA[depth] == pathB[depth])
    ++depth;
  if (depth == pathA.size())
    return true;  // a is an ancestor of b (or b itself)
  if (depth == pathB.size())
    return false;
  return pathA[depth]->indexInParent() < pathB[depth]->indexInParent();
}

}  // namespace

void IdMap::add(Element& element) {
  const std::u16string* id = element.attributeValue(u"id");
  if (!id || id->empty() || mIdOf.count(&element))
    return;
  mById[*id].push_back(&element);
  mIdOf.emplace(&element, *id);
}

void IdMap::remove(const Element& element) {
  auto filed = mIdOf.find(&element);
  if (filed == mIdOf.end())
    return;
  auto entry = mById.find(filed->second);
  std::vector<Element*>& elements = entry->second;
  elements.erase(std::find(elements.begin(), elements.end(), &element));
  if (elements.empty())
    mById.erase(entry);
  mIdOf.erase(filed);
}

void IdMap::update(Element& element) {
  remove(element);
  add(element);
}

Element* IdMap::first(std::u16string_view id) const {
  auto entry = mById.find(std::u16string(id));
  if (entry == mById.end())
    return nullptr;
  const std::vector<Element*>& elements = entry->second;
  Element* first = elements.front();
  for (Element* other : elements) {
    if (precedesInTreeOrder(*other, *first))
      first = other;
  }
  return first;
}

}  // namespace geckohost::dom
