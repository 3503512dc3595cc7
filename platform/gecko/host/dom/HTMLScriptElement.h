// <script>. Its text is the data of its text children (not of deeper descendants). A script
// runs once: inserted into a shown document while not yet started, it is handed to the
// document's container to run, and from then on counts as started.
#ifndef GECKOHOST_DOM_HTMLSCRIPTELEMENT_H
#define GECKOHOST_DOM_HTMLSCRIPTELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLScriptElement.h"

namespace geckohost::dom {

class HTMLScriptElement final : public HTMLElement, public nsIDOMHTMLScriptElement {
 public:
  explicit HTMLScriptElement(Document& document) : HTMLElement(document, u"script") {}

  std::u16string text() const;
  // Replaces the children by one text node with `text`.
  void setText(std::u16string_view text) { setTextContent(text); }

  // Whether the script has been handed over to run (or was marked so by the shell that ran the
  // page's parsed scripts); a started script does not run again when it is moved.
  bool alreadyStarted() const { return mAlreadyStarted; }
  void markStarted() { mAlreadyStarted = true; }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLScriptElement)
  NS_DECL_NSIDOMHTMLSCRIPTELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
  void insertedIntoDocument() override;

 private:
  bool mAlreadyStarted = false;
};

}  // namespace geckohost::dom

#endif
