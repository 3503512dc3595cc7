// The DOM Level 3 additions to every node, reached by QueryInterface from nsIDOMNode: text
// content, document order, node identity and equality, namespace lookup, user data.
#ifndef __gen_nsIDOM3Node_h__
#define __gen_nsIDOM3Node_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMNode;
class nsIDOMUserDataHandler;
class nsIVariant;

#define NS_IDOM3NODE_IID_STR "29fb2a18-1dd2-11b2-8dd9-a6fd5d5ad12f"

#define NS_IDOM3NODE_IID                             \
  {                                                  \
    0x29fb2a18, 0x1dd2, 0x11b2, {                    \
      0x8d, 0xd9, 0xa6, 0xfd, 0x5d, 0x5a, 0xd1, 0x2f \
    }                                                \
  }

class nsIDOM3Node : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOM3NODE_IID)

  NS_IMETHOD GetBaseURI(nsAString& aBaseURI) = 0;

  enum { DOCUMENT_POSITION_DISCONNECTED = 0x01U };
  enum { DOCUMENT_POSITION_PRECEDING = 0x02U };
  enum { DOCUMENT_POSITION_FOLLOWING = 0x04U };
  enum { DOCUMENT_POSITION_CONTAINS = 0x08U };
  enum { DOCUMENT_POSITION_CONTAINED_BY = 0x10U };
  enum { DOCUMENT_POSITION_IMPLEMENTATION_SPECIFIC = 0x20U };

  NS_IMETHOD CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) = 0;
  NS_IMETHOD GetTextContent(nsAString& aTextContent) = 0;
  NS_IMETHOD SetTextContent(const nsAString& aTextContent) = 0;
  NS_IMETHOD IsSameNode(nsIDOMNode* other, PRBool* _retval) = 0;
  NS_IMETHOD LookupPrefix(const nsAString& namespaceURI, nsAString& _retval) = 0;
  NS_IMETHOD IsDefaultNamespace(const nsAString& namespaceURI, PRBool* _retval) = 0;
  NS_IMETHOD LookupNamespaceURI(const nsAString& prefix, nsAString& _retval) = 0;
  NS_IMETHOD IsEqualNode(nsIDOMNode* arg, PRBool* _retval) = 0;
  NS_IMETHOD GetFeature(const nsAString& feature, const nsAString& version,
                        nsISupports** _retval) = 0;
  NS_IMETHOD SetUserData(const nsAString& key, nsIVariant* data, nsIDOMUserDataHandler* handler,
                         nsIVariant** _retval) = 0;
  NS_IMETHOD GetUserData(const nsAString& key, nsIVariant** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOM3Node, NS_IDOM3NODE_IID)

// Declares every method of nsIDOM3Node in a class that implements it.
#define NS_DECL_NSIDOM3NODE                                                                        \
  NS_IMETHOD GetBaseURI(nsAString& aBaseURI) override;                                             \
  NS_IMETHOD CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) override;               \
  NS_IMETHOD GetTextContent(nsAString& aTextContent) override;                                     \
  NS_IMETHOD SetTextContent(const nsAString& aTextContent) override;                               \
  NS_IMETHOD IsSameNode(nsIDOMNode* other, PRBool* _retval) override;                              \
  NS_IMETHOD LookupPrefix(const nsAString& namespaceURI, nsAString& _retval) override;             \
  NS_IMETHOD IsDefaultNamespace(const nsAString& namespaceURI, PRBool* _retval) override;          \
  NS_IMETHOD LookupNamespaceURI(const nsAString& prefix, nsAString& _retval) override;             \
  NS_IMETHOD IsEqualNode(nsIDOMNode* arg, PRBool* _retval) override;                               \
  NS_IMETHOD GetFeature(const nsAString& feature, const nsAString& version, nsISupports** _retval) \
      override;                                                                                    \
  NS_IMETHOD SetUserData(const nsAString& key, nsIVariant* data, nsIDOMUserDataHandler* handler,   \
                         nsIVariant** _retval) override;                                           \
  NS_IMETHOD GetUserData(const nsAString& key, nsIVariant** _retval) override;

// Implements every method of nsIDOM3Node by calling the same method of _to.
#define NS_FORWARD_NSIDOM3NODE(_to)                                                                \
  NS_IMETHOD GetBaseURI(nsAString& aBaseURI) override {                                            \
    return _to GetBaseURI(aBaseURI);                                                               \
  }                                                                                                \
  NS_IMETHOD CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) override {              \
    return _to CompareDocumentPosition(other, _retval);                                            \
  }                                                                                                \
  NS_IMETHOD GetTextContent(nsAString& aTextContent) override {                                    \
    return _to GetTextContent(aTextContent);                                                       \
  }                                                                                                \
  NS_IMETHOD SetTextContent(const nsAString& aTextContent) override {                              \
    return _to SetTextContent(aTextContent);                                                       \
  }                                                                                                \
  NS_IMETHOD IsSameNode(nsIDOMNode* other, PRBool* _retval) override {                             \
    return _to IsSameNode(other, _retval);                                                         \
  }                                                                                                \
  NS_IMETHOD LookupPrefix(const nsAString& namespaceURI, nsAString& _retval) override {            \
    return _to LookupPrefix(namespaceURI, _retval);                                                \
  }                                                                                                \
  NS_IMETHOD IsDefaultNamespace(const nsAString& namespaceURI, PRBool* _retval) override {         \
    return _to IsDefaultNamespace(namespaceURI, _retval);                                          \
  }                                                                                                \
  NS_IMETHOD LookupNamespaceURI(const nsAString& prefix, nsAString& _retval) override {            \
    return _to LookupNamespaceURI(prefix, _retval);                                                \
  }                                                                                                \
  NS_IMETHOD IsEqualNode(nsIDOMNode* arg, PRBool* _retval) override {                              \
    return _to IsEqualNode(arg, _retval);                                                          \
  }                                                                                                \
  NS_IMETHOD GetFeature(const nsAString& feature, const nsAString& version, nsISupports** _retval) \
      override {                                                                                   \
    return _to GetFeature(feature, version, _retval);                                              \
  }                                                                                                \
  NS_IMETHOD SetUserData(const nsAString& key, nsIVariant* data, nsIDOMUserDataHandler* handler,   \
                         nsIVariant** _retval) override {                                          \
    return _to SetUserData(key, data, handler, _retval);                                           \
  }                                                                                                \
  NS_IMETHOD GetUserData(const nsAString& key, nsIVariant** _retval) override {                    \
    return _to GetUserData(key, _retval);                                                          \
  }

#endif
