// Fixed-width integer types with NSPR's names, as the Gecko interfaces spell them.
#ifndef prtypes_h___
#define prtypes_h___

#include <cstddef>
#include <cstdint>

typedef int8_t PRInt8;
typedef uint8_t PRUint8;
typedef int16_t PRInt16;
typedef uint16_t PRUint16;
typedef int32_t PRInt32;
typedef uint32_t PRUint32;
typedef int64_t PRInt64;
typedef uint64_t PRUint64;
typedef double PRFloat64;
typedef size_t PRSize;
typedef ptrdiff_t PRPtrdiff;
typedef intptr_t PRWord;
typedef uintptr_t PRUword;

// NSPR's boolean is an int-sized value; PR_TRUE and PR_FALSE are its only values.
typedef int PRIntn;
typedef unsigned int PRUintn;
typedef PRIntn PRBool;
typedef PRUint8 PRPackedBool;
#define PR_TRUE 1
#define PR_FALSE 0

#define PR_INT32_MAX INT32_MAX
#define PR_INT32_MIN INT32_MIN
#define PR_UINT32_MAX UINT32_MAX

typedef PRInt32 PRStatus;
#define PR_SUCCESS 0
#define PR_FAILURE -1

#endif
