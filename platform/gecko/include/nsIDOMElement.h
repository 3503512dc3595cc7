// An element: its tag name, its attributes by name, as nodes and by namespace, and the
// descendant elements with a given tag name.
#ifndef __gen_nsIDOMElement_h__
#define __gen_nsIDOMElement_h__

#include "nsIDOMNode.h"
#include "nsStringAPI.h"

class nsIDOMAttr;
class nsIDOMNodeList;

#define NS_IDOMELEMENT_IID_STR "a6cf9078-15b3-11d2-932e-00805f8add32"

#define NS_IDOMELEMENT_IID                           \
  {                                                  \
    0xa6cf9078, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMElement : public nsIDOMNode {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMELEMENT_IID)

  NS_IMETHOD GetTagName(nsAString& aTagName) = 0;
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) = 0;
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) = 0;
  NS_IMETHOD RemoveAttribute(const nsAString& name) = 0;
  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName,
                            nsAString& _retval) = 0;
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) = 0;
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) = 0;
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) = 0;
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) = 0;
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName,
                            PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMElement, NS_IDOMELEMENT_IID)

// Declares every method of nsIDOMElement in a class that implements it.
#define NS_DECL_NSIDOMELEMENT                                                                  \
  NS_IMETHOD GetTagName(nsAString& aTagName) override;                                         \
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override;                 \
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override;             \
  NS_IMETHOD RemoveAttribute(const nsAString& name) override;                                  \
  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) override;           \
  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override;             \
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) override;          \
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override;   \
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName,         \
                            nsAString& _retval) override;                                      \
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,     \
                            const nsAString& value) override;                                  \
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName)      \
      override;                                                                                \
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,     \
                                nsIDOMAttr** _retval) override;                                \
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override;           \
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName, \
                                    nsIDOMNodeList** _retval) override;                        \
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override;                    \
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName,         \
                            PRBool* _retval) override;

// Implements every method of nsIDOMElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMELEMENT(_to)                                                          \
  NS_IMETHOD GetTagName(nsAString& aTagName) override {                                        \
    return _to GetTagName(aTagName);                                                           \
  }                                                                                            \
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override {                \
    return _to GetAttribute(name, _retval);                                                    \
  }                                                                                            \
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override {            \
    return _to SetAttribute(name, value);                                                      \
  }                                                                                            \
  NS_IMETHOD RemoveAttribute(const nsAString& name) override {                                 \
    return _to RemoveAttribute(name);                                                          \
  }                                                                                            \
  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) override {          \
    return _to GetAttributeNode(name, _retval);                                                \
  }                                                                                            \
  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {            \
    return _to SetAttributeNode(newAttr, _retval);                                             \
  }                                                                                            \
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) override {         \
    return _to RemoveAttributeNode(oldAttr, _retval);                                          \
  }                                                                                            \
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override {  \
    return _to GetElementsByTagName(name, _retval);                                            \
  }                                                                                            \
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName,         \
                            nsAString& _retval) override {                                     \
    return _to GetAttributeNS(namespaceURI, localName, _retval);                               \
  }                                                                                            \
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,     \
                            const nsAString& value) override {                                 \
    return _to SetAttributeNS(namespaceURI, qualifiedName, value);                             \
  }                                                                                            \
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName)      \
      override {                                                                               \
    return _to RemoveAttributeNS(namespaceURI, localName);                                     \
  }                                                                                            \
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,     \
                                nsIDOMAttr** _retval) override {                               \
    return _to GetAttributeNodeNS(namespaceURI, localName, _retval);                           \
  }                                                                                            \
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {          \
    return _to SetAttributeNodeNS(newAttr, _retval);                                           \
  }                                                                                            \
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName, \
                                    nsIDOMNodeList** _retval) override {                       \
    return _to GetElementsByTagNameNS(namespaceURI, localName, _retval);                       \
  }                                                                                            \
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override {                   \
    return _to HasAttribute(name, _retval);                                                    \
  }                                                                                            \
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName,         \
                            PRBool* _retval) override {                                        \
    return _to HasAttributeNS(namespaceURI, localName, _retval);                               \
  }

#endif
