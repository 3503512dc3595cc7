// Declares the part of nsIFrame, the layout box of a content node, that this code base uses:
// its content, its parent frame, its rectangle and its view. Frames belong to their
// presentation shell and live until the next layout change; nobody holds references to them.
// Reached through nsIPresShell::GetPrimaryFrameFor and views' client data; other frame
// interfaces through do_QueryFrame.
#ifndef nsIFrame_h___
#define nsIFrame_h___

#include "nsQueryFrame.h"
#include "nsRect.h"

class nsIContent;
class nsIView;

class nsIFrame : public nsQueryFrame {
 public:
  NS_DECL_QUERYFRAME_TARGET(nsIFrame)

  // The content node the frame lays out (not referenced for the caller).
  virtual nsIContent* GetContent() const = 0;
  virtual nsIFrame* GetParent() const = 0;
  // Position relative to the parent frame and size, in app units.
  virtual nsRect GetRect() const = 0;
  // The frame's own view, null for most frames.
  virtual nsIView* GetView() const = 0;
  virtual nsIFrame* GetNextSibling() const = 0;

 protected:
  ~nsIFrame() = default;
};

#endif
