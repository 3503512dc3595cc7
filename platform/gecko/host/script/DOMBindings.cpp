#include "script/DOMBindings.h"

#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/ElementList.h"
#include "dom/HTMLDocument.h"
#include "dom/HTMLElement.h"
#include "dom/HTMLInputElement.h"
#include "dom/HTMLSelectElement.h"
#include "dom/HTMLTextAreaElement.h"
#include "dom/Text.h"
#include "script/EventDispatcher.h"
#include "script/InlineStyle.h"
#include "script/ScriptHeap.h"
#include "script/ScriptValues.h"

namespace geckohost::script {

namespace {

const char kNodePrototype[] = "nodePrototype";
const char kElementPrototype[] = "elementPrototype";
const char kDocumentPrototype[] = "documentPrototype";
const char kStylePrototype[] = "stylePrototype";

// The accessors, told apart by their functions' magic.
enum class Property {
  NodeType,
  NodeName,
  NodeValue,
  ParentNode,
  ChildNodes,
  FirstChild,
  LastChild,
  NextSibling,
  PreviousSibling,
  OwnerDocument,
  TextContent,
  TagName,
  Id,
  ClassName,
  InnerHTML,
  Value,
  Checked,
  SelectedIndex,
  Style,
  ElementTitle,
  Name,
  DocumentElement,
  Body,
  Head,
  Title,
  Cookie,
  URL,
  ReadyState,
};

void defineAccessor(duk_context* ctx, duk_idx_t object, const char* name, Property property,
                    duk_c_function getter, duk_c_function setter) {
  duk_uint_t flags =
      DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_SET_ENUMERABLE | DUK_DEFPROP_SET_CONFIGURABLE;
  duk_push_string(ctx, name);
  duk_push_c_function(ctx, getter, 0);
  duk_set_magic(ctx, -1, static_cast<duk_int_t>(property));
  if (setter) {
    duk_push_c_function(ctx, setter, 1);
    duk_set_magic(ctx, -1, static_cast<duk_int_t>(property));
    flags |= DUK_DEFPROP_HAVE_SETTER;
  }
  duk_def_prop(ctx, object, flags);
}

void defineMethod(duk_context* ctx, duk_idx_t object, const char* name, duk_c_function method,
                  duk_idx_t argumentCount) {
  duk_push_c_function(ctx, method, argumentCount);
  duk_put_prop_string(ctx, object, name);
}

dom::Node& thisNode(duk_context* ctx) {
  duk_push_this(ctx);
  dom::Node* node = ScriptHeap::nodeAt(ctx, -1);
  duk_pop(ctx);
  if (!node)
    (void)duk_type_error(ctx, "not a DOM node");
  return *node;
}

dom::Element& thisElement(duk_context* ctx) {
  dom::Node& node = thisNode(ctx);
  if (!node.isElement())
    (void)duk_type_error(ctx, "not an element");
  return static_cast<dom::Element&>(node);
}

dom::Node& nodeArgument(duk_context* ctx, duk_idx_t index) {
  dom::Node* node = ScriptHeap::nodeAt(ctx, index);
  if (!node)
    (void)duk_type_error(ctx, "argument %d is not a DOM node", static_cast<int>(index) + 1);
  return *node;
}

const char* errorName(dom::DOMError error) {
  switch (error) {
    case dom::DOMError::HierarchyRequest:
      return "HierarchyRequestError";
    case dom::DOMError::WrongDocument:
      return "WrongDocumentError";
    case dom::DOMError::InvalidCharacter:
      return "InvalidCharacterError";
    case dom::DOMError::NotFound:
      return "NotFoundError";
    default:
      return "NotSupportedError";
  }
}

// duktape throws with longjmp: callers make sure no C++ object that needs destroying is alive.
void throwIfFailed(duk_context* ctx, dom::DOMError error) {
  if (error != dom::DOMError::None)
    (void)duk_error(ctx, DUK_ERR_ERROR, "%s", errorName(error));
}

void pushOptionalString(duk_context* ctx, const std::optional<std::u16string>& text) {
  if (text) {
    pushString(ctx, *text);
  } else {
    duk_push_null(ctx);
  }
}

void pushList(duk_context* ctx, dom::ElementList& list) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  duk_push_array(ctx);
  uint32_t length = list.length();
  for (uint32_t i = 0; i < length; ++i) {
    heap.pushNode(list.item(i));
    duk_put_prop_index(ctx, -2, i);
  }
}

void pushChildNodes(duk_context* ctx, dom::Node& node) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  duk_push_array(ctx);
  duk_uarridx_t index = 0;
  for (dom::Node* child = node.firstChild(); child; child = child->nextSibling()) {
    heap.pushNode(child);
    duk_put_prop_index(ctx, -2, index++);
  }
}

