#include "accessibility/AccessibleNode.h"

#include <optional>

#include "accessibility/Accessibility.h"
#include "accessibility/AccessibilityHost.h"
#include "accessibility/AccessibleConstants.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLElement.h"
#include "dom/HTMLInputElement.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "layout/Box.h"
#include "layout/ControlSizes.h"
#include "layout/DevicePixels.h"
#include "layout/DocumentLayout.h"
#include "nsIComboboxControlFrame.h"

namespace geckohost::accessibility {

namespace {

bool isOneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view candidate : names) {
    if (name == candidate)
      return true;
  }
  return false;
}

std::optional<dom::InputType> inputTypeOf(const dom::Element& element) {
  if (!element.isHTML(u"input"))
    return std::nullopt;
  return static_cast<const dom::HTMLInputElement&>(element).inputType();
}

std::u16string collapsedText(const dom::Node& node) {
  return dom::stripAndCollapseWhitespace(node.textContent().value_or(u""));
}

// Gecko's roles for the XUL elements of the browser's chrome and dialogs.
uint32_t xulRole(std::u16string_view name) {
  struct TagRole {
    std::u16string_view tag;
    uint32_t role;
  };
  static constexpr TagRole kRoles[] = {
      {u"dialog", roles::kDialog},        {u"window", roles::kWindow},
      {u"button", roles::kPushButton},    {u"toolbarbutton", roles::kPushButton},
      {u"checkbox", roles::kCheckButton}, {u"radio", roles::kRadioButton},
      {u"radiogroup", roles::kGrouping},  {u"textbox", roles::kEntry},
      {u"label", roles::kLabel},          {u"description", roles::kLabel},
      {u"toolbar", roles::kToolbar},      {u"statusbar", roles::kStatusBar},
  };
  for (const TagRole& entry : kRoles) {
    if (entry.tag == name)
      return entry.role;
  }
  return roles::kNothing;
}

std::optional<nsIntPoint> screenOffsetOf(dom::Node& node) {
  dom::Document* document = node.documentOrSelf();
  AccessibilityHost* host = Accessibility::host();
  if (!document || !host)
    return std::nullopt;
  return host->screenOffsetFor(*document);
}

}  // namespace

AccessibleNode::AccessibleNode(dom::Node& node) : mNode(&node) {}

AccessibleNode::~AccessibleNode() = default;

layout::DocumentLayout* AccessibleNode::layoutOf(dom::Node& node) {
  dom::Document* document = node.documentOrSelf();
  AccessibilityHost* host = Accessibility::host();
  if (!document || !host || (!node.isInDocument() && &node != document))
    return nullptr;
  return host->layoutFor(*document);
}

layout::DocumentLayout* AccessibleNode::layout() const {
  return layoutOf(*mNode);
}

std::optional<nsIntRect> AccessibleNode::chromeBoundsOf(dom::Node& node) {
  dom::Document* document = node.documentOrSelf();
  AccessibilityHost* host = Accessibility::host();
  if (!document || !host || document->kind() != dom::DocumentKind::XUL)
    return std::nullopt;
  return host->chromeBoundsFor(node);
}

bool AccessibleNode::exists(dom::Node& node) {
  if (!Accessibility::isEnabled())
    return false;
  // Chrome: elements that take space (hidden and collapsed ones have no accessible).
  if (std::optional<nsIntRect> chrome = chromeBoundsOf(node))
    return !chrome->IsEmpty();
  layout::DocumentLayout* layout = layoutOf(node);
  if (!layout)
    return false;
  if (node.nodeType() == dom::NodeType::Document) {
    dom::Element* root = static_cast<dom::Document&>(node).documentElement();
    return root && layout->hasBox(*root);
  }
  return layout->hasBox(node);
}

// --- Tree ------------------------------------------------------------------------------------

dom::Node* AccessibleNode::parent() const {
  for (dom::Node* above = mNode->parentNode(); above; above = above->parentNode()) {
    if (exists(*above))
      return above;
  }
  return nullptr;
}

std::vector<dom::Node*> AccessibleNode::children() const {
  std::vector<dom::Node*> found;
  for (dom::Node* child = mNode->firstChild(); child; child = child->nextSibling()) {
    if (exists(*child))
      found.push_back(child);
  }
  // A binding's anonymous content (a dialog's button box) follows, as the chrome lays it out.
  if (mNode->isElement()) {
    for (const auto& generated : static_cast<dom::Element&>(*mNode).anonymousChildren()) {
      if (exists(*generated))
        found.push_back(generated.get());
    }
  }
  return found;
}

// --- Name, role, states ----------------------------------------------------------------------

