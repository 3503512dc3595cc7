// A document: its root element, the factory of its nodes, and element lookup by tag name
// and by id.
#ifndef __gen_nsIDOMDocument_h__
#define __gen_nsIDOMDocument_h__

#include "nsIDOMNode.h"
#include "nsStringAPI.h"

class nsIDOMAttr;
class nsIDOMCDATASection;
class nsIDOMComment;
class nsIDOMDOMImplementation;
class nsIDOMDocumentFragment;
class nsIDOMDocumentType;
class nsIDOMElement;
class nsIDOMEntityReference;
class nsIDOMNodeList;
class nsIDOMProcessingInstruction;
class nsIDOMText;

#define NS_IDOMDOCUMENT_IID_STR "a6cf9075-15b3-11d2-932e-00805f8add32"

#define NS_IDOMDOCUMENT_IID                          \
  {                                                  \
    0xa6cf9075, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMDocument : public nsIDOMNode {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENT_IID)

  NS_IMETHOD GetDoctype(nsIDOMDocumentType** aDoctype) = 0;
  NS_IMETHOD GetImplementation(nsIDOMDOMImplementation** aImplementation) = 0;
  NS_IMETHOD GetDocumentElement(nsIDOMElement** aDocumentElement) = 0;
  NS_IMETHOD CreateElement(const nsAString& tagName, nsIDOMElement** _retval) = 0;
  NS_IMETHOD CreateDocumentFragment(nsIDOMDocumentFragment** _retval) = 0;
  NS_IMETHOD CreateTextNode(const nsAString& data, nsIDOMText** _retval) = 0;
  NS_IMETHOD CreateComment(const nsAString& data, nsIDOMComment** _retval) = 0;
  NS_IMETHOD CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) = 0;
  NS_IMETHOD CreateProcessingInstruction(const nsAString& target, const nsAString& data,
                                         nsIDOMProcessingInstruction** _retval) = 0;
  NS_IMETHOD CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD CreateEntityReference(const nsAString& name, nsIDOMEntityReference** _retval) = 0;
  NS_IMETHOD GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) = 0;
  NS_IMETHOD CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                             nsIDOMElement** _retval) = 0;
  NS_IMETHOD CreateAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                               nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetElementById(const nsAString& elementId, nsIDOMElement** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMDocument, NS_IDOMDOCUMENT_IID)

// Declares every method of nsIDOMDocument in a class that implements it.
#define NS_DECL_NSIDOMDOCUMENT                                                                  \
  NS_IMETHOD GetDoctype(nsIDOMDocumentType** aDoctype) override;                                \
  NS_IMETHOD GetImplementation(nsIDOMDOMImplementation** aImplementation) override;             \
  NS_IMETHOD GetDocumentElement(nsIDOMElement** aDocumentElement) override;                     \
  NS_IMETHOD CreateElement(const nsAString& tagName, nsIDOMElement** _retval) override;         \
  NS_IMETHOD CreateDocumentFragment(nsIDOMDocumentFragment** _retval) override;                 \
  NS_IMETHOD CreateTextNode(const nsAString& data, nsIDOMText** _retval) override;              \
  NS_IMETHOD CreateComment(const nsAString& data, nsIDOMComment** _retval) override;            \
  NS_IMETHOD CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) override;  \
  NS_IMETHOD CreateProcessingInstruction(const nsAString& target, const nsAString& data,        \
                                         nsIDOMProcessingInstruction** _retval) override;       \
  NS_IMETHOD CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) override;             \
  NS_IMETHOD CreateEntityReference(const nsAString& name, nsIDOMEntityReference** _retval)      \
      override;                                                                                 \
  NS_IMETHOD GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) override; \
  NS_IMETHOD ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) override;  \
  NS_IMETHOD CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,     \
                             nsIDOMElement** _retval) override;                                 \
  NS_IMETHOD CreateAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,   \
                               nsIDOMAttr** _retval) override;                                  \
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,  \
                                    nsIDOMNodeList** _retval) override;                         \
  NS_IMETHOD GetElementById(const nsAString& elementId, nsIDOMElement** _retval) override;

// Implements every method of nsIDOMDocument by calling the same method of _to.
#define NS_FORWARD_NSIDOMDOCUMENT(_to)                                                           \
  NS_IMETHOD GetDoctype(nsIDOMDocumentType** aDoctype) override {                                \
    return _to GetDoctype(aDoctype);                                                             \
  }                                                                                              \
  NS_IMETHOD GetImplementation(nsIDOMDOMImplementation** aImplementation) override {             \
    return _to GetImplementation(aImplementation);                                               \
  }                                                                                              \
  NS_IMETHOD GetDocumentElement(nsIDOMElement** aDocumentElement) override {                     \
    return _to GetDocumentElement(aDocumentElement);                                             \
  }                                                                                              \
  NS_IMETHOD CreateElement(const nsAString& tagName, nsIDOMElement** _retval) override {         \
    return _to CreateElement(tagName, _retval);                                                  \
  }                                                                                              \
  NS_IMETHOD CreateDocumentFragment(nsIDOMDocumentFragment** _retval) override {                 \
    return _to CreateDocumentFragment(_retval);                                                  \
  }                                                                                              \
  NS_IMETHOD CreateTextNode(const nsAString& data, nsIDOMText** _retval) override {              \
    return _to CreateTextNode(data, _retval);                                                    \
  }                                                                                              \
  NS_IMETHOD CreateComment(const nsAString& data, nsIDOMComment** _retval) override {            \
    return _to CreateComment(data, _retval);                                                     \
  }                                                                                              \
  NS_IMETHOD CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) override {  \
    return _to CreateCDATASection(data, _retval);                                                \
  }                                                                                              \
  NS_IMETHOD CreateProcessingInstruction(const nsAString& target, const nsAString& data,         \
                                         nsIDOMProcessingInstruction** _retval) override {       \
    return _to CreateProcessingInstruction(target, data, _retval);                               \
  }                                                                                              \
  NS_IMETHOD CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) override {             \
    return _to CreateAttribute(name, _retval);                                                   \
  }                                                                                              \
  NS_IMETHOD CreateEntityReference(const nsAString& name, nsIDOMEntityReference** _retval)       \
      override {                                                                                 \
    return _to CreateEntityReference(name, _retval);                                             \
  }                                                                                              \
  NS_IMETHOD GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByTagName(tagname, _retval);                                           \
  }                                                                                              \
  NS_IMETHOD ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) override {  \
    return _to ImportNode(importedNode, deep, _retval);                                          \
  }                                                                                              \
  NS_IMETHOD CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,      \
                             nsIDOMElement** _retval) override {                                 \
    return _to CreateElementNS(namespaceURI, qualifiedName, _retval);                            \
  }                                                                                              \
  NS_IMETHOD CreateAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,    \
                               nsIDOMAttr** _retval) override {                                  \
    return _to CreateAttributeNS(namespaceURI, qualifiedName, _retval);                          \
  }                                                                                              \
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,   \
                                    nsIDOMNodeList** _retval) override {                         \
    return _to GetElementsByTagNameNS(namespaceURI, localName, _retval);                         \
  }                                                                                              \
  NS_IMETHOD GetElementById(const nsAString& elementId, nsIDOMElement** _retval) override {      \
    return _to GetElementById(elementId, _retval);                                               \
  }

#endif
