#include "layout/ComboboxBox.h"

#include <algorithm>

#include "dom/HTMLSelectElement.h"
#include "layout/DropDownStates.h"

namespace geckohost::layout {

ComboboxBox::ComboboxBox(dom::HTMLSelectElement& select, const ComputedStyle& style,
                         DropDownStates& states)
    : Box(BoxKind::Control, &select, style), mStates(states), mList(this) {
  setControlType(ControlType::ComboBox);
  mStates.adopt(*this);
}

ComboboxBox::~ComboboxBox() {
  mStates.release(*this);
}

dom::HTMLSelectElement& ComboboxBox::select() const {
  return *static_cast<dom::HTMLSelectElement*>(node());
}

void* ComboboxBox::QueryFrame(FrameIID id) {
  if (id == nsQueryFrame::nsIComboboxControlFrame_id ||
      id == nsQueryFrame::nsComboboxControlFrame_id) {
    return static_cast<nsIComboboxControlFrame*>(this);
  }
  return Box::QueryFrame(id);
}

PRBool ComboboxBox::IsDroppedDown() {
  return mStates.isOpen(select());
}

void ComboboxBox::ShowDropDown(PRBool aDoDropDown) {
  mStates.setOpen(*this, aDoDropDown);
}

nsIFrame* ComboboxBox::GetDropDown() {
  if (mReplacementList)
    return mReplacementList;
  DropDownListFrame* open = mStates.openList(select());
  return open ? open : &mList;
}

PRInt32 ComboboxBox::GetIndexOfDisplayArea() {
  return select().selectedIndex();
}

}  // namespace geckohost::layout
