// <textarea>: the default value is the text between the tags (its text children); the value
// follows it until the user or a script sets the value, and reset() makes it follow again.
#ifndef GECKOHOST_DOM_HTMLTEXTAREAELEMENT_H
#define GECKOHOST_DOM_HTMLTEXTAREAELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTextAreaElement.h"

namespace geckohost::dom {

class HTMLTextAreaElement final : public HTMLElement, public nsIDOMHTMLTextAreaElement {
 public:
  explicit HTMLTextAreaElement(Document& document) : HTMLElement(document, u"textarea") {}

  std::u16string value() const { return mValueDirty ? mValue : defaultValue(); }
  void setValue(std::u16string_view value);
  std::u16string defaultValue() const { return *textContent(); }
  void setDefaultValue(std::u16string_view value) { setTextContent(value); }

  // HTMLElement
  bool isListedFormControl() const override { return true; }
  void resetState() override;

 protected:
  // Element
  void copyStateTo(Element& copy) const override;

 private:
  std::u16string mValue;
  bool mValueDirty = false;

 public:
  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTextAreaElement)
  NS_DECL_NSIDOMHTMLTEXTAREAELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