std::u16string AccessibleNode::name() const {
  if (mNode->nodeType() == dom::NodeType::Document)
    return static_cast<dom::Document&>(*mNode).title();
  if (!mNode->isElement())
    return dom::stripAndCollapseWhitespace(mNode->nodeValue().value_or(u""));
  auto& element = static_cast<dom::Element&>(*mNode);
  if (const std::u16string* label = element.attributeValue(u"aria-label"); label && !label->empty())
    return *label;
  if (element.isXUL())
    return xulName(element);
  std::optional<dom::InputType> type = inputTypeOf(element);
  if (element.isHTML(u"img") || element.isHTML(u"area") || type == dom::InputType::Image)
    return element.stringAttribute(u"alt");
  if (type == dom::InputType::Submit || type == dom::InputType::Reset ||
      type == dom::InputType::Button) {
    return layout::ControlSizes::buttonLabel(static_cast<dom::HTMLInputElement&>(element));
  }
  if (element.isHTML(u"optgroup"))
    return element.stringAttribute(u"label");
  if (element.isHTML() &&
      isOneOf(element.localName(), {u"a", u"button", u"option", u"label", u"td", u"th", u"caption",
                                    u"li", u"h1", u"h2", u"h3", u"h4", u"h5", u"h6", u"legend"})) {
    std::u16string text = collapsedText(element);
    if (!text.empty())
      return text;
  }
  return element.stringAttribute(u"title");
}

uint32_t AccessibleNode::role() const {
  switch (mNode->nodeType()) {
    case dom::NodeType::Document:
      return roles::kDocument;
    case dom::NodeType::Element:
      return elementRole(static_cast<dom::Element&>(*mNode));
    default:
      return roles::kTextLeaf;
  }
}

std::u16string AccessibleNode::xulName(const dom::Element& element) {
  for (const char16_t* attribute : {u"label", u"value"}) {
    if (const std::u16string* text = element.attributeValue(attribute); text && !text->empty())
      return *text;
  }
  if (element.localName() == u"description")
    return collapsedText(element);
  return element.stringAttribute(u"title");
}

uint32_t AccessibleNode::elementRole(const dom::Element& element) const {
  if (element.isXUL())
    return xulRole(element.localName());
  if (!element.isHTML())
    return roles::kNothing;
  const std::u16string_view name = element.localName();
  if (std::optional<dom::InputType> type = inputTypeOf(element)) {
    switch (*type) {
      case dom::InputType::Checkbox:
        return roles::kCheckButton;
      case dom::InputType::Radio:
        return roles::kRadioButton;
      case dom::InputType::Password:
        return roles::kPasswordText;
      case dom::InputType::Submit:
      case dom::InputType::Reset:
      case dom::InputType::Button:
      case dom::InputType::Image:
        return roles::kPushButton;
      default:
        return roles::kEntry;
    }
  }
  if (name == u"select") {
    return layout::ControlSizes::isListBox(static_cast<const dom::HTMLSelectElement&>(element))
               ? roles::kListBox
               : roles::kComboBox;
  }
  struct TagRole {
    std::u16string_view tag;
    uint32_t role;
  };
  static constexpr TagRole kRoles[] = {
      {u"button", roles::kPushButton},
      {u"textarea", roles::kEntry},
      {u"img", roles::kGraphic},
      {u"option", roles::kOption},
      {u"optgroup", roles::kGrouping},
      {u"table", roles::kTable},
      {u"tr", roles::kRow},
      {u"td", roles::kCell},
      {u"th", roles::kColumnHeader},
      {u"caption", roles::kCaption},
      {u"ul", roles::kList},
      {u"ol", roles::kList},
      {u"li", roles::kListItem},
      {u"p", roles::kParagraph},
      {u"h1", roles::kHeading},
      {u"h2", roles::kHeading},
      {u"h3", roles::kHeading},
      {u"h4", roles::kHeading},
      {u"h5", roles::kHeading},
      {u"h6", roles::kHeading},
      {u"form", roles::kForm},
      {u"hr", roles::kSeparator},
      {u"label", roles::kLabel},
      {u"fieldset", roles::kGrouping},
      {u"iframe", roles::kInternalFrame},
      {u"frame", roles::kInternalFrame},
      {u"frameset", roles::kPane},
      {u"div", roles::kSection},
      {u"body", roles::kSection},
  };
  if (name == u"a")
    return element.hasAttribute(u"href") ? roles::kLink : roles::kTextContainer;
  for (const TagRole& entry : kRoles) {
    if (entry.tag == name)
      return entry.role;
  }
  return roles::kTextContainer;
}

uint32_t AccessibleNode::states() const {
  uint32_t bits = 0;
  if (chromeBoundsOf(*mNode)) {
    // Chrome: check boxes and radio buttons say whether they are on.
    if (mNode->isElement()) {
      auto& element = static_cast<dom::Element&>(*mNode);
      const char16_t* on = element.localName() == u"radio" ? u"selected" : u"checked";
      if (element.stringAttribute(on) == u"true")
        bits |= states::kChecked;
    }
    return bits;
  }
  layout::DocumentLayout* pageLayout = layout();
  if (!pageLayout)
    return bits;
  if (mNode->nodeType() != dom::NodeType::Document) {
    const layout::Box* box = pageLayout->primaryBoxFor(*mNode);
    if (box && box->style().visibility == layout::Visibility::Hidden)
      bits |= states::kInvisible;
    const layout::ScrollArea* viewport = pageLayout->viewportBox()->scrollArea();
    nsIntRect shown = pageLayout->boundsOnDevice(*mNode);
    nsIntRect client(
        0, 0, layout::DevicePixels::toDevice(viewport->clientSize.width, pageLayout->zoom()),
        layout::DevicePixels::toDevice(viewport->clientSize.height, pageLayout->zoom()));
    if (!shown.Intersects(client))
      bits |= states::kOffscreen;
  }
  if (mNode->isElement())
    bits |= elementStates(static_cast<dom::Element&>(*mNode));
  return bits;
}

