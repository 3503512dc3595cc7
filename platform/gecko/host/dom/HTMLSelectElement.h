// <select>: its options (option children, and those of its optgroup children), and the
// selection rules of a single-selection list:
//
// - at most one option is selected; selecting one deselects the others;
// - when options come or go, or one is deselected, a drop-down (size 0 or 1, not multiple)
//   that has no selected option selects its first option that is not disabled, and of
//   several selected options only the last stays selected.
//
//   <select><option>a<option>b</select>             selectedIndex 0 (drop-down picks a)
//   <select size=3><option>a<option>b</select>      selectedIndex -1 (a list box may be empty)
#ifndef GECKOHOST_DOM_HTMLSELECTELEMENT_H
#define GECKOHOST_DOM_HTMLSELECTELEMENT_H

#include <vector>

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLSelectElement.h"

namespace geckohost::dom {

class HTMLOptionElement;

class HTMLSelectElement final : public HTMLElement, public nsIDOMHTMLSelectElement {
 public:
  explicit HTMLSelectElement(Document& document) : HTMLElement(document, u"select") {}

  // Live list of the options, as select.options lists them.
  RefPtr<ElementList> options();
  uint32_t length() { return uint32_t(currentOptions().size()); }
  // Adds empty options at the end or removes options from the end.
  void setLength(uint32_t length);
  HTMLOptionElement* optionAt(uint32_t index);

  bool multiple() const { return boolAttribute(u"multiple"); }
  // The size attribute, 0 when absent.
  int32_t size() const { return intAttribute(u"size", 0); }
  // "select-one" or "select-multiple".
  std::u16string type() const { return multiple() ? u"select-multiple" : u"select-one"; }

  // Index of the first selected option, -1 when none is.
  int32_t selectedIndex();
  // Selects option `index` alone; an index outside the options deselects everything.
  void setSelectedIndex(int32_t index);
  // The value of the first selected option, "" when none is.
  std::u16string value();

  // Inserts `element` (an option or optgroup) before `before`, or at the end. NotFound when
  // `before` is not a child of this select.
  DOMError add(HTMLElement& element, HTMLElement* before);
  // Removes option `index`; nothing happens for an index outside the options.
  void remove(int32_t index);

  // Called by an option whose selectedness changed (selected: true when it became selected).
  void optionSelectednessChanged(HTMLOptionElement& option, bool selected);
  // Applies the rules above if options came or went since they were last applied.
  void ensureSelectionIsValid();

  // HTMLElement
  bool isListedFormControl() const override { return true; }
  void resetState() override;

 protected:
  // Element
  void attributeChanged(std::u16string_view localName) override;

 private:
  std::vector<HTMLOptionElement*> currentOptions() const;
  bool isDropDown() const { return !multiple() && size() <= 1; }
  void applySelectionRules();
  // Tells the document's container, which scrolls the shown list to the option's row.
  void showSelected(HTMLOptionElement& option);

  std::vector<HTMLOptionElement*> mKnownOptions;  // weak; compared only, to see changes
  uint64_t mKnownGeneration = UINT64_MAX;

 public:
  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLSelectElement)
  NS_DECL_NSIDOMHTMLSELECTELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
