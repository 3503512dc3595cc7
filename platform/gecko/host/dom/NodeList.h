// An ordered list of nodes as the DOM hands them out. The lists are live: they answer from the
// tree as it is when asked, not as it was when they were made.
#ifndef GECKOHOST_DOM_NODELIST_H
#define GECKOHOST_DOM_NODELIST_H

#include <cstdint>

#include "dom/CountedObject.h"

namespace geckohost::dom {

class Node;

class NodeList : public CountedObject {
 public:
  virtual uint32_t length() = 0;
  // The node at `index`, or null past the end.
  virtual Node* item(uint32_t index) = 0;
};

}  // namespace geckohost::dom

#endif
