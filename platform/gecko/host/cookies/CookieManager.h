// The cookie service: nsICookieManager over the host's one cookie store, registered under
// "@mozilla.org/cookiemanager;1", and the jar document.cookie reads and writes. Blocking a
// site on removal is not kept: the host has no permission list.
#ifndef GECKOHOST_COOKIES_COOKIEMANAGER_H
#define GECKOHOST_COOKIES_COOKIEMANAGER_H

#include "CookieStore.h"
#include "XPCOMObject.h"
#include "dom/CookieJar.h"
#include "nsICookieManager.h"

namespace geckohost::cookies {

class CookieManager final : public XPCOMObject<nsICookieManager>, public dom::CookieJar {
 public:
  static constexpr const char* kContractID = "@mozilla.org/cookiemanager;1";

  CookieManager() = default;

  CookieStore& store() { return mStore; }

  // nsICookieManager
  NS_DECL_NSICOOKIEMANAGER

  // dom::CookieJar
  std::u16string cookieStringFor(const net::URI& url) override;
  void setCookieStringFor(const net::URI& url, std::u16string_view cookie) override;

 private:
  ~CookieManager() override = default;

  CookieStore mStore;
};

}  // namespace geckohost::cookies

#endif
