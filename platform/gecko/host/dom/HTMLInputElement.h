// <input>: the type decides where the value lives.
//
// - text, password, file: the value the user typed (or script set) once the value is dirty,
//   before that the value attribute (defaultValue); reset() makes it clean again.
// - checkbox, radio: the value attribute, "on" without one; the checked state starts from
//   the checked attribute (defaultChecked) and follows it until it is set directly. Checking a
//   radio unchecks the others of its group (same name, same form or no form, same tree).
// - hidden, submit, reset, button, image: the value is the attribute, and setting it sets it.
#ifndef GECKOHOST_DOM_HTMLINPUTELEMENT_H
#define GECKOHOST_DOM_HTMLINPUTELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLInputElement.h"

namespace geckohost::dom {

enum class InputType {
  Text,
  Password,
  Checkbox,
  Radio,
  Submit,
  Reset,
  File,
  Hidden,
  Image,
  Button
};

class HTMLInputElement final : public HTMLElement, public nsIDOMHTMLInputElement {
 public:
  explicit HTMLInputElement(Document& document) : HTMLElement(document, u"input") {}

  // The type attribute among those Gecko 1.9.2 knows, ignoring case; "text" otherwise.
  InputType inputType() const;
  // The type's name in lower case: type="CheckBox" -> "checkbox", type="email" -> "text".
  std::u16string type() const;

  std::u16string value() const;
  void setValue(std::u16string_view value);
  std::u16string defaultValue() const { return stringAttribute(u"value"); }

  bool checked() const { return mChecked; }
  void setChecked(bool checked);
  bool defaultChecked() const { return boolAttribute(u"checked"); }

  // What a click does to the state: a checkbox toggles, a radio becomes checked.
  void click();

  // HTMLElement
  bool isListedFormControl() const override { return inputType() != InputType::Image; }
  void resetState() override;

 protected:
  // HTMLElement
  bool isFocusableByDefault() const override { return inputType() != InputType::Hidden; }
  // Element
  void attributeChanged(std::u16string_view localName) override;
  void copyStateTo(Element& copy) const override;
  // Node
  void insertedIntoDocument() override;

 private:
  bool keepsTypedValue() const;
  void setCheckedState(bool checked);
  void uncheckOthersInGroup();

  std::u16string mValue;
  bool mValueDirty = false;
  bool mChecked = false;
  bool mCheckedDirty = false;

 public:
  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLInputElement)
  NS_DECL_NSIDOMHTMLINPUTELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
