// Interface and class identifiers: 128-bit UUIDs compared by value.
#ifndef nsID_h__
#define nsID_h__

#include "nscore.h"

struct nsID {
  PRUint32 m0;
  PRUint16 m1;
  PRUint16 m2;
  PRUint8 m3[8];

  // Same identifier, byte for byte. Inline and word by word: every QueryInterface compares
  // the asked identifier with each interface an object has, so this runs millions of times.
  PRBool Equals(const nsID& other) const {
    return m0 == other.m0 && m1 == other.m1 && m2 == other.m2 &&
           __builtin_memcmp(m3, other.m3, sizeof m3) == 0;
  }

  // Reads the text form, with or without braces: "9d059608-ddb0-4e6a-9969-d2f363a1b557".
  // Leaves the identifier unchanged and answers PR_FALSE when the text is not of that form.
  PRBool Parse(const char* text);

  // Writes "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" and a terminating zero into `dest`.
  void ToProvidedString(char (&dest)[39]) const;
};

inline bool operator==(const nsID& a, const nsID& b) {
  return a.Equals(b);
}
inline bool operator!=(const nsID& a, const nsID& b) {
  return !a.Equals(b);
}

typedef nsID nsIID;
typedef nsID nsCID;
typedef nsID nsCID_external;

#define REFNSIID const nsIID&
#define REFNSCID const nsCID&

#define NS_DEFINE_IID(_name, _iidspec) const nsIID _name = _iidspec
#define NS_DEFINE_CID(_name, _cidspec) const nsCID _name = _cidspec

#endif
