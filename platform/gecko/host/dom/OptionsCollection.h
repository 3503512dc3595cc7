// select.options: the select's options as nsIDOMHTMLOptionsCollection, live, with the length
// settable as the select's own.
#ifndef GECKOHOST_DOM_OPTIONSCOLLECTION_H
#define GECKOHOST_DOM_OPTIONSCOLLECTION_H

#include "dom/CountedObject.h"
#include "dom/HTMLSelectElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLOptionsCollection.h"

namespace geckohost::dom {

class OptionsCollection final : public CountedObject,
                                public nsIDOMHTMLOptionsCollection,
                                public nsIDOMHTMLCollection {
 public:
  explicit OptionsCollection(HTMLSelectElement& select) : mSelect(&select) {}

  // nsISupports
  NS_IMETHOD_(nsrefcnt) AddRef() override { return addRef(); }
  NS_IMETHOD_(nsrefcnt) Release() override { return release(); }
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override;
  // nsIDOMHTMLOptionsCollection (whose members cover nsIDOMHTMLCollection's)
  NS_DECL_NSIDOMHTMLOPTIONSCOLLECTION

 private:
  RefPtr<HTMLSelectElement> mSelect;
};

}  // namespace geckohost::dom

#endif
