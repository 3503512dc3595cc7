// Declares the part of nsPIDOMWindow, the private side of a DOM window, that this code base
// uses: inner and outer windows, and the document shell, document and frame element of a
// window. Reached by QueryInterface from nsIDOMWindow. The plain pointers it answers are not
// referenced for the caller.
#ifndef nsPIDOMWindow_h__
#define nsPIDOMWindow_h__

#include "nsIDOMWindowInternal.h"

class nsIDOMDocument;
class nsIDOMElement;
class nsIDocShell;

#define NS_PIDOMWINDOW_IID                           \
  {                                                  \
    0x6bc36358, 0xd99a, 0x441f, {                    \
      0x9e, 0x8d, 0xf0, 0x88, 0x41, 0x5c, 0x96, 0x29 \
    }                                                \
  }

class nsPIDOMWindow : public nsIDOMWindowInternal {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_PIDOMWINDOW_IID)

  // The outer window at the top of the chrome tree.
  virtual nsPIDOMWindow* GetPrivateRoot() = 0;
  // The document, if one was made; unlike GetDocument this never creates one.
  virtual nsIDOMDocument* GetExtantDocument() const = 0;
  virtual PRBool IsInnerWindow() const = 0;
  virtual PRBool IsOuterWindow() const = 0;
  // For an inner window its outer window; an outer window answers itself.
  virtual nsPIDOMWindow* GetOuterWindow() = 0;
  virtual nsPIDOMWindow* GetCurrentInnerWindow() const = 0;
  // The document shell of the outer window; null for an inner window.
  virtual nsIDocShell* GetDocShell() = 0;
  virtual nsIDOMElement* GetFrameElementInternal() const = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsPIDOMWindow, NS_PIDOMWINDOW_IID)

#endif
