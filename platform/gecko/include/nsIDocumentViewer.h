// Declares the part of nsIDocumentViewer that this code base uses: the content viewer of a
// document, with the document and the presentation shell it shows. Reached by
// QueryInterface from the nsIContentViewer of a document shell.
#ifndef nsIDocumentViewer_h___
#define nsIDocumentViewer_h___

#include "nsIContentViewer.h"

class nsIDocument;
class nsIPresShell;
class nsPresContext;

#define NS_IDOCUMENT_VIEWER_IID                      \
  {                                                  \
    0x1c5c05c3, 0xa57d, 0x45b5, {                    \
      0x9d, 0xc6, 0x48, 0x64, 0xe1, 0x04, 0x72, 0xe8 \
    }                                                \
  }

class nsIDocumentViewer : public nsIContentViewer {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOCUMENT_VIEWER_IID)

  NS_IMETHOD GetDocument(nsIDocument** aResult) = 0;
  NS_IMETHOD GetPresShell(nsIPresShell** aResult) = 0;
  NS_IMETHOD GetPresContext(nsPresContext** aResult) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDocumentViewer, NS_IDOCUMENT_VIEWER_IID)

#endif
