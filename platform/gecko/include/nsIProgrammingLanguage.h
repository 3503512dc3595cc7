// The numbers that name script languages in the script interfaces.
#ifndef __gen_nsIProgrammingLanguage_h__
#define __gen_nsIProgrammingLanguage_h__

#include "nsISupports.h"

#define NS_IPROGRAMMINGLANGUAGE_IID_STR "ea604e90-40ba-11d5-90bb-0010a4e73d9a"

#define NS_IPROGRAMMINGLANGUAGE_IID                  \
  {                                                  \
    0xea604e90, 0x40ba, 0x11d5, {                    \
      0x90, 0xbb, 0x00, 0x10, 0xa4, 0xe7, 0x3d, 0x9a \
    }                                                \
  }

class nsIProgrammingLanguage : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IPROGRAMMINGLANGUAGE_IID)

  enum { UNKNOWN = 0U };
  enum { CPLUSPLUS = 1U };
  enum { JAVASCRIPT = 2U };
  enum { PYTHON = 3U };
  enum { PERL = 4U };
  enum { JAVA = 5U };
  enum { ZX81_BASIC = 6U };
  enum { JAVASCRIPT2 = 7U };
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIProgrammingLanguage, NS_IPROGRAMMINGLANGUAGE_IID)

// Declares every method of nsIProgrammingLanguage in a class that implements it.
#define NS_DECL_NSIPROGRAMMINGLANGUAGE

// Implements every method of nsIProgrammingLanguage by calling the same method of _to.
#define NS_FORWARD_NSIPROGRAMMINGLANGUAGE(_to)

#endif
