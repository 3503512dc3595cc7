// A document's elements by id, kept current as the tree changes, so that getElementById does
// not walk the document. Only elements reachable from the document through child lists are
// filed (anonymous content is not: the document's own walk never saw it either).
//
// The document tells it about every element entering or leaving its tree and every change of
// an id attribute of an element in the tree; when several elements share an id the first in
// tree order is the answer, worked out at lookup.
//
//   map.add(element);               // element (id "a") entered the tree
//   map.first(u"a");                // &element
//   map.update(element);            // its id changed (the map remembers the old one)
#ifndef GECKOHOST_DOM_IDMAP_H
#define GECKOHOST_DOM_IDMAP_H

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace geckohost::dom {

class Element;

class IdMap {
 public:
  // Files `element` under its id attribute, if it has a non-empty one.
  void add(Element& element);
  // Forgets `element` under whatever id it was filed.
  void remove(const Element& element);
  // Refiles `element` after its id attribute changed.
  void update(Element& element);
  // The first element in tree order with `id`; null when none.
  Element* first(std::u16string_view id) const;

 private:
  std::unordered_map<std::u16string, std::vector<Element*>> mById;  // weak: in the tree
  std::unordered_map<const Element*, std::u16string> mIdOf;
};

}  // namespace geckohost::dom

#endif
