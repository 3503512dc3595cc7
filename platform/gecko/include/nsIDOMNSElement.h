// Gecko's extensions of every element, reached by QueryInterface from nsIDOMElement: client
// and scroll geometry in CSS pixels, client rectangles, element-only traversal, class lists.
#ifndef __gen_nsIDOMNSElement_h__
#define __gen_nsIDOMNSElement_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMClientRect;
class nsIDOMClientRectList;
class nsIDOMDOMTokenList;
class nsIDOMElement;
class nsIDOMNodeList;

#define NS_IDOMNSELEMENT_IID_STR "c9da11bc-32d4-425e-a91f-7e0939c39251"

#define NS_IDOMNSELEMENT_IID                         \
  {                                                  \
    0xc9da11bc, 0x32d4, 0x425e, {                    \
      0xa9, 0x1f, 0x7e, 0x09, 0x39, 0xc3, 0x92, 0x51 \
    }                                                \
  }

class nsIDOMNSElement : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNSELEMENT_IID)

  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetClientRects(nsIDOMClientRectList** _retval) = 0;
  NS_IMETHOD GetBoundingClientRect(nsIDOMClientRect** _retval) = 0;
  NS_IMETHOD GetScrollTop(PRInt32* aScrollTop) = 0;
  NS_IMETHOD SetScrollTop(PRInt32 aScrollTop) = 0;
  NS_IMETHOD GetScrollLeft(PRInt32* aScrollLeft) = 0;
  NS_IMETHOD SetScrollLeft(PRInt32 aScrollLeft) = 0;
  NS_IMETHOD GetScrollHeight(PRInt32* aScrollHeight) = 0;
  NS_IMETHOD GetScrollWidth(PRInt32* aScrollWidth) = 0;
  NS_IMETHOD GetClientTop(PRInt32* aClientTop) = 0;
  NS_IMETHOD GetClientLeft(PRInt32* aClientLeft) = 0;
  NS_IMETHOD GetClientHeight(PRInt32* aClientHeight) = 0;
  NS_IMETHOD GetClientWidth(PRInt32* aClientWidth) = 0;
  NS_IMETHOD GetFirstElementChild(nsIDOMElement** aFirstElementChild) = 0;
  NS_IMETHOD GetLastElementChild(nsIDOMElement** aLastElementChild) = 0;
  NS_IMETHOD GetPreviousElementSibling(nsIDOMElement** aPreviousElementSibling) = 0;
  NS_IMETHOD GetNextElementSibling(nsIDOMElement** aNextElementSibling) = 0;
  NS_IMETHOD GetChildElementCount(PRUint32* aChildElementCount) = 0;
  NS_IMETHOD GetChildren(nsIDOMNodeList** aChildren) = 0;
  NS_IMETHOD GetClassList(nsIDOMDOMTokenList** aClassList) = 0;
  NS_IMETHOD MozMatchesSelector(const nsAString& selector, PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNSElement, NS_IDOMNSELEMENT_IID)

// Declares every method of nsIDOMNSElement in a class that implements it.
#define NS_DECL_NSIDOMNSELEMENT                                                                   \
  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) override; \
  NS_IMETHOD GetClientRects(nsIDOMClientRectList** _retval) override;                             \
  NS_IMETHOD GetBoundingClientRect(nsIDOMClientRect** _retval) override;                          \
  NS_IMETHOD GetScrollTop(PRInt32* aScrollTop) override;                                          \
  NS_IMETHOD SetScrollTop(PRInt32 aScrollTop) override;                                           \
  NS_IMETHOD GetScrollLeft(PRInt32* aScrollLeft) override;                                        \
  NS_IMETHOD SetScrollLeft(PRInt32 aScrollLeft) override;                                         \
  NS_IMETHOD GetScrollHeight(PRInt32* aScrollHeight) override;                                    \
  NS_IMETHOD GetScrollWidth(PRInt32* aScrollWidth) override;                                      \
  NS_IMETHOD GetClientTop(PRInt32* aClientTop) override;                                          \
  NS_IMETHOD GetClientLeft(PRInt32* aClientLeft) override;                                        \
  NS_IMETHOD GetClientHeight(PRInt32* aClientHeight) override;                                    \
  NS_IMETHOD GetClientWidth(PRInt32* aClientWidth) override;                                      \
  NS_IMETHOD GetFirstElementChild(nsIDOMElement** aFirstElementChild) override;                   \
  NS_IMETHOD GetLastElementChild(nsIDOMElement** aLastElementChild) override;                     \
  NS_IMETHOD GetPreviousElementSibling(nsIDOMElement** aPreviousElementSibling) override;         \
  NS_IMETHOD GetNextElementSibling(nsIDOMElement** aNextElementSibling) override;                 \
  NS_IMETHOD GetChildElementCount(PRUint32* aChildElementCount) override;                         \
  NS_IMETHOD GetChildren(nsIDOMNodeList** aChildren) override;                                    \
  NS_IMETHOD GetClassList(nsIDOMDOMTokenList** aClassList) override;                              \
  NS_IMETHOD MozMatchesSelector(const nsAString& selector, PRBool* _retval) override;

