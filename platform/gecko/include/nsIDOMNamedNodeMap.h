// A set of nodes reachable by name and by index: an element's attributes.
#ifndef __gen_nsIDOMNamedNodeMap_h__
#define __gen_nsIDOMNamedNodeMap_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMNode;

#define NS_IDOMNAMEDNODEMAP_IID_STR "a6cf907b-15b3-11d2-932e-00805f8add32"

#define NS_IDOMNAMEDNODEMAP_IID                      \
  {                                                  \
    0xa6cf907b, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMNamedNodeMap : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNAMEDNODEMAP_IID)

  NS_IMETHOD GetNamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
  NS_IMETHOD SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD GetNamedItemNS(const nsAString& namespaceURI, const nsAString& localName,
                            nsIDOMNode** _retval) = 0;
  NS_IMETHOD SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveNamedItemNS(const nsAString& namespaceURI, const nsAString& localName,
                               nsIDOMNode** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNamedNodeMap, NS_IDOMNAMEDNODEMAP_IID)

// Declares every method of nsIDOMNamedNodeMap in a class that implements it.
#define NS_DECL_NSIDOMNAMEDNODEMAP                                                        \
  NS_IMETHOD GetNamedItem(const nsAString& name, nsIDOMNode** _retval) override;          \
  NS_IMETHOD SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) override;                \
  NS_IMETHOD RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) override;       \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override;                         \
  NS_IMETHOD GetLength(PRUint32* aLength) override;                                       \
  NS_IMETHOD GetNamedItemNS(const nsAString& namespaceURI, const nsAString& localName,    \
                            nsIDOMNode** _retval) override;                               \
  NS_IMETHOD SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) override;              \
  NS_IMETHOD RemoveNamedItemNS(const nsAString& namespaceURI, const nsAString& localName, \
                               nsIDOMNode** _retval) override;

// Implements every method of nsIDOMNamedNodeMap by calling the same method of _to.
#define NS_FORWARD_NSIDOMNAMEDNODEMAP(_to)                                                \
  NS_IMETHOD GetNamedItem(const nsAString& name, nsIDOMNode** _retval) override {         \
    return _to GetNamedItem(name, _retval);                                               \
  }                                                                                       \
  NS_IMETHOD SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) override {               \
    return _to SetNamedItem(arg, _retval);                                                \
  }                                                                                       \
  NS_IMETHOD RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) override {      \
    return _to RemoveNamedItem(name, _retval);                                            \
  }                                                                                       \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override {                        \
    return _to Item(index, _retval);                                                      \
  }                                                                                       \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                                      \
    return _to GetLength(aLength);                                                        \
  }                                                                                       \
  NS_IMETHOD GetNamedItemNS(const nsAString& namespaceURI, const nsAString& localName,    \
                            nsIDOMNode** _retval) override {                              \
    return _to GetNamedItemNS(namespaceURI, localName, _retval);                          \
  }                                                                                       \
  NS_IMETHOD SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) override {             \
    return _to SetNamedItemNS(arg, _retval);                                              \
  }                                                                                       \
  NS_IMETHOD RemoveNamedItemNS(const nsAString& namespaceURI, const nsAString& localName, \
                               nsIDOMNode** _retval) override {                           \
    return _to RemoveNamedItemNS(namespaceURI, localName, _retval);                       \
  }

#endif