dom::HTMLDocument* htmlDocument(dom::Node& node) {
  if (node.nodeType() != dom::NodeType::Document)
    return nullptr;
  auto& document = static_cast<dom::Document&>(node);
  return document.isHTMLDocument() ? static_cast<dom::HTMLDocument*>(&document) : nullptr;
}

// The form control's value: inputs and text areas read and write it, a select reads it.
bool pushValue(duk_context* ctx, dom::Node& node) {
  if (auto* input = dynamic_cast<dom::HTMLInputElement*>(&node)) {
    pushString(ctx, input->value());
  } else if (auto* area = dynamic_cast<dom::HTMLTextAreaElement*>(&node)) {
    pushString(ctx, area->value());
  } else if (auto* select = dynamic_cast<dom::HTMLSelectElement*>(&node)) {
    pushString(ctx, select->value());
  } else {
    return false;
  }
  return true;
}

bool pushNodeProperty(duk_context* ctx, dom::Node& node, Property property) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  switch (property) {
    case Property::NodeType:
      duk_push_uint(ctx, static_cast<duk_uint_t>(node.nodeType()));
      return true;
    case Property::NodeName:
      pushString(ctx, node.nodeName());
      return true;
    case Property::NodeValue:
      pushOptionalString(ctx, node.nodeValue());
      return true;
    case Property::ParentNode:
      heap.pushNode(node.parentNode());
      return true;
    case Property::ChildNodes:
      pushChildNodes(ctx, node);
      return true;
    case Property::FirstChild:
      heap.pushNode(node.firstChild());
      return true;
    case Property::LastChild:
      heap.pushNode(node.lastChild());
      return true;
    case Property::NextSibling:
      heap.pushNode(node.nextSibling());
      return true;
    case Property::PreviousSibling:
      heap.pushNode(node.previousSibling());
      return true;
    case Property::OwnerDocument:
      heap.pushNode(node.ownerDocument());
      return true;
    case Property::TextContent:
      pushOptionalString(ctx, node.textContent());
      return true;
    default:
      return false;
  }
}

bool pushElementProperty(duk_context* ctx, dom::Element& element, Property property) {
  switch (property) {
    case Property::TagName:
      pushString(ctx, element.tagName());
      return true;
    case Property::Id:
      pushString(ctx, element.id());
      return true;
    case Property::ClassName:
      pushString(ctx, element.className());
      return true;
    case Property::ElementTitle:
      pushString(ctx, element.stringAttribute(u"title"));
      return true;
    case Property::Name:
      pushString(ctx, element.stringAttribute(u"name"));
      return true;
    case Property::InnerHTML:
      if (auto* html = dynamic_cast<dom::HTMLElement*>(&element))
        pushString(ctx, html->innerHTML());
      return true;
    case Property::Value:
      pushValue(ctx, element);
      return true;
    case Property::Checked:
      if (auto* input = dynamic_cast<dom::HTMLInputElement*>(&element))
        duk_push_boolean(ctx, input->checked());
      return true;
    case Property::SelectedIndex:
      if (auto* select = dynamic_cast<dom::HTMLSelectElement*>(&element))
        duk_push_int(ctx, select->selectedIndex());
      return true;
    case Property::Style:
      duk_push_object(ctx);
      duk_push_heap_stash(ctx);
      duk_get_prop_string(ctx, -1, kStylePrototype);
      duk_set_prototype(ctx, -3);
      duk_pop(ctx);
      duk_push_pointer(ctx, &element);
      duk_put_prop_string(ctx, -2, kNodeKey);
      // The wrapper's node stays alive while the style object is used: keep the wrapper.
      ScriptHeap::of(ctx).pushNode(&element);
      duk_put_prop_string(ctx, -2, DUK_HIDDEN_SYMBOL("owner"));
      return true;
    default:
      return false;
  }
}

