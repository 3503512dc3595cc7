#include "CookieManager.h"

#include <ctime>
#include <string>
#include <vector>

#include "CookieObject.h"
#include "SnapshotEnumerator.h"
#include "dom/DOMStrings.h"
#include "nsError.h"

namespace geckohost::cookies {

NS_IMETHODIMP CookieManager::RemoveAll() {
  mStore.clear();
  return NS_OK;
}

NS_IMETHODIMP CookieManager::GetEnumerator(nsISimpleEnumerator** aEnumerator) {
  if (!aEnumerator)
    return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (const Cookie& cookie : mStore.cookies(std::time(nullptr))) {
    nsCOMPtr<nsICookie> object = new CookieObject(cookie);
    items.push_back(nsCOMPtr<nsISupports>(object));
  }
  nsCOMPtr<nsISimpleEnumerator> enumerator = new SnapshotEnumerator(std::move(items));
  enumerator.forget(aEnumerator);
  return NS_OK;
}

NS_IMETHODIMP CookieManager::Remove(const nsACString& aDomain, const nsACString& aName,
                                    const nsACString& aPath, PRBool) {
  auto text = [](const nsACString& s) { return std::string(s.BeginReading(), s.Length()); };
  mStore.remove(text(aDomain), text(aName), text(aPath));
  return NS_OK;
}

std::u16string CookieManager::cookieStringFor(const net::URI& url) {
  return dom::utf8ToUTF16(mStore.cookieStringFor(url, std::time(nullptr)));
}

void CookieManager::setCookieStringFor(const net::URI& url, std::u16string_view cookie) {
  mStore.setCookieStringFor(url, dom::utf16ToUTF8(cookie), std::time(nullptr));
}

}  // namespace geckohost::cookies
