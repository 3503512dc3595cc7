#include "layout/BoxTreeBuilder.h"

#include "dom/CharacterData.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLSelectElement.h"
#include "image/ImageCache.h"
#include "layout/ComboboxBox.h"
#include "layout/ControlSizes.h"
#include "layout/ImageSizing.h"
#include "layout/StyleResolver.h"

namespace geckohost::layout {

namespace {

// Overflow makes block containers scroll, except on the root element and on a body whose root
// leaves overflow visible: there it goes to the viewport (CSS 2.1, 11.1.1).
bool ownsItsOverflow(const Box& box, const Box& parentBox) {
  if (box.kind() != BoxKind::Block && box.kind() != BoxKind::InlineBlock)
    return false;
  if (parentBox.kind() == BoxKind::Viewport)
    return false;
  const dom::Element* element = box.element();
  bool isBody = element && element->isHTML(u"body") && parentBox.element() &&
                parentBox.element()->isHTML(u"html") && parentBox.parent() &&
                parentBox.parent()->kind() == BoxKind::Viewport;
  return !(isBody && parentBox.style().overflow == Overflow::Visible);
}

bool isImage(ControlType type) {
  return type == ControlType::Image || type == ControlType::ImageButton;
}

bool isBlockLevel(const Box& box) {
  return !box.isInlineLevel() && !box.isOutOfFlow();
}

// A table's wrapper takes the margins and position, its grid the rest of the box model.
ComputedStyle wrapperStyle(const ComputedStyle& table) {
  ComputedStyle style = table;
  style.borderStyle = Sides<BorderStyle>::all(BorderStyle::None);
  style.padding = Sides<Length>::all(Length::px(0));
  style.backgroundColor = Color::transparent();
  return style;
}

ComputedStyle gridStyle(const ComputedStyle& table) {
  ComputedStyle style = table;
  style.margin = Sides<Length>::all(Length::px(0));
  style.position = Position::Static;
  style.left = style.top = Length::autoLength();
  return style;
}

// Counts one level of element boxes for as long as it lives.
class DepthScope {
 public:
  explicit DepthScope(int& depth) : mDepth(depth) { ++mDepth; }
  ~DepthScope() { --mDepth; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;

 private:
  int& mDepth;
};

}  // namespace

BoxTreeBuilder::BoxTreeBuilder(const dom::Document& document, const StyleResolver& styles,
                               DropDownStates& dropDowns, image::ImageCache& images)
    : mDocument(document), mStyles(styles), mDropDowns(dropDowns), mImages(images) {}

std::unique_ptr<Box> BoxTreeBuilder::build() {
  ComputedStyle viewportStyle;
  viewportStyle.display = Display::Block;
  auto viewport = std::make_unique<Box>(BoxKind::Viewport, nullptr, viewportStyle);
  viewport->makeScrollContainer();
  mViewport = viewport.get();
  if (dom::Element* root = mDocument.documentElement())
    buildElement(*root, *viewport, nullptr);
  return viewport;
}

Box& BoxTreeBuilder::adopt(Box& parentBox, std::unique_ptr<Box> box) {
  Box& added = parentBox.appendChild(std::move(box));
  if (added.node())
    mPrimary.emplace(added.node(), &added);
  return added;
}

void BoxTreeBuilder::buildChildren(const dom::Node& parent, Box& parentBox,
                                   Box* positionedAncestor) {
  for (dom::Node* child = parent.firstChild(); child; child = child->nextSibling()) {
    if (child->isElement())
      buildElement(*static_cast<dom::Element*>(child), parentBox, positionedAncestor);
    else if (child->nodeType() == dom::NodeType::Text)
      buildText(*child, parentBox);
  }
}

bool BoxTreeBuilder::acceptsChild(const Box& box, const dom::Element& element, Display display) {
  switch (box.kind()) {
    case BoxKind::Frameset:
      return element.isHTML(u"frame") || element.isHTML(u"frameset");
    case BoxKind::TableGrid:
      return display == Display::TableRowGroup || display == Display::TableRow;
    case BoxKind::TableRowGroup:
      return display == Display::TableRow;
    case BoxKind::TableRow:
      return display == Display::TableCell;
    case BoxKind::Control:
    case BoxKind::Text:
    case BoxKind::LineBreak:
    case BoxKind::Frame:
      return false;
    default:
      return !element.isHTML(u"frame");
  }
}

void BoxTreeBuilder::buildElement(dom::Element& element, Box& parentBox, Box* positionedAncestor) {
  if (mDepth >= kMaxBoxDepth)
    return;
  DepthScope scope(mDepth);
  ComputedStyle style = mStyles.resolve(element, parentBox.style());
  if (style.display == Display::None || !acceptsChild(parentBox, element, style.display))
    return;
  bool isRoot = parentBox.kind() == BoxKind::Viewport;
  if ((style.isOutOfFlow() || isRoot) && style.display != Display::Table) {
    // Out of flow, and as the root, everything is a block (CSS 2.1, 9.7).
    style.display = Display::Block;
  }
  if (style.display == Display::Table) {
    buildTable(element, style, parentBox, positionedAncestor);
    return;
  }
  Box& box = adopt(parentBox, makeBox(element, style, parentBox));
  if (box.isOutOfFlow()) {
    box.setContainingBlock(
        style.position == Position::Fixed || !positionedAncestor ? mViewport : positionedAncestor);
  }
  Box* childAncestor = style.isPositioned() ? &box : positionedAncestor;
  if (box.controlType() == ControlType::ListBox) {
    buildListOptions(element, box);
  } else if (box.kind() != BoxKind::Control && !isImage(ControlSizes::typeOf(element))) {
    buildChildren(element, box, childAncestor);
  }
  if (box.kind() == BoxKind::Inline) {
    for (const auto& child : box.children()) {
      if (isBlockLevel(*child)) {
        box.becomeBlock();
        break;
      }
    }
  }
}

std::unique_ptr<Box> BoxTreeBuilder::makeBox(dom::Element& element, const ComputedStyle& style,
                                             const Box& parentBox) {
  ControlType control = ControlSizes::typeOf(element);
  if (control == ControlType::ComboBox) {
    return std::make_unique<ComboboxBox>(static_cast<dom::HTMLSelectElement&>(element), style,
                                         mDropDowns);
  }
  const image::Image* picture = nullptr;
  if (isImage(control)) {
    picture = mImages.imageFor(ImageSizing::sourceUrl(element));
    if (!picture) {
      if (std::optional<std::u16string> alt = ImageSizing::altTextInPlace(element, style))
        return makeAltTextBox(element, style, std::move(*alt));
    }
  }
  BoxKind kind = BoxKind::Block;
  if (control != ControlType::None) {
    kind = BoxKind::Control;
  } else if (element.isHTML(u"frameset") &&
             (parentBox.kind() == BoxKind::Frameset || element.parentNode() == &mDocument ||
              (element.parentElement() && element.parentElement()->isHTML(u"html")))) {
    kind = BoxKind::Frameset;
  } else if (element.isHTML(u"frame")) {
    kind = BoxKind::Frame;
  } else if (style.display == Display::Inline) {
    kind = element.isHTML(u"br") ? BoxKind::LineBreak : BoxKind::Inline;
  } else if (style.display == Display::InlineBlock) {
    kind = BoxKind::InlineBlock;
  } else if (style.display == Display::TableRowGroup && parentBox.kind() == BoxKind::TableGrid) {
    kind = BoxKind::TableRowGroup;
  } else if (style.display == Display::TableRow && (parentBox.kind() == BoxKind::TableGrid ||
                                                    parentBox.kind() == BoxKind::TableRowGroup)) {
    kind = BoxKind::TableRow;
  } else if (style.display == Display::TableCell && parentBox.kind() == BoxKind::TableRow) {
    kind = BoxKind::TableCell;
  }
  auto box = std::make_unique<Box>(kind, &element, style);
  box->setControlType(control);
  box->setImage(picture);
  if (control == ControlType::ListBox || control == ControlType::TextArea ||
      (style.clipsContent() && ownsItsOverflow(*box, parentBox)))
    box->makeScrollContainer();
  return box;
}

std::unique_ptr<Box> BoxTreeBuilder::makeAltTextBox(dom::Element& element, ComputedStyle style,
                                                    std::u16string altText) {
  // An inline box, or a block when the image is displayed as one, holding one text box.
  BoxKind kind = style.display == Display::Block ? BoxKind::Block : BoxKind::Inline;
  if (kind == BoxKind::Inline)
    style.display = Display::Inline;
  auto box = std::make_unique<Box>(kind, &element, style);
  if (!altText.empty()) {
    auto text = std::make_unique<Box>(BoxKind::Text, &element, style.inheritedBy());
    text->setGeneratedText(std::move(altText));
    box->appendChild(std::move(text));
  }
  return box;
}

void BoxTreeBuilder::buildTable(dom::Element& table, const ComputedStyle& style, Box& parentBox,
                                Box* positionedAncestor) {
  Box& wrapper =
      adopt(parentBox, std::make_unique<Box>(BoxKind::TableWrapper, &table, wrapperStyle(style)));
  if (wrapper.isOutOfFlow()) {
    wrapper.setContainingBlock(
        style.position == Position::Fixed || !positionedAncestor ? mViewport : positionedAncestor);
  }
  Box* childAncestor = style.isPositioned() ? &wrapper : positionedAncestor;
  // Captions first, above the grid, in document order.
  for (dom::Node* child = table.firstChild(); child; child = child->nextSibling()) {
    if (!child->isElement())
      continue;
    auto& element = *static_cast<dom::Element*>(child);
    ComputedStyle captionStyle = mStyles.resolve(element, style);
    if (captionStyle.display == Display::TableCaption) {
      Box& caption = adopt(wrapper, std::make_unique<Box>(BoxKind::Block, &element, captionStyle));
      buildChildren(element, caption, childAncestor);
    }
  }
  Box& grid =
      wrapper.appendChild(std::make_unique<Box>(BoxKind::TableGrid, &table, gridStyle(style)));
  for (dom::Node* child = table.firstChild(); child; child = child->nextSibling()) {
    if (child->isElement())
      buildElement(*static_cast<dom::Element*>(child), grid, childAncestor);
  }
}

void BoxTreeBuilder::buildListOptions(dom::Element& select, Box& listBox) {
  for (dom::Node* child = select.firstChild(); child; child = child->nextSibling()) {
    if (!child->isElement())
      continue;
    auto& element = *static_cast<dom::Element*>(child);
    bool isGroup = element.isHTML(u"optgroup");
    if (!isGroup && !element.isHTML(u"option"))
      continue;
    ComputedStyle style = mStyles.resolve(element, listBox.style());
    adopt(listBox, std::make_unique<Box>(BoxKind::ListOption, &element, style));
    if (isGroup)
      buildListOptions(element, listBox);
  }
}

void BoxTreeBuilder::buildText(dom::Node& text, Box& parentBox) {
  switch (parentBox.kind()) {
    case BoxKind::Block:
    case BoxKind::Inline:
    case BoxKind::InlineBlock:
    case BoxKind::TableCell:
      break;
    default:
      return;
  }
  if (static_cast<dom::CharacterData&>(text).data().empty())
    return;
  adopt(parentBox, std::make_unique<Box>(BoxKind::Text, &text, parentBox.style().inheritedBy()));
}

}  // namespace geckohost::layout