bool pushDocumentProperty(duk_context* ctx, dom::Document& document, Property property) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  dom::HTMLDocument* html = htmlDocument(document);
  switch (property) {
    case Property::DocumentElement:
      heap.pushNode(document.documentElement());
      return true;
    case Property::Body:
      heap.pushNode(html ? html->body() : nullptr);
      return true;
    case Property::Head:
      heap.pushNode(html ? html->head() : nullptr);
      return true;
    case Property::Title:
      pushString(ctx, document.title());
      return true;
    case Property::Cookie:
      pushString(ctx, html ? html->cookie() : std::u16string());
      return true;
    case Property::URL:
      pushUtf8(ctx, document.url().spec());
      return true;
    case Property::ReadyState:
      pushString(ctx, dom::Document::readyStateName(document.readyState()));
      return true;
    default:
      return false;
  }
}

void setElementProperty(duk_context* ctx, dom::Element& element, Property property) {
  switch (property) {
    case Property::Id:
      element.setStringAttribute(u"id", toU16(ctx, 0));
      break;
    case Property::ClassName:
      element.setStringAttribute(u"class", toU16(ctx, 0));
      break;
    case Property::ElementTitle:
      element.setStringAttribute(u"title", toU16(ctx, 0));
      break;
    case Property::Name:
      element.setStringAttribute(u"name", toU16(ctx, 0));
      break;
    case Property::InnerHTML:
      if (auto* html = dynamic_cast<dom::HTMLElement*>(&element))
        html->setInnerHTML(toU16(ctx, 0));
      break;
    case Property::Value:
      if (auto* input = dynamic_cast<dom::HTMLInputElement*>(&element)) {
        input->setValue(toU16(ctx, 0));
      } else if (auto* area = dynamic_cast<dom::HTMLTextAreaElement*>(&element)) {
        area->setValue(toU16(ctx, 0));
      }
      break;
    case Property::Checked:
      if (auto* input = dynamic_cast<dom::HTMLInputElement*>(&element))
        input->setChecked(duk_to_boolean(ctx, 0));
      break;
    case Property::SelectedIndex:
      if (auto* select = dynamic_cast<dom::HTMLSelectElement*>(&element))
        select->setSelectedIndex(duk_to_int(ctx, 0));
      break;
    default:
      break;
  }
}

}  // namespace

void DOMBindings::install(duk_context* ctx) {
  duk_push_heap_stash(ctx);
  duk_idx_t stash = duk_get_top_index(ctx);

  duk_push_object(ctx);
  defineNodeMembers(ctx, -1);
  EventDispatcher::addTargetMethods(ctx, -1);
  duk_put_prop_string(ctx, stash, kNodePrototype);

  duk_push_object(ctx);
  duk_get_prop_string(ctx, stash, kNodePrototype);
  duk_set_prototype(ctx, -2);
  defineElementMembers(ctx, -1);
  duk_put_prop_string(ctx, stash, kElementPrototype);

  duk_push_object(ctx);
  duk_get_prop_string(ctx, stash, kNodePrototype);
  duk_set_prototype(ctx, -2);
  defineDocumentMembers(ctx, -1);
  duk_put_prop_string(ctx, stash, kDocumentPrototype);

  duk_push_object(ctx);
  duk_push_string(ctx, "display");
  duk_push_c_function(ctx, &DOMBindings::styleDisplay, 0);
  duk_push_c_function(ctx, &DOMBindings::setStyleDisplay, 1);
  duk_def_prop(ctx, -4,
               DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_SETTER | DUK_DEFPROP_SET_ENUMERABLE);
  duk_put_prop_string(ctx, stash, kStylePrototype);
  duk_pop(ctx);
}

