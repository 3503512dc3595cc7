// Declares the part of nsIPresShell that this code base uses: the document a presentation
// shell lays out, its view manager, and the frames of content nodes. Reached from a
// document shell or a document.
#ifndef nsIPresShell_h___
#define nsIPresShell_h___

#include "nsISupports.h"

class nsIContent;
class nsIDocument;
class nsIFrame;
class nsIViewManager;

#define NS_IPRESSHELL_IID                            \
  {                                                  \
    0x882a6b35, 0xf5bc, 0x44ae, {                    \
      0xb2, 0x2b, 0x22, 0x63, 0x14, 0x75, 0xba, 0xb9 \
    }                                                \
  }

class nsIPresShell : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IPRESSHELL_IID)

  virtual nsIDocument* GetDocument() const = 0;
  virtual nsIViewManager* GetViewManager() const = 0;
  virtual nsIFrame* GetRootFrame() const = 0;
  // The first frame made for the content node, null when it has no box (display:none).
  // Valid until the next layout change.
  virtual nsIFrame* GetPrimaryFrameFor(nsIContent* aContent) const = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIPresShell, NS_IPRESSHELL_IID)

#endif
