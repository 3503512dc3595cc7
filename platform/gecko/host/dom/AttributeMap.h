// element.attributes: the element's attribute nodes by name and by position, live.
#ifndef GECKOHOST_DOM_ATTRIBUTEMAP_H
#define GECKOHOST_DOM_ATTRIBUTEMAP_H

#include "dom/CountedObject.h"
#include "dom/Element.h"
#include "nsIDOMNamedNodeMap.h"

namespace geckohost::dom {

class AttributeMap final : public CountedObject, public nsIDOMNamedNodeMap {
 public:
  explicit AttributeMap(Element& element) : mElement(&element) {}

  // nsISupports
  NS_IMETHOD_(nsrefcnt) AddRef() override { return addRef(); }
  NS_IMETHOD_(nsrefcnt) Release() override { return release(); }
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override;
  NS_DECL_NSIDOMNAMEDNODEMAP

 private:
  nsresult takeAttribute(nsIDOMNode* arg, nsIDOMNode** _retval);
  nsresult dropAttribute(Attr* attr, nsIDOMNode** _retval);

  RefPtr<Element> mElement;
};

}  // namespace geckohost::dom

#endif