// Implements every method of nsIDOMNSElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMNSELEMENT(_to)                                                            \
  NS_IMETHOD GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByClassName(classes, _retval);                                           \
  }                                                                                                \
  NS_IMETHOD GetClientRects(nsIDOMClientRectList** _retval) override {                             \
    return _to GetClientRects(_retval);                                                            \
  }                                                                                                \
  NS_IMETHOD GetBoundingClientRect(nsIDOMClientRect** _retval) override {                          \
    return _to GetBoundingClientRect(_retval);                                                     \
  }                                                                                                \
  NS_IMETHOD GetScrollTop(PRInt32* aScrollTop) override {                                          \
    return _to GetScrollTop(aScrollTop);                                                           \
  }                                                                                                \
  NS_IMETHOD SetScrollTop(PRInt32 aScrollTop) override {                                           \
    return _to SetScrollTop(aScrollTop);                                                           \
  }                                                                                                \
  NS_IMETHOD GetScrollLeft(PRInt32* aScrollLeft) override {                                        \
    return _to GetScrollLeft(aScrollLeft);                                                         \
  }                                                                                                \
  NS_IMETHOD SetScrollLeft(PRInt32 aScrollLeft) override {                                         \
    return _to SetScrollLeft(aScrollLeft);                                                         \
  }                                                                                                \
  NS_IMETHOD GetScrollHeight(PRInt32* aScrollHeight) override {                                    \
    return _to GetScrollHeight(aScrollHeight);                                                     \
  }                                                                                                \
  NS_IMETHOD GetScrollWidth(PRInt32* aScrollWidth) override {                                      \
    return _to GetScrollWidth(aScrollWidth);                                                       \
  }                                                                                                \
  NS_IMETHOD GetClientTop(PRInt32* aClientTop) override {                                          \
    return _to GetClientTop(aClientTop);                                                           \
  }                                                                                                \
  NS_IMETHOD GetClientLeft(PRInt32* aClientLeft) override {                                        \
    return _to GetClientLeft(aClientLeft);                                                         \
  }                                                                                                \
  NS_IMETHOD GetClientHeight(PRInt32* aClientHeight) override {                                    \
    return _to GetClientHeight(aClientHeight);                                                     \
  }                                                                                                \
  NS_IMETHOD GetClientWidth(PRInt32* aClientWidth) override {                                      \
    return _to GetClientWidth(aClientWidth);                                                       \
  }                                                                                                \
  NS_IMETHOD GetFirstElementChild(nsIDOMElement** aFirstElementChild) override {                   \
    return _to GetFirstElementChild(aFirstElementChild);                                           \
  }                                                                                                \
  NS_IMETHOD GetLastElementChild(nsIDOMElement** aLastElementChild) override {                     \
    return _to GetLastElementChild(aLastElementChild);                                             \
  }                                                                                                \
  NS_IMETHOD GetPreviousElementSibling(nsIDOMElement** aPreviousElementSibling) override {         \
    return _to GetPreviousElementSibling(aPreviousElementSibling);                                 \
  }                                                                                                \
  NS_IMETHOD GetNextElementSibling(nsIDOMElement** aNextElementSibling) override {                 \
    return _to GetNextElementSibling(aNextElementSibling);                                         \
  }                                                                                                \
  NS_IMETHOD GetChildElementCount(PRUint32* aChildElementCount) override {                         \
    return _to GetChildElementCount(aChildElementCount);                                           \
  }                                                                                                \
  NS_IMETHOD GetChildren(nsIDOMNodeList** aChildren) override {                                    \
    return _to GetChildren(aChildren);                                                             \
  }                                                                                                \
  NS_IMETHOD GetClassList(nsIDOMDOMTokenList** aClassList) override {                              \
    return _to GetClassList(aClassList);                                                           \
  }                                                                                                \
  NS_IMETHOD MozMatchesSelector(const nsAString& selector, PRBool* _retval) override {             \
    return _to MozMatchesSelector(selector, _retval);                                              \
  }

#endif
