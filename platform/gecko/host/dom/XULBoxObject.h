// The layout box of a XUL element (nsIBoxObject), as dialogs and the product measure chrome:
// its rectangle comes from the window's chrome layout through the document's container
// (device pixels), its box tree is the element tree. One box object per element while someone
// holds it, so properties set on it are there on the next request.
#ifndef GECKOHOST_DOM_XULBOXOBJECT_H
#define GECKOHOST_DOM_XULBOXOBJECT_H

#include <map>
#include <string>

#include "XPCOMObject.h"
#include "dom/Element.h"
#include "nsCOMPtr.h"
#include "nsIBoxObject.h"

namespace geckohost::dom {

class XULBoxObject final : public XPCOMObject<nsIBoxObject> {
 public:
  // The element's box object: the one it has, or a new one. No reference is added: the caller
  // takes the first (a new box object starts at 0, as every XPCOM object here).
  static XULBoxObject* forElement(Element& element);

  // Screen rectangle of an element's box; empty when it is not shown or takes no space.
  static nsIntRect screenRectOf(Element& element);

  // nsIBoxObject
  NS_DECL_NSIBOXOBJECT

 private:
  explicit XULBoxObject(Element& element);
  ~XULBoxObject() override;

  nsresult handOutBox(Element* element, nsIDOMElement** aResult);

  RefPtr<Element> mElement;
  std::map<std::u16string, nsCOMPtr<nsISupports>> mSupportsProperties;
  std::map<std::u16string, std::u16string> mStringProperties;
};

}  // namespace geckohost::dom

#endif
