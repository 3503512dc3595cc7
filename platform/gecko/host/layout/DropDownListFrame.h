// The frame of a drop-down select's list, as nsIComboboxControlFrame::GetDropDown answers it:
// Gecko's list control frame (QueryFrame answers nsListControlFrame_id). It exists whether or
// not the list is open; its rect is where the open list shows: right below the select's box,
// as wide as it, one 16 pixel row per option (at most 20 rows) plus a 1 pixel border above and
// below. A longer list scrolls.
//
// While the list is open its frame is the one DropDownStates keeps, which outlives layouts
// (each new combo box takes it over): the popup's view points back at it as its client data,
// and the frame's view is that popup view.
#ifndef GECKOHOST_LAYOUT_DROPDOWNLISTFRAME_H
#define GECKOHOST_LAYOUT_DROPDOWNLISTFRAME_H

#include "nsIFrame.h"

namespace geckohost::layout {

class ComboboxBox;

class DropDownListFrame final : public nsIFrame {
 public:
  explicit DropDownListFrame(ComboboxBox* owner) : mOwner(owner) {}

  // The list's rectangle in CSS pixels, canvas coordinates; empty without an owner.
  nsRect rectInCanvas() const;
  // The combo box laid out for the select now; null between its box going and the list
  // closing.
  ComboboxBox* owner() const { return mOwner; }
  void setOwner(ComboboxBox* owner) { mOwner = owner; }
  // The popup's view while the list shows (weak; the windows side owns it and clears it).
  void setView(nsIView* view) { mView = view; }

  static constexpr int kMaxRows = 20;

  // The list scrolls by whole rows. The first row it shows (kept within the rows there are);
  // showRow scrolls just far enough for row `index` to show, as Gecko's list control frame
  // does when its selection changes or it drops down.
  int firstRow() const;
  void showRow(int index);

  // nsIFrame
  void* QueryFrame(FrameIID id) override;
  nsIContent* GetContent() const override;
  nsIFrame* GetParent() const override;
  nsRect GetRect() const override;
  nsIView* GetView() const override { return mView; }
  nsIFrame* GetNextSibling() const override { return nullptr; }

 private:
  ComboboxBox* mOwner;       // weak; owns us, or (open list) is laid out for the select now
  nsIView* mView = nullptr;  // weak
  int mFirstRow = 0;
};

}  // namespace geckohost::layout

#endif
