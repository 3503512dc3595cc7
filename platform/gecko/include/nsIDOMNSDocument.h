// Gecko's extensions of every document, reached by QueryInterface from nsIDOMDocument: ready
// state, focus and the active element, and the element at a point of the visible area.
#ifndef __gen_nsIDOMNSDocument_h__
#define __gen_nsIDOMNSDocument_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMElement;
class nsIDOMLocation;
class nsIDOMNodeList;

#define NS_IDOMNSDOCUMENT_IID_STR "09a439ad-4079-46d5-a050-4d7015d1a108"

#define NS_IDOMNSDOCUMENT_IID                        \
  {                                                  \
    0x09a439ad, 0x4079, 0x46d5, {                    \
      0xa0, 0x50, 0x4d, 0x70, 0x15, 0xd1, 0xa1, 0x08 \
    }                                                \
  }

class nsIDOMNSDocument : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNSDOCUMENT_IID)

  NS_IMETHOD GetCharacterSet(nsAString& aCharacterSet) = 0;
  NS_IMETHOD GetDir(nsAString& aDir) = 0;
  NS_IMETHOD SetDir(const nsAString& aDir) = 0;
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) = 0;
  NS_IMETHOD GetTitle(nsAString& aTitle) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  NS_IMETHOD GetContentType(nsAString& aContentType) = 0;
  // "loading", "interactive" or "complete".
  NS_IMETHOD GetReadyState(nsAString& aReadyState) = 0;
  NS_IMETHOD GetLastModified(nsAString& aLastModified) = 0;
  NS_IMETHOD GetReferrer(nsAString& aReferrer) = 0;
  NS_IMETHOD HasFocus(PRBool* _retval) = 0;
  NS_IMETHOD GetActiveElement(nsIDOMElement** aActiveElement) = 0;
  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) = 0;
  // The element at a point given in CSS pixels from the top left corner of the visible area;
  // null outside it.
  NS_IMETHOD ElementFromPoint(PRInt32 x, PRInt32 y, nsIDOMElement** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNSDocument, NS_IDOMNSDOCUMENT_IID)

// Declares every method of nsIDOMNSDocument in a class that implements it.
#define NS_DECL_NSIDOMNSDOCUMENT                                                                  \
  NS_IMETHOD GetCharacterSet(nsAString& aCharacterSet) override;                                  \
  NS_IMETHOD GetDir(nsAString& aDir) override;                                                    \
  NS_IMETHOD SetDir(const nsAString& aDir) override;                                              \
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override;                                    \
  NS_IMETHOD GetTitle(nsAString& aTitle) override;                                                \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override;                                          \
  NS_IMETHOD GetContentType(nsAString& aContentType) override;                                    \
  NS_IMETHOD GetReadyState(nsAString& aReadyState) override;                                      \
  NS_IMETHOD GetLastModified(nsAString& aLastModified) override;                                  \
  NS_IMETHOD GetReferrer(nsAString& aReferrer) override;                                          \
  NS_IMETHOD HasFocus(PRBool* _retval) override;                                                  \
  NS_IMETHOD GetActiveElement(nsIDOMElement** aActiveElement) override;                           \
  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) override; \
  NS_IMETHOD ElementFromPoint(PRInt32 x, PRInt32 y, nsIDOMElement** _retval) override;

// Implements every method of nsIDOMNSDocument by calling the same method of _to.
#define NS_FORWARD_NSIDOMNSDOCUMENT(_to)                                                           \
  NS_IMETHOD GetCharacterSet(nsAString& aCharacterSet) override {                                  \
    return _to GetCharacterSet(aCharacterSet);                                                     \
  }                                                                                                \
  NS_IMETHOD GetDir(nsAString& aDir) override {                                                    \
    return _to GetDir(aDir);                                                                       \
  }                                                                                                \
  NS_IMETHOD SetDir(const nsAString& aDir) override {                                              \
    return _to SetDir(aDir);                                                                       \
  }                                                                                                \
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override {                                    \
    return _to GetLocation(aLocation);                                                             \
  }                                                                                                \
  NS_IMETHOD GetTitle(nsAString& aTitle) override {                                                \
    return _to GetTitle(aTitle);                                                                   \
  }                                                                                                \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override {                                          \
    return _to SetTitle(aTitle);                                                                   \
  }                                                                                                \
  NS_IMETHOD GetContentType(nsAString& aContentType) override {                                    \
    return _to GetContentType(aContentType);                                                       \
  }                                                                                                \
  NS_IMETHOD GetReadyState(nsAString& aReadyState) override {                                      \
    return _to GetReadyState(aReadyState);                                                         \
  }                                                                                                \
  NS_IMETHOD GetLastModified(nsAString& aLastModified) override {                                  \
    return _to GetLastModified(aLastModified);                                                     \
  }                                                                                                \
  NS_IMETHOD GetReferrer(nsAString& aReferrer) override {                                          \
    return _to GetReferrer(aReferrer);                                                             \
  }                                                                                                \
  NS_IMETHOD HasFocus(PRBool* _retval) override {                                                  \
    return _to HasFocus(_retval);                                                                  \
  }                                                                                                \
  NS_IMETHOD GetActiveElement(nsIDOMElement** aActiveElement) override {                           \
    return _to GetActiveElement(aActiveElement);                                                   \
  }                                                                                                \
  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByClassName(classes, _retval);                                           \
  }                                                                                                \
  NS_IMETHOD ElementFromPoint(PRInt32 x, PRInt32 y, nsIDOMElement** _retval) override {            \
    return _to ElementFromPoint(x, y, _retval);                                                    \
  }

#endif