void DOMBindings::pushPrototypeFor(duk_context* ctx, dom::Node& node) {
  const char* name = kNodePrototype;
  if (node.isElement())
    name = kElementPrototype;
  if (node.nodeType() == dom::NodeType::Document)
    name = kDocumentPrototype;
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, name);
  duk_remove(ctx, -2);
}

void DOMBindings::defineNodeMembers(duk_context* ctx, duk_idx_t prototype) {
  prototype = duk_normalize_index(ctx, prototype);
  struct Row {
    const char* name;
    Property property;
    bool writable;
  };
  const Row rows[] = {{"nodeType", Property::NodeType, false},
                      {"nodeName", Property::NodeName, false},
                      {"nodeValue", Property::NodeValue, true},
                      {"data", Property::NodeValue, true},
                      {"parentNode", Property::ParentNode, false},
                      {"childNodes", Property::ChildNodes, false},
                      {"firstChild", Property::FirstChild, false},
                      {"lastChild", Property::LastChild, false},
                      {"nextSibling", Property::NextSibling, false},
                      {"previousSibling", Property::PreviousSibling, false},
                      {"ownerDocument", Property::OwnerDocument, false},
                      {"textContent", Property::TextContent, true}};
  for (const Row& row : rows) {
    defineAccessor(ctx, prototype, row.name, row.property, &DOMBindings::get,
                   row.writable ? &DOMBindings::set : nullptr);
  }
  defineMethod(ctx, prototype, "appendChild", &DOMBindings::appendChild, 1);
  defineMethod(ctx, prototype, "removeChild", &DOMBindings::removeChild, 1);
  defineMethod(ctx, prototype, "insertBefore", &DOMBindings::insertBefore, 2);
  defineMethod(ctx, prototype, "hasChildNodes", &DOMBindings::hasChildNodes, 0);
}

void DOMBindings::defineElementMembers(duk_context* ctx, duk_idx_t prototype) {
  prototype = duk_normalize_index(ctx, prototype);
  struct Row {
    const char* name;
    Property property;
    bool writable;
  };
  const Row rows[] = {{"tagName", Property::TagName, false},
                      {"id", Property::Id, true},
                      {"className", Property::ClassName, true},
                      {"title", Property::ElementTitle, true},
                      {"name", Property::Name, true},
                      {"innerHTML", Property::InnerHTML, true},
                      {"value", Property::Value, true},
                      {"checked", Property::Checked, true},
                      {"selectedIndex", Property::SelectedIndex, true},
                      {"style", Property::Style, false}};
  for (const Row& row : rows) {
    defineAccessor(ctx, prototype, row.name, row.property, &DOMBindings::get,
                   row.writable ? &DOMBindings::set : nullptr);
  }
  defineMethod(ctx, prototype, "getAttribute", &DOMBindings::getAttribute, 1);
  defineMethod(ctx, prototype, "setAttribute", &DOMBindings::setAttribute, 2);
  defineMethod(ctx, prototype, "removeAttribute", &DOMBindings::removeAttribute, 1);
  defineMethod(ctx, prototype, "hasAttribute", &DOMBindings::hasAttribute, 1);
  defineMethod(ctx, prototype, "getElementsByTagName", &DOMBindings::getElementsByTagName, 1);
  defineMethod(ctx, prototype, "click", &DOMBindings::click, 0);
}

