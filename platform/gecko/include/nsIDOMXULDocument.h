// A XUL document (the browser's chrome, a dialog), reached by QueryInterface from its
// nsIDOMDocument: its command dispatcher, elements by attribute value, box objects.
#ifndef __gen_nsIDOMXULDocument_h__
#define __gen_nsIDOMXULDocument_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIBoxObject;
class nsIDOMElement;
class nsIDOMNode;
class nsIDOMNodeList;
class nsIDOMXULCommandDispatcher;
class nsIObserver;

#define NS_IDOMXULDOCUMENT_IID_STR "d55c39b4-b54a-4df5-9e68-09919e4538f9"

#define NS_IDOMXULDOCUMENT_IID                       \
  {                                                  \
    0xd55c39b4, 0xb54a, 0x4df5, {                    \
      0x9e, 0x68, 0x09, 0x91, 0x9e, 0x45, 0x38, 0xf9 \
    }                                                \
  }

class nsIDOMXULDocument : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMXULDOCUMENT_IID)

  NS_IMETHOD GetPopupNode(nsIDOMNode** aPopupNode) = 0;
  NS_IMETHOD SetPopupNode(nsIDOMNode* aPopupNode) = 0;
  NS_IMETHOD GetPopupRangeParent(nsIDOMNode** aPopupRangeParent) = 0;
  NS_IMETHOD GetPopupRangeOffset(PRInt32* aPopupRangeOffset) = 0;
  NS_IMETHOD GetTooltipNode(nsIDOMNode** aTooltipNode) = 0;
  NS_IMETHOD SetTooltipNode(nsIDOMNode* aTooltipNode) = 0;
  NS_IMETHOD GetCommandDispatcher(nsIDOMXULCommandDispatcher** aCommandDispatcher) = 0;
  NS_IMETHOD GetWidth(PRInt32* aWidth) = 0;
  NS_IMETHOD GetHeight(PRInt32* aHeight) = 0;
  // The elements whose attribute `name` has the value `value` ("*" for any), in document
  // order.
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name,
                                      const nsAString& value, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD AddBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,
                                     const nsAString& attr) = 0;
  NS_IMETHOD RemoveBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,
                                        const nsAString& attr) = 0;
  NS_IMETHOD Persist(const nsAString& id, const nsAString& attr) = 0;
  NS_IMETHOD GetBoxObjectFor(nsIDOMElement* elt, nsIBoxObject** _retval) = 0;
  NS_IMETHOD LoadOverlay(const nsAString& url, nsIObserver* aObserver) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMXULDocument, NS_IDOMXULDOCUMENT_IID)

// Declares every method of nsIDOMXULDocument in a class that implements it.
#define NS_DECL_NSIDOMXULDOCUMENT                                                                 \
  NS_IMETHOD GetPopupNode(nsIDOMNode** aPopupNode) override;                                      \
  NS_IMETHOD SetPopupNode(nsIDOMNode* aPopupNode) override;                                       \
  NS_IMETHOD GetPopupRangeParent(nsIDOMNode** aPopupRangeParent) override;                        \
  NS_IMETHOD GetPopupRangeOffset(PRInt32* aPopupRangeOffset) override;                            \
  NS_IMETHOD GetTooltipNode(nsIDOMNode** aTooltipNode) override;                                  \
  NS_IMETHOD SetTooltipNode(nsIDOMNode* aTooltipNode) override;                                   \
  NS_IMETHOD GetCommandDispatcher(nsIDOMXULCommandDispatcher** aCommandDispatcher) override;      \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override;                                                  \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override;                                                \
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,                \
                                    nsIDOMNodeList** _retval) override;                           \
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name,       \
                                      const nsAString& value, nsIDOMNodeList** _retval) override; \
  NS_IMETHOD AddBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,         \
                                     const nsAString& attr) override;                             \
  NS_IMETHOD RemoveBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,      \
                                        const nsAString& attr) override;                          \
  NS_IMETHOD Persist(const nsAString& id, const nsAString& attr) override;                        \
  NS_IMETHOD GetBoxObjectFor(nsIDOMElement* elt, nsIBoxObject** _retval) override;                \
  NS_IMETHOD LoadOverlay(const nsAString& url, nsIObserver* aObserver) override;

// Implements every method of nsIDOMXULDocument by calling the same method of _to.
#define NS_FORWARD_NSIDOMXULDOCUMENT(_to)                                                          \
  NS_IMETHOD GetPopupNode(nsIDOMNode** aPopupNode) override {                                      \
    return _to GetPopupNode(aPopupNode);                                                           \
  }                                                                                                \
  NS_IMETHOD SetPopupNode(nsIDOMNode* aPopupNode) override {                                       \
    return _to SetPopupNode(aPopupNode);                                                           \
  }                                                                                                \
  NS_IMETHOD GetPopupRangeParent(nsIDOMNode** aPopupRangeParent) override {                        \
    return _to GetPopupRangeParent(aPopupRangeParent);                                             \
  }                                                                                                \
  NS_IMETHOD GetPopupRangeOffset(PRInt32* aPopupRangeOffset) override {                            \
    return _to GetPopupRangeOffset(aPopupRangeOffset);                                             \
  }                                                                                                \
  NS_IMETHOD GetTooltipNode(nsIDOMNode** aTooltipNode) override {                                  \
    return _to GetTooltipNode(aTooltipNode);                                                       \
  }                                                                                                \
  NS_IMETHOD SetTooltipNode(nsIDOMNode* aTooltipNode) override {                                   \
    return _to SetTooltipNode(aTooltipNode);                                                       \
  }                                                                                                \
  NS_IMETHOD GetCommandDispatcher(nsIDOMXULCommandDispatcher** aCommandDispatcher) override {      \
    return _to GetCommandDispatcher(aCommandDispatcher);                                           \
  }                                                                                                \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override {                                                  \
    return _to GetWidth(aWidth);                                                                   \
  }                                                                                                \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override {                                                \
    return _to GetHeight(aHeight);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,                 \
                                    nsIDOMNodeList** _retval) override {                           \
    return _to GetElementsByAttribute(name, value, _retval);                                       \
  }                                                                                                \
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name,        \
                                      const nsAString& value, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByAttributeNS(namespaceURI, name, value, _retval);                       \
  }                                                                                                \
  NS_IMETHOD AddBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,          \
                                     const nsAString& attr) override {                             \
    return _to AddBroadcastListenerFor(broadcaster, observer, attr);                               \
  }                                                                                                \
  NS_IMETHOD RemoveBroadcastListenerFor(nsIDOMElement* broadcaster, nsIDOMElement* observer,       \
                                        const nsAString& attr) override {                          \
    return _to RemoveBroadcastListenerFor(broadcaster, observer, attr);                            \
  }                                                                                                \
  NS_IMETHOD Persist(const nsAString& id, const nsAString& attr) override {                        \
    return _to Persist(id, attr);                                                                  \
  }                                                                                                \
  NS_IMETHOD GetBoxObjectFor(nsIDOMElement* elt, nsIBoxObject** _retval) override {                \
    return _to GetBoxObjectFor(elt, _retval);                                                      \
  }                                                                                                \
  NS_IMETHOD LoadOverlay(const nsAString& url, nsIObserver* aObserver) override {                  \
    return _to LoadOverlay(url, aObserver);                                                        \
  }

#endif
