// Basic declarations shared by every XPCOM interface: method macros, character and count types.
#ifndef nscore_h___
#define nscore_h___

#include "nsError.h"
#include "prtypes.h"

// UTF-16 code unit. Gecko 1.9.2 on Linux spells it as an unsigned 16-bit integer; the platform's
// wchar_t is four bytes wide and is never used for it.
typedef PRUint16 PRUnichar;
typedef PRUint32 nsrefcnt;

#define nsnull 0

#define NS_IMETHOD_(type) virtual type
#define NS_IMETHOD virtual nsresult
#define NS_IMETHODIMP_(type) type
#define NS_IMETHODIMP nsresult
#define NS_METHOD_(type) type
#define NS_METHOD nsresult
#define NS_HIDDEN_(type) type
#define NS_HIDDEN
#define NS_SCRIPTABLE
#define NS_OUTPARAM
#define NS_INPARAM

#define NS_EXPORT __attribute__((visibility("default")))
#define NS_HIDDEN_ATTR __attribute__((visibility("hidden")))

#define NS_ENSURE_TRUE(x, ret) \
  do {                         \
    if (!(x))                  \
      return ret;              \
  } while (0)
#define NS_ENSURE_FALSE(x, ret) NS_ENSURE_TRUE(!(x), ret)
#define NS_ENSURE_SUCCESS(res, ret) \
  do {                              \
    nsresult __rv = (res);          \
    if (NS_FAILED(__rv))            \
      return ret;                   \
  } while (0)
#define NS_ENSURE_ARG_POINTER(arg) NS_ENSURE_TRUE(arg, NS_ERROR_INVALID_POINTER)
#define NS_ENSURE_ARG(arg) NS_ENSURE_TRUE(arg, NS_ERROR_INVALID_ARG)

#define NS_ARRAY_LENGTH(array_) (sizeof(array_) / sizeof(array_[0]))

#endif
