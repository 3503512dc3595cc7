#include "NSObjectIdentity.h"

#include <cstdint>
#include <cstdio>

#include "nsCOMPtr.h"

long long NSPointerAsLongLong(const void* pointer) {
  return static_cast<long long>(reinterpret_cast<intptr_t>(pointer));
}

long long NSIdentityOf(nsISupports* object) {
  nsCOMPtr<nsISupports> canonical = do_QueryInterface(object);
  return NSPointerAsLongLong(canonical.get());
}

nsString_external NSIdentityText(long long identity) {
  char text[16];
  snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(static_cast<PRUint32>(identity)));
  nsString_external result;
  result.AssignLiteral(text);
  return result;
}
