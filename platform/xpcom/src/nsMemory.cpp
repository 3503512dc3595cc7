#include "nsMemory.h"

#include <cstdlib>
#include <cstring>

void* NS_Alloc(PRSize size) {
  return malloc(size ? size : 1);
}

void* NS_Realloc(void* ptr, PRSize size) {
  return realloc(ptr, size ? size : 1);
}

void NS_Free(void* ptr) {
  free(ptr);
}

void* nsMemory::Clone(const void* ptr, size_t size) {
  void* copy = NS_Alloc(size);
  if (copy && ptr && size)
    memcpy(copy, ptr, size);
  return copy;
}
