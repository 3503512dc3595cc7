// How objects are identified to the agent: by the pointer of the wrapped object's canonical
// nsISupports, sign-extended to 64 bits (so a 32-bit build gives the same numbers the agent
// compares), and in unique ids by the low 32 bits of that identity in hexadecimal.
#ifndef NATIVE_HTML_GECKO_NSOBJECTIDENTITY_H
#define NATIVE_HTML_GECKO_NSOBJECTIDENTITY_H

#include "nsStringAPI.h"

class nsISupports;

// The canonical nsISupports of `object` as a signed 64-bit number; 0 for null.
long long NSIdentityOf(nsISupports* object);

// A pointer as a signed 64-bit number, sign-extended from its own width.
long long NSPointerAsLongLong(const void* pointer);

// The low 32 bits of an identity as eight lower-case hexadecimal digits: 0x0a1b2c3d ->
// "0a1b2c3d".
nsString_external NSIdentityText(long long identity);

#endif