void DOMBindings::defineDocumentMembers(duk_context* ctx, duk_idx_t prototype) {
  prototype = duk_normalize_index(ctx, prototype);
  struct Row {
    const char* name;
    Property property;
    bool writable;
  };
  const Row rows[] = {{"documentElement", Property::DocumentElement, false},
                      {"body", Property::Body, false},
                      {"head", Property::Head, false},
                      {"title", Property::Title, true},
                      {"cookie", Property::Cookie, true},
                      {"URL", Property::URL, false},
                      {"readyState", Property::ReadyState, false}};
  for (const Row& row : rows) {
    defineAccessor(ctx, prototype, row.name, row.property, &DOMBindings::get,
                   row.writable ? &DOMBindings::set : nullptr);
  }
  defineMethod(ctx, prototype, "getElementById", &DOMBindings::getElementById, 1);
  defineMethod(ctx, prototype, "getElementsByTagName", &DOMBindings::getElementsByTagName, 1);
  defineMethod(ctx, prototype, "createElement", &DOMBindings::createElement, 1);
  defineMethod(ctx, prototype, "createTextNode", &DOMBindings::createTextNode, 1);
}

// --- Accessors -------------------------------------------------------------------------------

duk_ret_t DOMBindings::get(duk_context* ctx) {
  auto property = static_cast<Property>(duk_get_current_magic(ctx));
  dom::Node& node = thisNode(ctx);
  if (pushNodeProperty(ctx, node, property))
    return 1;
  if (node.isElement() && pushElementProperty(ctx, static_cast<dom::Element&>(node), property))
    return duk_get_top(ctx) > 0 ? 1 : 0;
  if (node.nodeType() == dom::NodeType::Document &&
      pushDocumentProperty(ctx, static_cast<dom::Document&>(node), property)) {
    return 1;
  }
  return 0;
}

duk_ret_t DOMBindings::set(duk_context* ctx) {
  auto property = static_cast<Property>(duk_get_current_magic(ctx));
  dom::Node& node = thisNode(ctx);
  switch (property) {
    case Property::NodeValue:
      node.setNodeValue(toU16(ctx, 0));
      return 0;
    case Property::TextContent:
      node.setTextContent(toU16(ctx, 0));
      return 0;
    case Property::Title:
      static_cast<dom::Document&>(node).setTitle(toU16(ctx, 0));
      return 0;
    case Property::Cookie:
      if (dom::HTMLDocument* html = htmlDocument(node))
        html->setCookie(toU16(ctx, 0));
      return 0;
    default:
      if (node.isElement())
        setElementProperty(ctx, static_cast<dom::Element&>(node), property);
      return 0;
  }
}

duk_ret_t DOMBindings::styleDisplay(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  pushString(ctx, InlineStyle::property(element.stringAttribute(u"style"), u"display"));
  return 1;
}

duk_ret_t DOMBindings::setStyleDisplay(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  std::u16string style =
      InlineStyle::withProperty(element.stringAttribute(u"style"), u"display", toU16(ctx, 0));
  if (style.empty()) {
    element.removeAttribute(u"style");
  } else {
    element.setStringAttribute(u"style", style);
  }
  return 0;
}

// --- Node ------------------------------------------------------------------------------------

duk_ret_t DOMBindings::appendChild(duk_context* ctx) {
  dom::Node& parent = thisNode(ctx);
  dom::DOMError error = parent.appendChild(nodeArgument(ctx, 0));
  throwIfFailed(ctx, error);
  duk_dup(ctx, 0);
  return 1;
}

duk_ret_t DOMBindings::removeChild(duk_context* ctx) {
  dom::Node& parent = thisNode(ctx);
  dom::DOMError error = parent.removeChild(nodeArgument(ctx, 0));
  throwIfFailed(ctx, error);
  duk_dup(ctx, 0);
  return 1;
}

