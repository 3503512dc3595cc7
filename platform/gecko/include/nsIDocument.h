// Declares the part of nsIDocument that this code base uses: a document's address, the
// shell and window that show it, its parent document (for documents shown in frames) and
// its root. Reached by QueryInterface from nsIDOMDocument. The plain pointers it answers are
// not referenced for the caller. (In Gecko it derives from nsINode.)
#ifndef nsIDocument_h___
#define nsIDocument_h___

#include "nsCOMPtr.h"
#include "nsISupports.h"

class nsIContent;
class nsIPresShell;
class nsIScriptGlobalObject;
class nsIURI;
class nsPIDOMWindow;

#define NS_IDOCUMENT_IID                             \
  {                                                  \
    0xe637496e, 0xeb42, 0x4df4, {                    \
      0x8d, 0x39, 0xcf, 0x66, 0xb8, 0x04, 0xbf, 0xc6 \
    }                                                \
  }

class nsIDocument : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOCUMENT_IID)

  virtual nsIURI* GetDocumentURI() const = 0;
  // The presentation shell of the document, null while it is not shown.
  virtual nsIPresShell* GetPrimaryShell() const = 0;
  // The document that contains the frame element showing this one; null at the top.
  virtual nsIDocument* GetParentDocument() const = 0;
  virtual nsIContent* GetRootContent() const = 0;
  // The inner window of the document, as its script global object; null without a window.
  virtual nsIScriptGlobalObject* GetScriptGlobalObject() const = 0;
  // The outer window that shows the document.
  virtual nsPIDOMWindow* GetWindow() = 0;
  // The document shell that shows the document (a new reference), or null.
  virtual already_AddRefed<nsISupports> GetContainer() const = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDocument, NS_IDOCUMENT_IID)

#endif
