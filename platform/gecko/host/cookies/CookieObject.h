// One cookie as nsICookie hands it out: a copy taken when the store was enumerated.
#ifndef GECKOHOST_COOKIES_COOKIEOBJECT_H
#define GECKOHOST_COOKIES_COOKIEOBJECT_H

#include "Cookie.h"
#include "XPCOMObject.h"
#include "nsICookie.h"

namespace geckohost::cookies {

class CookieObject final : public XPCOMObject<nsICookie> {
 public:
  explicit CookieObject(Cookie cookie) : mCookie(std::move(cookie)) {}

  NS_DECL_NSICOOKIE

 private:
  ~CookieObject() override = default;

  Cookie mCookie;
};

}  // namespace geckohost::cookies

#endif
