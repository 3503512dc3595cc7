#include "layout/DropDownStates.h"

#include <algorithm>

#include "dom/HTMLSelectElement.h"
#include "layout/ComboboxBox.h"

namespace geckohost::layout {

const DropDownStates::OpenList* DropDownStates::find(const dom::Element& select) const {
  for (const OpenList& open : mOpen) {
    if (open.select.get() == &select)
      return &open;
  }
  return nullptr;
}

bool DropDownStates::isOpen(const dom::Element& select) const {
  return find(select) != nullptr;
}

DropDownListFrame* DropDownStates::openList(const dom::Element& select) const {
  const OpenList* open = find(select);
  return open ? open->frame.get() : nullptr;
}

std::vector<dom::Element*> DropDownStates::openSelects() const {
  std::vector<dom::Element*> selects;
  for (const OpenList& open : mOpen)
    selects.push_back(open.select.get());
  return selects;
}

void DropDownStates::setOpen(ComboboxBox& box, bool open) {
  dom::Element& select = box.select();
  if (!open) {
    close(select);
    return;
  }
  if (isOpen(select))
    return;
  mOpen.push_back(OpenList{&select, std::make_unique<DropDownListFrame>(&box)});
  mOpen.back().frame->showRow(box.select().selectedIndex());
  if (mListener)
    mListener(select, true);
}

void DropDownStates::close(dom::Element& select) {
  auto found = std::find_if(mOpen.begin(), mOpen.end(),
                            [&](const OpenList& open) { return open.select.get() == &select; });
  if (found == mOpen.end())
    return;
  // The listener takes the popup down while the frame its view points at still exists.
  OpenList closing = std::move(*found);
  mOpen.erase(found);
  if (mListener)
    mListener(select, false);
}

void DropDownStates::adopt(ComboboxBox& box) {
  if (DropDownListFrame* list = openList(box.select()))
    list->setOwner(&box);
}

void DropDownStates::release(ComboboxBox& box) {
  for (OpenList& open : mOpen) {
    if (open.frame->owner() == &box)
      open.frame->setOwner(nullptr);
  }
}

void DropDownStates::closeUnless(const std::function<bool(const dom::Element&)>& stillComboBox) {
  std::vector<RefPtr<dom::Element>> closing;
  for (const OpenList& open : mOpen) {
    if (!stillComboBox(*open.select))
      closing.push_back(open.select);
  }
  for (const RefPtr<dom::Element>& select : closing)
    close(*select);
}

}  // namespace geckohost::layout
