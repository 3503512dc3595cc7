#include "layout/DropDownListFrame.h"

#include <algorithm>

#include "dom/HTMLSelectElement.h"
#include "layout/ComboboxBox.h"

namespace geckohost::layout {

nsRect DropDownListFrame::rectInCanvas() const {
  if (!mOwner)
    return nsRect();
  const nsRect& box = mOwner->rect();
  int rows = std::min<int>(int(mOwner->select().length()), kMaxRows);
  return nsRect(box.x, box.YMost(), box.width, rows * 16 + 2);
}

int DropDownListFrame::firstRow() const {
  if (!mOwner)
    return 0;
  int rows = int(mOwner->select().length());
  return std::clamp(mFirstRow, 0, std::max(0, rows - kMaxRows));
}

void DropDownListFrame::showRow(int index) {
  if (!mOwner || index < 0 || index >= int(mOwner->select().length()))
    return;
  int first = firstRow();
  if (index < first)
    first = index;
  else if (index >= first + kMaxRows)
    first = index - kMaxRows + 1;
  mFirstRow = first;
}

void* DropDownListFrame::QueryFrame(FrameIID id) {
  if (id == nsQueryFrame::nsIFrame_id || id == nsQueryFrame::nsListControlFrame_id ||
      id == nsQueryFrame::nsIListControlFrame_id) {
    return static_cast<nsIFrame*>(this);
  }
  return nullptr;
}

nsIContent* DropDownListFrame::GetContent() const {
  return mOwner ? mOwner->GetContent() : nullptr;
}

nsIFrame* DropDownListFrame::GetParent() const {
  return mOwner;
}

nsRect DropDownListFrame::GetRect() const {
  if (!mOwner)
    return nsRect();
  nsRect list = rectInCanvas();
  const nsRect& owner = mOwner->rect();
  constexpr int kUnits = Box::kAppUnitsPerCSSPixel;
  return nsRect((list.x - owner.x) * kUnits, (list.y - owner.y) * kUnits, list.width * kUnits,
                list.height * kUnits);
}

}  // namespace geckohost::layout
