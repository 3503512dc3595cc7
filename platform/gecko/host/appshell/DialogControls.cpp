#include "DialogControls.h"

#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost {

namespace {

bool isTrue(const dom::Element& element, const char16_t* name) {
  return element.stringAttribute(name) == u"true";
}

// `element` and every element below it, its own children before its anonymous ones, depth
// first; the elements still to visit wait on a stack, next one on top.
void collect(dom::Element& element, std::vector<dom::Element*>& found) {
  std::vector<dom::Element*> pending{&element};
  while (!pending.empty()) {
    dom::Element* next = pending.back();
    pending.pop_back();
    found.push_back(next);
    const auto& generated = next->anonymousChildren();
    for (auto child = generated.rbegin(); child != generated.rend(); ++child) {
      if ((*child)->isElement())
        pending.push_back(static_cast<dom::Element*>(child->get()));
    }
    for (dom::Node* child = next->lastChild(); child; child = child->previousSibling()) {
      if (child->isElement())
        pending.push_back(static_cast<dom::Element*>(child));
    }
  }
}

}  // namespace

bool DialogControls::isShown(const dom::Element& element) {
  for (const dom::Node* node = &element; node && node->isElement(); node = node->parentNode()) {
    const auto& ancestor = static_cast<const dom::Element&>(*node);
    if (isTrue(ancestor, u"hidden") || isTrue(ancestor, u"collapsed"))
      return false;
  }
  return true;
}

bool DialogControls::isChecked(const dom::Element& control) {
  return isTrue(control, control.localName() == u"radio" ? u"selected" : u"checked");
}

std::vector<dom::Element*> DialogControls::elements() const {
  std::vector<dom::Element*> found;
  if (dom::Element* root = mDocument.documentElement())
    collect(*root, found);
  return found;
}

std::vector<dom::Element*> DialogControls::shown(const char16_t* tag) const {
  std::vector<dom::Element*> found;
  for (dom::Element* element : elements()) {
    if (element->localName() == tag && isShown(*element))
      found.push_back(element);
  }
  return found;
}

dom::Element* DialogControls::button(const std::u16string& name) const {
  std::vector<dom::Element*> buttons = shown(u"button");
  for (const char16_t* attribute : {u"dlgtype", u"label"}) {
    for (dom::Element* candidate : buttons) {
      if (!name.empty() && candidate->stringAttribute(attribute) == name)
        return candidate;
    }
  }
  return nullptr;
}

dom::Element* DialogControls::textbox() const {
  std::vector<dom::Element*> boxes = shown(u"textbox");
  return boxes.empty() ? nullptr : boxes.front();
}

dom::Element* DialogControls::checkable(const std::u16string& name) const {
  for (const char16_t* tag : {u"checkbox", u"radio"}) {
    for (dom::Element* candidate : shown(tag)) {
      if (!name.empty() &&
          (candidate->id() == name || candidate->stringAttribute(u"label") == name))
        return candidate;
    }
  }
  return nullptr;
}

dom::Element* DialogControls::firstCheckbox() const {
  std::vector<dom::Element*> boxes = shown(u"checkbox");
  return boxes.empty() ? nullptr : boxes.front();
}

dom::Element* DialogControls::selectedRadio() const {
  for (dom::Element* radio : shown(u"radio")) {
    if (isChecked(*radio))
      return radio;
  }
  return nullptr;
}

bool DialogControls::setText(const std::u16string& text) {
  dom::Element* box = textbox();
  if (!box)
    return false;
  box->setAttributeValue(u"value", text);
  return true;
}

std::u16string DialogControls::text() const {
  dom::Element* box = textbox();
  return box ? box->stringAttribute(u"value") : std::u16string();
}

bool DialogControls::setChecked(const std::u16string& name, bool checked) {
  dom::Element* control = checkable(name);
  if (!control)
    return false;
  if (control->localName() == u"checkbox") {
    control->setAttributeValue(u"checked", checked ? u"true" : u"false");
    return true;
  }
  if (!checked)
    return false;  // a radio button is cleared by selecting another one
  // The radio buttons of the same group: the siblings under the nearest radiogroup.
  dom::Node* group = control->parentNode();
  for (dom::Node* sibling = group ? group->firstChild() : nullptr; sibling;
       sibling = sibling->nextSibling()) {
    if (sibling->isElement() && static_cast<dom::Element*>(sibling)->localName() == u"radio")
      static_cast<dom::Element*>(sibling)->removeAttribute(u"selected");
  }
  control->setAttributeValue(u"selected", u"true");
  return true;
}

}  // namespace geckohost
