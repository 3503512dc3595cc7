// The controls of a XUL dialog document as a person meets them: its buttons (the dialog
// binding's button box included), its text box, check boxes and radio buttons. Finds them by
// what the user sees or the chrome names them, and changes them as clicking or typing would.
// Plain logic over the DOM; DialogWindow decides what a press means for the window.
//
//   DialogControls controls(document);
//   controls.button(u"accept")        the button with dlgtype="accept"
//   controls.button(u"Allow")         or with that label
//   controls.setText(u"Ada")          the first text box shown
//   controls.setChecked(u"Wrap", true)
#ifndef GECKOHOST_APPSHELL_DIALOGCONTROLS_H
#define GECKOHOST_APPSHELL_DIALOGCONTROLS_H

#include <string>
#include <vector>

namespace geckohost {

namespace dom {
class Document;
class Element;
}  // namespace dom

class DialogControls {
 public:
  explicit DialogControls(dom::Document& document) : mDocument(document) {}

  // A shown button whose dlgtype or label is `name` (dlgtype first); null when none.
  dom::Element* button(const std::u16string& name) const;
  // The first shown text box; null when none.
  dom::Element* textbox() const;
  // A shown check box or radio button whose id or label is `name`.
  dom::Element* checkable(const std::u16string& name) const;
  // The first shown check box; null when none.
  dom::Element* firstCheckbox() const;
  // The selected radio button of the first shown radio group.
  dom::Element* selectedRadio() const;

  // The text box's value; false without a text box.
  bool setText(const std::u16string& text);
  std::u16string text() const;
  // Checks or clears a check box; a radio button can only be selected, which clears the
  // others of its group. False when there is no such control or a radio is cleared.
  bool setChecked(const std::u16string& name, bool checked);
  static bool isChecked(const dom::Element& control);

  // Whether the element and every ancestor (through binding parents) take space: neither
  // hidden nor collapsed.
  static bool isShown(const dom::Element& element);

 private:
  // Elements of the document in tree order, each element's anonymous content after its
  // children, as the chrome is laid out.
  std::vector<dom::Element*> elements() const;
  std::vector<dom::Element*> shown(const char16_t* tag) const;

  dom::Document& mDocument;  // weak; the caller holds the document
};

}  // namespace geckohost

#endif
