// Where document.cookie reads and writes. The cookie service of the host installs itself here;
// until one does, documents have no cookies and setting one keeps nothing.
#ifndef GECKOHOST_DOM_COOKIEJAR_H
#define GECKOHOST_DOM_COOKIEJAR_H

#include <string>
#include <string_view>

namespace geckohost::net {
class URI;
}

namespace geckohost::dom {

class CookieJar {
 public:
  // The installed jar (weak; the cookie service owns it), or null.
  static CookieJar* installed();
  // Installs a jar, or uninstalls with null. The service must uninstall before it dies.
  static void install(CookieJar* jar);

  // "a=1; b=2": the cookies a page at `url` sees.
  virtual std::u16string cookieStringFor(const net::URI& url) = 0;
  // One "name=value; path=/..." assignment made by a page at `url`.
  virtual void setCookieStringFor(const net::URI& url, std::u16string_view cookie) = 0;

 protected:
  ~CookieJar() = default;
};

}  // namespace geckohost::dom

#endif
