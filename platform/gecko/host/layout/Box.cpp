#include "layout/Box.h"

#include <algorithm>

#include "dom/CharacterData.h"
#include "dom/Element.h"
#include "dom/Node.h"

namespace geckohost::layout {

Box::Box(BoxKind kind, dom::Node* node, const ComputedStyle& style)
    : mKind(kind), mNode(node), mStyle(style) {}

Box::~Box() = default;

dom::Element* Box::element() const {
  if (!mNode)
    return nullptr;
  if (mNode->isElement())
    return static_cast<dom::Element*>(mNode);
  return mNode->parentElement();
}

const std::u16string& Box::text() const {
  if (mGeneratedText)
    return *mGeneratedText;
  return static_cast<const dom::CharacterData*>(mNode)->data();
}

void Box::becomeBlock() {
  mKind = BoxKind::Block;
  mStyle.display = Display::Block;
}

bool Box::isInlineLevel() const {
  switch (mKind) {
    case BoxKind::Inline:
    case BoxKind::Text:
    case BoxKind::LineBreak:
      return true;
    case BoxKind::InlineBlock:
    case BoxKind::Control:
      return isAtomicInline();
    default:
      return false;
  }
}

bool Box::isAtomicInline() const {
  return (mKind == BoxKind::InlineBlock || mKind == BoxKind::Control) &&
         (mStyle.display == Display::Inline || mStyle.display == Display::InlineBlock);
}

bool Box::hasGeometry() const {
  if (mKind == BoxKind::Text || mKind == BoxKind::Inline || mKind == BoxKind::LineBreak)
    return !mFragments.empty();
  return true;
}

Box& Box::appendChild(std::unique_ptr<Box> child) {
  child->mParent = this;
  child->mIndexInParent = mChildren.size();
  mChildren.push_back(std::move(child));
  return *mChildren.back();
}

bool Box::isInside(const Box& ancestor) const {
  for (const Box* box = this; box; box = box->mParent) {
    if (box == &ancestor)
      return true;
  }
  return false;
}

void Box::setBoxModel(const Sides<int>& margin, const Sides<int>& border,
                      const Sides<int>& padding) {
  mMargin = margin;
  mBorder = border;
  mPadding = padding;
}

nsRect Box::paddingRect() const {
  return nsRect(mRect.x + mBorder.left, mRect.y + mBorder.top,
                std::max(0, mRect.width - mBorder.horizontal()),
                std::max(0, mRect.height - mBorder.vertical()));
}

nsRect Box::contentRect() const {
  nsRect padding = paddingRect();
  return nsRect(padding.x + mPadding.left, padding.y + mPadding.top,
                std::max(0, padding.width - mPadding.horizontal()),
                std::max(0, padding.height - mPadding.vertical()));
}

void Box::unionFragments() {
  if (mFragments.empty())
    return;
  int left = mFragments[0].rect.x;
  int top = mFragments[0].rect.y;
  int right = mFragments[0].rect.XMost();
  int bottom = mFragments[0].rect.YMost();
  for (const Fragment& fragment : mFragments) {
    left = std::min(left, fragment.rect.x);
    top = std::min(top, fragment.rect.y);
    right = std::max(right, fragment.rect.XMost());
    bottom = std::max(bottom, fragment.rect.YMost());
  }
  mRect.SetRect(left, top, right - left, bottom - top);
}

void Box::translate(int dx, int dy) {
  if (dx == 0 && dy == 0)
    return;
  mRect.MoveBy(dx, dy);
  for (Fragment& fragment : mFragments)
    fragment.rect.MoveBy(dx, dy);
  for (auto& child : mChildren)
    child->translate(dx, dy);
}

nsRect Box::scrollport() const {
  nsRect port = paddingRect();
  if (mScrollArea) {
    port.width = std::max(0, port.width - mScrollArea->verticalBarWidth());
    port.height = std::max(0, port.height - mScrollArea->horizontalBarHeight());
  }
  return port;
}

void* Box::QueryFrame(FrameIID id) {
  return id == nsQueryFrame::nsIFrame_id ? static_cast<nsIFrame*>(this) : nullptr;
}

nsIContent* Box::GetContent() const {
  return mNode ? mNode->asContent() : nullptr;
}

nsRect Box::GetRect() const {
  nsRect relative = mRect;
  if (mParent)
    relative.MoveBy(-mParent->mRect.x, -mParent->mRect.y);
  return nsRect(relative.x * kAppUnitsPerCSSPixel, relative.y * kAppUnitsPerCSSPixel,
                relative.width * kAppUnitsPerCSSPixel, relative.height * kAppUnitsPerCSSPixel);
}

nsIFrame* Box::GetNextSibling() const {
  if (!mParent || mIndexInParent + 1 >= mParent->mChildren.size())
    return nullptr;
  return mParent->mChildren[mIndexInParent + 1].get();
}

}  // namespace geckohost::layout
