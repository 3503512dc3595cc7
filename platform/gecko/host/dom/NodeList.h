// An ordered list of nodes as the DOM hands them out (nsIDOMNodeList). The lists are live:
// they answer from the tree as it is when asked, not as it was when they were made.
#ifndef GECKOHOST_DOM_NODELIST_H
#define GECKOHOST_DOM_NODELIST_H

#include <cstdint>

#include "dom/CountedObject.h"
#include "nsIDOMNodeList.h"

namespace geckohost::dom {

class Node;

class NodeList : public CountedObject, public nsIDOMNodeList {
 public:
  virtual uint32_t length() = 0;
  // The node at `index`, or null past the end.
  virtual Node* item(uint32_t index) = 0;

  // nsISupports
  NS_IMETHOD_(nsrefcnt) AddRef() override { return addRef(); }
  NS_IMETHOD_(nsrefcnt) Release() override { return release(); }
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override;
  NS_DECL_NSIDOMNODELIST

 protected:
  // Interfaces beyond nsISupports and nsIDOMNodeList; null for none.
  virtual void* interfaceFor(const nsIID& iid) { return nullptr; }
};

}  // namespace geckohost::dom

#endif
