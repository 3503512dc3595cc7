// Gecko's extensions of every HTML element, reached by QueryInterface from nsIDOMHTMLElement:
// the offset box in CSS pixels, inner HTML, focus, and scrolling into view.
#ifndef __gen_nsIDOMNSHTMLElement_h__
#define __gen_nsIDOMNSHTMLElement_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMElement;

#define NS_IDOMNSHTMLELEMENT_IID_STR "7f142f9a-fba7-4949-93d6-cf08a974ac51"

#define NS_IDOMNSHTMLELEMENT_IID                     \
  {                                                  \
    0x7f142f9a, 0xfba7, 0x4949, {                    \
      0x93, 0xd6, 0xcf, 0x08, 0xa9, 0x74, 0xac, 0x51 \
    }                                                \
  }

class nsIDOMNSHTMLElement : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNSHTMLELEMENT_IID)

  NS_IMETHOD GetOffsetTop(PRInt32* aOffsetTop) = 0;
  NS_IMETHOD GetOffsetLeft(PRInt32* aOffsetLeft) = 0;
  NS_IMETHOD GetOffsetWidth(PRInt32* aOffsetWidth) = 0;
  NS_IMETHOD GetOffsetHeight(PRInt32* aOffsetHeight) = 0;
  NS_IMETHOD GetOffsetParent(nsIDOMElement** aOffsetParent) = 0;
  NS_IMETHOD GetInnerHTML(nsAString& aInnerHTML) = 0;
  NS_IMETHOD SetInnerHTML(const nsAString& aInnerHTML) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetContentEditable(nsAString& aContentEditable) = 0;
  NS_IMETHOD SetContentEditable(const nsAString& aContentEditable) = 0;
  NS_IMETHOD GetDraggable(PRBool* aDraggable) = 0;
  NS_IMETHOD SetDraggable(PRBool aDraggable) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
  // Aligns the element with the top (top true) or the bottom of the visible area.
  NS_IMETHOD ScrollIntoView(PRBool top) = 0;
  NS_IMETHOD GetSpellcheck(PRBool* aSpellcheck) = 0;
  NS_IMETHOD SetSpellcheck(PRBool aSpellcheck) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNSHTMLElement, NS_IDOMNSHTMLELEMENT_IID)

// Declares every method of nsIDOMNSHTMLElement in a class that implements it.
#define NS_DECL_NSIDOMNSHTMLELEMENT                                          \
  NS_IMETHOD GetOffsetTop(PRInt32* aOffsetTop) override;                     \
  NS_IMETHOD GetOffsetLeft(PRInt32* aOffsetLeft) override;                   \
  NS_IMETHOD GetOffsetWidth(PRInt32* aOffsetWidth) override;                 \
  NS_IMETHOD GetOffsetHeight(PRInt32* aOffsetHeight) override;               \
  NS_IMETHOD GetOffsetParent(nsIDOMElement** aOffsetParent) override;        \
  NS_IMETHOD GetInnerHTML(nsAString& aInnerHTML) override;                   \
  NS_IMETHOD SetInnerHTML(const nsAString& aInnerHTML) override;             \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;                       \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;                        \
  NS_IMETHOD GetContentEditable(nsAString& aContentEditable) override;       \
  NS_IMETHOD SetContentEditable(const nsAString& aContentEditable) override; \
  NS_IMETHOD GetDraggable(PRBool* aDraggable) override;                      \
  NS_IMETHOD SetDraggable(PRBool aDraggable) override;                       \
  NS_IMETHOD Blur(void) override;                                            \
  NS_IMETHOD Focus(void) override;                                           \
  NS_IMETHOD ScrollIntoView(PRBool top) override;                            \
  NS_IMETHOD GetSpellcheck(PRBool* aSpellcheck) override;                    \
  NS_IMETHOD SetSpellcheck(PRBool aSpellcheck) override;

// Implements every method of nsIDOMNSHTMLElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMNSHTMLELEMENT(_to)                                   \
  NS_IMETHOD GetOffsetTop(PRInt32* aOffsetTop) override {                     \
    return _to GetOffsetTop(aOffsetTop);                                      \
  }                                                                           \
  NS_IMETHOD GetOffsetLeft(PRInt32* aOffsetLeft) override {                   \
    return _to GetOffsetLeft(aOffsetLeft);                                    \
  }                                                                           \
  NS_IMETHOD GetOffsetWidth(PRInt32* aOffsetWidth) override {                 \
    return _to GetOffsetWidth(aOffsetWidth);                                  \
  }                                                                           \
  NS_IMETHOD GetOffsetHeight(PRInt32* aOffsetHeight) override {               \
    return _to GetOffsetHeight(aOffsetHeight);                                \
  }                                                                           \
  NS_IMETHOD GetOffsetParent(nsIDOMElement** aOffsetParent) override {        \
    return _to GetOffsetParent(aOffsetParent);                                \
  }                                                                           \
  NS_IMETHOD GetInnerHTML(nsAString& aInnerHTML) override {                   \
    return _to GetInnerHTML(aInnerHTML);                                      \
  }                                                                           \
  NS_IMETHOD SetInnerHTML(const nsAString& aInnerHTML) override {             \
    return _to SetInnerHTML(aInnerHTML);                                      \
  }                                                                           \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {                       \
    return _to GetTabIndex(aTabIndex);                                        \
  }                                                                           \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {                        \
    return _to SetTabIndex(aTabIndex);                                        \
  }                                                                           \
  NS_IMETHOD GetContentEditable(nsAString& aContentEditable) override {       \
    return _to GetContentEditable(aContentEditable);                          \
  }                                                                           \
  NS_IMETHOD SetContentEditable(const nsAString& aContentEditable) override { \
    return _to SetContentEditable(aContentEditable);                          \
  }                                                                           \
  NS_IMETHOD GetDraggable(PRBool* aDraggable) override {                      \
    return _to GetDraggable(aDraggable);                                      \
  }                                                                           \
  NS_IMETHOD SetDraggable(PRBool aDraggable) override {                       \
    return _to SetDraggable(aDraggable);                                      \
  }                                                                           \
  NS_IMETHOD Blur(void) override {                                            \
    return _to Blur();                                                        \
  }                                                                           \
  NS_IMETHOD Focus(void) override {                                           \
    return _to Focus();                                                       \
  }                                                                           \
  NS_IMETHOD ScrollIntoView(PRBool top) override {                            \
    return _to ScrollIntoView(top);                                           \
  }                                                                           \
  NS_IMETHOD GetSpellcheck(PRBool* aSpellcheck) override {                    \
    return _to GetSpellcheck(aSpellcheck);                                    \
  }                                                                           \
  NS_IMETHOD SetSpellcheck(PRBool aSpellcheck) override {                     \
    return _to SetSpellcheck(aSpellcheck);                                    \
  }

#endif
