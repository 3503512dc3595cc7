// An interned string: one object per distinct text, compared by address. Gecko names element
// tags, attributes and node kinds with atoms; nsIContent::Tag() answers one.
#ifndef __gen_nsIAtom_h__
#define __gen_nsIAtom_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

#define NS_IATOM_IID_STR "3d1b15b0-93b4-11d1-895b-006008911b81"

#define NS_IATOM_IID                                 \
  {                                                  \
    0x3d1b15b0, 0x93b4, 0x11d1, {                    \
      0x89, 0x5b, 0x00, 0x60, 0x08, 0x91, 0x1b, 0x81 \
    }                                                \
  }

class nsIAtom : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IATOM_IID)

  NS_IMETHOD ToString(nsAString& _retval) = 0;
  NS_IMETHOD ToUTF8String(nsACString& _retval) = 0;
  // The atom's zero-terminated UTF-8 text, owned by the atom.
  NS_IMETHOD GetUTF8String(const char** aResult) = 0;
  NS_IMETHOD Equals(const nsAString& aString, PRBool* _retval) = 0;
  NS_IMETHOD EqualsUTF8(const nsACString& aString, PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIAtom, NS_IATOM_IID)

#endif
