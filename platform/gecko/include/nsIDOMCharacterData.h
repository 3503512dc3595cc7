// The text of a text, comment or CDATA node, with the operations that edit it by offset.
// Offsets and counts are in UTF-16 code units.
#ifndef __gen_nsIDOMCharacterData_h__
#define __gen_nsIDOMCharacterData_h__

#include "nsIDOMNode.h"
#include "nsStringAPI.h"

#define NS_IDOMCHARACTERDATA_IID_STR "a6cf9072-15b3-11d2-932e-00805f8add32"

#define NS_IDOMCHARACTERDATA_IID                     \
  {                                                  \
    0xa6cf9072, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMCharacterData : public nsIDOMNode {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMCHARACTERDATA_IID)

  NS_IMETHOD GetData(nsAString& aData) = 0;
  NS_IMETHOD SetData(const nsAString& aData) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) = 0;
  NS_IMETHOD AppendData(const nsAString& arg) = 0;
  NS_IMETHOD InsertData(PRUint32 offset, const nsAString& arg) = 0;
  NS_IMETHOD DeleteData(PRUint32 offset, PRUint32 count) = 0;
  NS_IMETHOD ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMCharacterData, NS_IDOMCHARACTERDATA_IID)

// Declares every method of nsIDOMCharacterData in a class that implements it.
#define NS_DECL_NSIDOMCHARACTERDATA                                                       \
  NS_IMETHOD GetData(nsAString& aData) override;                                          \
  NS_IMETHOD SetData(const nsAString& aData) override;                                    \
  NS_IMETHOD GetLength(PRUint32* aLength) override;                                       \
  NS_IMETHOD SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) override; \
  NS_IMETHOD AppendData(const nsAString& arg) override;                                   \
  NS_IMETHOD InsertData(PRUint32 offset, const nsAString& arg) override;                  \
  NS_IMETHOD DeleteData(PRUint32 offset, PRUint32 count) override;                        \
  NS_IMETHOD ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) override;

// Implements every method of nsIDOMCharacterData by calling the same method of _to.
#define NS_FORWARD_NSIDOMCHARACTERDATA(_to)                                                \
  NS_IMETHOD GetData(nsAString& aData) override {                                          \
    return _to GetData(aData);                                                             \
  }                                                                                        \
  NS_IMETHOD SetData(const nsAString& aData) override {                                    \
    return _to SetData(aData);                                                             \
  }                                                                                        \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                                       \
    return _to GetLength(aLength);                                                         \
  }                                                                                        \
  NS_IMETHOD SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) override { \
    return _to SubstringData(offset, count, _retval);                                      \
  }                                                                                        \
  NS_IMETHOD AppendData(const nsAString& arg) override {                                   \
    return _to AppendData(arg);                                                            \
  }                                                                                        \
  NS_IMETHOD InsertData(PRUint32 offset, const nsAString& arg) override {                  \
    return _to InsertData(offset, arg);                                                    \
  }                                                                                        \
  NS_IMETHOD DeleteData(PRUint32 offset, PRUint32 count) override {                        \
    return _to DeleteData(offset, count);                                                  \
  }                                                                                        \
  NS_IMETHOD ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) override { \
    return _to ReplaceData(offset, count, arg);                                            \
  }

#endif
