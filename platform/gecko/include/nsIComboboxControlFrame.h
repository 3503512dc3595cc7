// Declares the part of nsIComboboxControlFrame that this code base uses: the frame of a
// drop-down select element, reached with do_QueryFrame from its primary frame. Its drop-down
// frame is the list control frame of the popup.
#ifndef nsIComboboxControlFrame_h___
#define nsIComboboxControlFrame_h___

#include "nsQueryFrame.h"

class nsIFrame;

class nsIComboboxControlFrame : public nsQueryFrame {
 public:
  NS_DECL_QUERYFRAME_TARGET(nsIComboboxControlFrame)

  // Whether the list is open.
  virtual PRBool IsDroppedDown() = 0;
  virtual void ShowDropDown(PRBool aDoDropDown) = 0;
  // The frame of the list, shown in its own popup widget while open.
  virtual nsIFrame* GetDropDown() = 0;
  virtual void SetDropDown(nsIFrame* aDropDownFrame) = 0;
  virtual void RollupFromList() = 0;
  // The index of the option shown in the closed box.
  virtual PRInt32 GetIndexOfDisplayArea() = 0;

 protected:
  ~nsIComboboxControlFrame() = default;
};

#endif