duk_ret_t DOMBindings::insertBefore(duk_context* ctx) {
  dom::Node& parent = thisNode(ctx);
  dom::Node& child = nodeArgument(ctx, 0);
  dom::Node* reference = duk_is_null_or_undefined(ctx, 1) ? nullptr : &nodeArgument(ctx, 1);
  dom::DOMError error = parent.insertBefore(child, reference);
  throwIfFailed(ctx, error);
  duk_dup(ctx, 0);
  return 1;
}

duk_ret_t DOMBindings::hasChildNodes(duk_context* ctx) {
  duk_push_boolean(ctx, thisNode(ctx).hasChildNodes());
  return 1;
}

// --- Element ---------------------------------------------------------------------------------

duk_ret_t DOMBindings::getAttribute(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);  // may throw: before any string exists
  pushOptionalString(ctx, element.getAttribute(toU16(ctx, 0)));
  return 1;
}

duk_ret_t DOMBindings::setAttribute(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  dom::DOMError error = element.setAttribute(toU16(ctx, 0), toU16(ctx, 1));
  throwIfFailed(ctx, error);
  return 0;
}

duk_ret_t DOMBindings::removeAttribute(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  element.removeAttribute(toU16(ctx, 0));
  return 0;
}

duk_ret_t DOMBindings::hasAttribute(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  duk_push_boolean(ctx, element.hasAttribute(toU16(ctx, 0)));
  return 1;
}

duk_ret_t DOMBindings::getElementsByTagName(duk_context* ctx) {
  dom::Node& node = thisNode(ctx);
  bool isDocument = node.nodeType() == dom::NodeType::Document;
  if (!node.isElement() && !isDocument)
    return duk_type_error(ctx, "getElementsByTagName needs an element or a document");
  std::u16string name = toU16(ctx, 0);
  RefPtr<dom::ElementList> list = isDocument
                                      ? static_cast<dom::Document&>(node).getElementsByTagName(name)
                                      : static_cast<dom::Element&>(node).getElementsByTagName(name);
  pushList(ctx, *list);
  return 1;
}

// A click as a user's: an input changes its state first (a checkbox toggles), then the click
// event goes out, bubbling.
duk_ret_t DOMBindings::click(duk_context* ctx) {
  dom::Element& element = thisElement(ctx);
  RefPtr<dom::Element> keepAlive = &element;
  if (auto* input = dynamic_cast<dom::HTMLInputElement*>(&element))
    input->click();
  ScriptHeap::of(ctx).dispatchEvent(&element, "click");
  return 0;
}

// --- Document --------------------------------------------------------------------------------

duk_ret_t DOMBindings::getElementById(duk_context* ctx) {
  dom::Node& node = thisNode(ctx);
  if (node.nodeType() != dom::NodeType::Document)
    return duk_type_error(ctx, "not a document");
  dom::Element* found = static_cast<dom::Document&>(node).getElementById(toU16(ctx, 0));
  ScriptHeap::of(ctx).pushNode(found);
  return 1;
}

duk_ret_t DOMBindings::createElement(duk_context* ctx) {
  dom::Node& node = thisNode(ctx);
  if (node.nodeType() != dom::NodeType::Document)
    return duk_type_error(ctx, "not a document");
  dom::DOMError error = dom::DOMError::None;
  {
    RefPtr<dom::Element> element =
        static_cast<dom::Document&>(node).createElement(toU16(ctx, 0), error);
    ScriptHeap::of(ctx).pushNode(element.get());
  }
  throwIfFailed(ctx, error);
  return 1;
}

duk_ret_t DOMBindings::createTextNode(duk_context* ctx) {
  dom::Node& node = thisNode(ctx);
  if (node.nodeType() != dom::NodeType::Document)
    return duk_type_error(ctx, "not a document");
  RefPtr<dom::Text> text = static_cast<dom::Document&>(node).createTextNode(toU16(ctx, 0));
  ScriptHeap::of(ctx).pushNode(text.get());
  return 1;
}

}  // namespace geckohost::script