uint32_t AccessibleNode::elementStates(dom::Element& element) const {
  uint32_t bits = 0;
  if (!element.isHTML())
    return bits;
  auto& html = static_cast<dom::HTMLElement&>(element);
  dom::Document* document = element.ownerDocument();
  if (html.isFocusable())
    bits |= states::kFocusable;
  if (document && document->focusedElement() == &element)
    bits |= states::kFocused;
  const std::u16string_view name = element.localName();
  if (isOneOf(name, {u"input", u"select", u"textarea", u"button", u"option", u"optgroup"}) &&
      element.boolAttribute(u"disabled")) {
    bits |= states::kUnavailable;
  }
  if (std::optional<dom::InputType> type = inputTypeOf(element)) {
    auto& input = static_cast<dom::HTMLInputElement&>(element);
    if ((*type == dom::InputType::Checkbox || *type == dom::InputType::Radio) && input.checked())
      bits |= states::kChecked;
    if (*type == dom::InputType::Password)
      bits |= states::kProtected;
    if (element.boolAttribute(u"readonly"))
      bits |= states::kReadOnly;
  }
  if (name == u"textarea" && element.boolAttribute(u"readonly"))
    bits |= states::kReadOnly;
  if ((name == u"a" || name == u"area") && element.hasAttribute(u"href"))
    bits |= states::kLinked;
  if (name == u"option") {
    bits |= states::kSelectable;
    if (static_cast<dom::HTMLOptionElement&>(element).selected())
      bits |= states::kSelected;
  }
  if (name == u"select") {
    auto& select = static_cast<dom::HTMLSelectElement&>(element);
    if (select.multiple())
      bits |= states::kMultiSelectable;
    nsIComboboxControlFrame* combo = do_QueryFrame(layout()->primaryFrameFor(element));
    if (combo)
      bits |= states::kHasPopup | (combo->IsDroppedDown() ? states::kExpanded : states::kCollapsed);
  }
  return bits;
}

// --- Geometry ----------------------------------------------------------------------------------

nsIntRect AccessibleNode::bounds() const {
  if (std::optional<nsIntRect> chrome = chromeBoundsOf(*mNode))
    return *chrome;
  layout::DocumentLayout* pageLayout = layout();
  std::optional<nsIntPoint> offset = screenOffsetOf(*mNode);
  if (!pageLayout || !offset || isDefunct())
    return nsIntRect();
  nsIntRect rect;
  if (mNode->nodeType() == dom::NodeType::Document) {
    const layout::ScrollArea* viewport = pageLayout->viewportBox()->scrollArea();
    rect = nsIntRect(
        0, 0, layout::DevicePixels::toDevice(viewport->clientSize.width, pageLayout->zoom()),
        layout::DevicePixels::toDevice(viewport->clientSize.height, pageLayout->zoom()));
  } else {
    rect = pageLayout->boundsOnDevice(*mNode);
  }
  rect.MoveBy(offset->x, offset->y);
  return rect;
}

dom::Node* AccessibleNode::childAtPoint(int x, int y) const {
  if (std::optional<nsIntRect> chrome = chromeBoundsOf(*mNode)) {
    // Chrome has no hit-testing of its own: the last child whose box holds the point.
    dom::Node* hit = nullptr;
    for (dom::Node* child : children()) {
      if (AccessibleNode(*child).bounds().Contains(x, y))
        hit = child;
    }
    return hit ? hit : (chrome->Contains(x, y) ? mNode.get() : nullptr);
  }
  layout::DocumentLayout* pageLayout = layout();
  std::optional<nsIntPoint> offset = screenOffsetOf(*mNode);
  if (!pageLayout || !offset)
    return nullptr;
  dom::Node* hit = nullptr;
  int dx = x - offset->x;
  int dy = y - offset->y;
  if (dx >= 0 && dy >= 0) {
    hit = pageLayout->nodeFromPoint(layout::DevicePixels::toCSS(dx, pageLayout->zoom()),
                                    layout::DevicePixels::toCSS(dy, pageLayout->zoom()));
  }
  // The child of this node on the way from the node hit up to this node.
  for (dom::Node* step = hit; step; step = step->parentNode()) {
    if (step == mNode.get())
      return step;
    dom::Node* above = AccessibleNode(*step).parent();
    if (above == mNode.get())
      return step;
  }
  return bounds().Contains(x, y) ? mNode.get() : nullptr;
}

}  // namespace geckohost::accessibility
