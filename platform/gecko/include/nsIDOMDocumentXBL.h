// The XBL side of a document, reached by QueryInterface from nsIDOMDocument: the anonymous
// content that bindings generate for an element (a XUL dialog's button box, for one).
#ifndef __gen_nsIDOMDocumentXBL_h__
#define __gen_nsIDOMDocumentXBL_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMElement;
class nsIDOMNode;
class nsIDOMNodeList;

#define NS_IDOMDOCUMENTXBL_IID_STR "c5acbc5a-2360-480e-8151-55792c2ca27a"

#define NS_IDOMDOCUMENTXBL_IID                       \
  {                                                  \
    0xc5acbc5a, 0x2360, 0x480e, {                    \
      0x81, 0x51, 0x55, 0x79, 0x2c, 0x2c, 0xa2, 0x7a \
    }                                                \
  }

class nsIDOMDocumentXBL : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENTXBL_IID)

  NS_IMETHOD GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,
                                            const nsAString& attrValue,
                                            nsIDOMElement** _retval) = 0;
  NS_IMETHOD AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) = 0;
  NS_IMETHOD RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) = 0;
  NS_IMETHOD GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) = 0;
  NS_IMETHOD LoadBindingDocument(const nsAString& documentURL) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMDocumentXBL, NS_IDOMDOCUMENTXBL_IID)

// Declares every method of nsIDOMDocumentXBL in a class that implements it.
#define NS_DECL_NSIDOMDOCUMENTXBL                                                                \
  NS_IMETHOD GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) override;           \
  NS_IMETHOD GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,       \
                                            const nsAString& attrValue, nsIDOMElement** _retval) \
      override;                                                                                  \
  NS_IMETHOD AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) override;               \
  NS_IMETHOD RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) override;            \
  NS_IMETHOD GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) override;               \
  NS_IMETHOD LoadBindingDocument(const nsAString& documentURL) override;

// Implements every method of nsIDOMDocumentXBL by calling the same method of _to.
#define NS_FORWARD_NSIDOMDOCUMENTXBL(_to)                                                        \
  NS_IMETHOD GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) override {          \
    return _to GetAnonymousNodes(elt, _retval);                                                  \
  }                                                                                              \
  NS_IMETHOD GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,       \
                                            const nsAString& attrValue, nsIDOMElement** _retval) \
      override {                                                                                 \
    return _to GetAnonymousElementByAttribute(elt, attrName, attrValue, _retval);                \
  }                                                                                              \
  NS_IMETHOD AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) override {              \
    return _to AddBinding(elt, bindingURL);                                                      \
  }                                                                                              \
  NS_IMETHOD RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) override {           \
    return _to RemoveBinding(elt, bindingURL);                                                   \
  }                                                                                              \
  NS_IMETHOD GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) override {              \
    return _to GetBindingParent(node, _retval);                                                  \
  }                                                                                              \
  NS_IMETHOD LoadBindingDocument(const nsAString& documentURL) override {                        \
    return _to LoadBindingDocument(documentURL);                                                 \
  }

#endif
