// Every node of a document tree: its kind, name and value, its place among parent, children
// and siblings, and the DOM Level 2 Core operations that rearrange children.
#ifndef __gen_nsIDOMNode_h__
#define __gen_nsIDOMNode_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMDocument;
class nsIDOMNamedNodeMap;
class nsIDOMNodeList;

#define NS_IDOMNODE_IID_STR "a6cf907c-15b3-11d2-932e-00805f8add32"

#define NS_IDOMNODE_IID                              \
  {                                                  \
    0xa6cf907c, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMNode : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNODE_IID)

  enum { ELEMENT_NODE = 1U };
  enum { ATTRIBUTE_NODE = 2U };
  enum { TEXT_NODE = 3U };
  enum { CDATA_SECTION_NODE = 4U };
  enum { ENTITY_REFERENCE_NODE = 5U };
  enum { ENTITY_NODE = 6U };
  enum { PROCESSING_INSTRUCTION_NODE = 7U };
  enum { COMMENT_NODE = 8U };
  enum { DOCUMENT_NODE = 9U };
  enum { DOCUMENT_TYPE_NODE = 10U };
  enum { DOCUMENT_FRAGMENT_NODE = 11U };
  enum { NOTATION_NODE = 12U };

  NS_IMETHOD GetNodeName(nsAString& aNodeName) = 0;
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) = 0;
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) = 0;
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) = 0;
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) = 0;
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) = 0;
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) = 0;
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) = 0;
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) = 0;
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) = 0;
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) = 0;
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) = 0;
  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD HasChildNodes(PRBool* _retval) = 0;
  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) = 0;
  NS_IMETHOD Normalize(void) = 0;
  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) = 0;
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) = 0;
  NS_IMETHOD GetPrefix(nsAString& aPrefix) = 0;
  NS_IMETHOD SetPrefix(const nsAString& aPrefix) = 0;
  NS_IMETHOD GetLocalName(nsAString& aLocalName) = 0;
  NS_IMETHOD HasAttributes(PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNode, NS_IDOMNODE_IID)

// Declares every method of nsIDOMNode in a class that implements it.
#define NS_DECL_NSIDOMNODE                                                                    \
  NS_IMETHOD GetNodeName(nsAString& aNodeName) override;                                      \
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) override;                                    \
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) override;                              \
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) override;                                       \
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) override;                                \
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) override;                            \
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) override;                                \
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) override;                                  \
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) override;                      \
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) override;                              \
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) override;                        \
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) override;                      \
  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval)   \
      override;                                                                               \
  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval)   \
      override;                                                                               \
  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) override;                \
  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) override;                \
  NS_IMETHOD HasChildNodes(PRBool* _retval) override;                                         \
  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) override;                           \
  NS_IMETHOD Normalize(void) override;                                                        \
  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) \
      override;                                                                               \
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) override;                              \
  NS_IMETHOD GetPrefix(nsAString& aPrefix) override;                                          \
  NS_IMETHOD SetPrefix(const nsAString& aPrefix) override;                                    \
  NS_IMETHOD GetLocalName(nsAString& aLocalName) override;                                    \
  NS_IMETHOD HasAttributes(PRBool* _retval) override;

// Implements every method of nsIDOMNode by calling the same method of _to.
#define NS_FORWARD_NSIDOMNODE(_to)                                                            \
  NS_IMETHOD GetNodeName(nsAString& aNodeName) override {                                     \
    return _to GetNodeName(aNodeName);                                                        \
  }                                                                                           \
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) override {                                   \
    return _to GetNodeValue(aNodeValue);                                                      \
  }                                                                                           \
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) override {                             \
    return _to SetNodeValue(aNodeValue);                                                      \
  }                                                                                           \
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) override {                                      \
    return _to GetNodeType(aNodeType);                                                        \
  }                                                                                           \
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) override {                               \
    return _to GetParentNode(aParentNode);                                                    \
  }                                                                                           \
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) override {                           \
    return _to GetChildNodes(aChildNodes);                                                    \
  }                                                                                           \
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) override {                               \
    return _to GetFirstChild(aFirstChild);                                                    \
  }                                                                                           \
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) override {                                 \
    return _to GetLastChild(aLastChild);                                                      \
  }                                                                                           \
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) override {                     \
    return _to GetPreviousSibling(aPreviousSibling);                                          \
  }                                                                                           \
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) override {                             \
    return _to GetNextSibling(aNextSibling);                                                  \
  }                                                                                           \
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) override {                       \
    return _to GetAttributes(aAttributes);                                                    \
  }                                                                                           \
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) override {                     \
    return _to GetOwnerDocument(aOwnerDocument);                                              \
  }                                                                                           \
  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval)   \
      override {                                                                              \
    return _to InsertBefore(newChild, refChild, _retval);                                     \
  }                                                                                           \
  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval)   \
      override {                                                                              \
    return _to ReplaceChild(newChild, oldChild, _retval);                                     \
  }                                                                                           \
  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) override {               \
    return _to RemoveChild(oldChild, _retval);                                                \
  }                                                                                           \
  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) override {               \
    return _to AppendChild(newChild, _retval);                                                \
  }                                                                                           \
  NS_IMETHOD HasChildNodes(PRBool* _retval) override {                                        \
    return _to HasChildNodes(_retval);                                                        \
  }                                                                                           \
  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) override {                          \
    return _to CloneNode(deep, _retval);                                                      \
  }                                                                                           \
  NS_IMETHOD Normalize(void) override {                                                       \
    return _to Normalize();                                                                   \
  }                                                                                           \
  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) \
      override {                                                                              \
    return _to IsSupported(feature, version, _retval);                                        \
  }                                                                                           \
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) override {                             \
    return _to GetNamespaceURI(aNamespaceURI);                                                \
  }                                                                                           \
  NS_IMETHOD GetPrefix(nsAString& aPrefix) override {                                         \
    return _to GetPrefix(aPrefix);                                                            \
  }                                                                                           \
  NS_IMETHOD SetPrefix(const nsAString& aPrefix) override {                                   \
    return _to SetPrefix(aPrefix);                                                            \
  }                                                                                           \
  NS_IMETHOD GetLocalName(nsAString& aLocalName) override {                                   \
    return _to GetLocalName(aLocalName);                                                      \
  }                                                                                           \
  NS_IMETHOD HasAttributes(PRBool* _retval) override {                                        \
    return _to HasAttributes(_retval);                                                        \
  }

#endif
