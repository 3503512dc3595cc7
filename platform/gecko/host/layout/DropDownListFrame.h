// The frame of a drop-down select's list, as nsIComboboxControlFrame::GetDropDown answers it.
// It exists whether or not the list is open; its rect is where the open list shows: right
// below the select's box, as wide as it, one 16 pixel row per option (at most 20 rows) plus a
// 1 pixel border above and below.
#ifndef GECKOHOST_LAYOUT_DROPDOWNLISTFRAME_H
#define GECKOHOST_LAYOUT_DROPDOWNLISTFRAME_H

#include "nsIFrame.h"

namespace geckohost::layout {

class ComboboxBox;

class DropDownListFrame final : public nsIFrame {
 public:
  explicit DropDownListFrame(ComboboxBox& owner) : mOwner(owner) {}

  // The list's rectangle in CSS pixels, canvas coordinates.
  nsRect rectInCanvas() const;

  static constexpr int kMaxRows = 20;

  // nsIFrame
  void* QueryFrame(FrameIID id) override;
  nsIContent* GetContent() const override;
  nsIFrame* GetParent() const override;
  nsRect GetRect() const override;
  nsIView* GetView() const override { return nullptr; }
  nsIFrame* GetNextSibling() const override { return nullptr; }

 private:
  ComboboxBox& mOwner;  // owns us
};

}  // namespace geckohost::layout

#endif
