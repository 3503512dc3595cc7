// Heap blocks that cross XPCOM interfaces (strings handed out as plain pointers, arrays of
// out-parameters). Both sides of an interface use the C library heap, so either may free.
#ifndef nsMemory_h__
#define nsMemory_h__

#include "nscore.h"

void* NS_Alloc(PRSize size);
void* NS_Realloc(void* ptr, PRSize size);
void NS_Free(void* ptr);

class nsMemory {
 public:
  static void* Alloc(size_t size) { return NS_Alloc(size); }
  static void* Realloc(void* ptr, size_t size) { return NS_Realloc(ptr, size); }
  static void Free(void* ptr) { NS_Free(ptr); }
  static void* Clone(const void* ptr, size_t size);
};

#endif
