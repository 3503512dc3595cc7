// The box of a drop-down select (size 0 or 1, not multiple), which is also its combo box
// control frame: do_QueryFrame(primaryFrame) to nsIComboboxControlFrame finds it. Whether the
// list is open is kept by the layout's DropDownStates, so it survives re-layout.
#ifndef GECKOHOST_LAYOUT_COMBOBOXBOX_H
#define GECKOHOST_LAYOUT_COMBOBOXBOX_H

#include "layout/Box.h"
#include "layout/DropDownListFrame.h"
#include "nsIComboboxControlFrame.h"

namespace geckohost::dom {
class HTMLSelectElement;
}

namespace geckohost::layout {

class DropDownStates;

class ComboboxBox final : public Box, public nsIComboboxControlFrame {
 public:
  ComboboxBox(dom::HTMLSelectElement& select, const ComputedStyle& style, DropDownStates& states);
  ~ComboboxBox() override;

  dom::HTMLSelectElement& select() const;
  const DropDownListFrame& listFrame() const { return mList; }

  // nsQueryFrame (both faces)
  void* QueryFrame(FrameIID id) override;

  // nsIComboboxControlFrame
  PRBool IsDroppedDown() override;
  void ShowDropDown(PRBool aDoDropDown) override;
  // The list frame (the open list's while it is open); one set with SetDropDown takes its
  // place.
  nsIFrame* GetDropDown() override;
  void SetDropDown(nsIFrame* aDropDownFrame) override { mReplacementList = aDropDownFrame; }
  void RollupFromList() override { ShowDropDown(false); }
  // The selected option's index, -1 when none is selected.
  PRInt32 GetIndexOfDisplayArea() override;

 private:
  DropDownStates& mStates;  // weak; the document's layout owns it and outlives its boxes
  DropDownListFrame mList;
  nsIFrame* mReplacementList = nullptr;  // weak
};

}  // namespace geckohost::layout

#endif
