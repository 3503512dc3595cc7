// Frame-to-frame interface discovery. Layout frames are not XPCOM objects: a frame answers
// QueryFrame with a pointer for each frame class or frame interface it is, and do_QueryFrame
// turns that into a typed pointer. Nothing is reference counted.
//
//   nsIComboboxControlFrame* combo = do_QueryFrame(frame);
#ifndef nsQueryFrame_h
#define nsQueryFrame_h

#include "nscore.h"

class nsQueryFrame {
 public:
  // The frame ids this code base asks for. nsListControlFrame_id keeps Gecko 1.9.2's number
  // because code compares against it; the others are numbered here and only need to differ.
  enum FrameIID {
    nsComboboxControlFrame_id = 10,
    nsIComboboxControlFrame_id = 36,
    nsIFrame_id = 38,
    nsIListControlFrame_id = 40,
    nsListControlFrame_id = 63,
    // Never the id of a frame class.
    NON_FRAME_MARKER = 0x40000000
  };

  // The frame as the class or interface `id` names, or null.
  virtual void* QueryFrame(FrameIID id) = 0;

 protected:
  ~nsQueryFrame() = default;
};

// Inside a frame class or frame interface: the id that do_QueryFrame asks for.
#define NS_DECL_QUERYFRAME_TARGET(classname) \
  static const nsQueryFrame::FrameIID kFrameIID = nsQueryFrame::classname##_id;

// Inside a frame class that answers QueryFrame itself.
#define NS_DECL_QUERYFRAME void* QueryFrame(FrameIID id) override;

// Converts to any frame type that declares its kFrameIID; null when the frame is not of it.
class do_QueryFrame {
 public:
  explicit do_QueryFrame(nsQueryFrame* aFrame) : mRawPtr(aFrame) {}

  template <class Dest>
  operator Dest*() const {
    if (!mRawPtr)
      return nsnull;
    return static_cast<Dest*>(mRawPtr->QueryFrame(Dest::kFrameIID));
  }

 private:
  nsQueryFrame* mRawPtr;
};

#endif
