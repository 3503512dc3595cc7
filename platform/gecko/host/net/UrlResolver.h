// Resolution of relative references against a base URL (RFC 3986, section 5), enough for
// frame sources, links and history: hierarchical URLs such as "http://host/dir/page.html" and
// "file:///home/page.html".
//
//   UrlResolver::resolve("http://test/dir/a.html", "../b.html")  → "http://test/b.html"
//   UrlResolver::resolve("file:///p/a.html", "#top")            → "file:///p/a.html#top"
#ifndef GECKOHOST_NET_URLRESOLVER_H
#define GECKOHOST_NET_URLRESOLVER_H

#include <string>

namespace geckohost {

class UrlResolver {
 public:
  // `reference` made absolute against `base`. A reference with a scheme is returned as it is
  // (dot segments removed); so is everything when `base` has no scheme.
  static std::string resolve(const std::string& base, const std::string& reference);

  // The URL without its fragment: "a.html#x" → "a.html".
  static std::string withoutFragment(const std::string& url);

  // The scheme in lower case ("http"), or "" when the URL has none.
  static std::string scheme(const std::string& url);

  // The local path of a file: URL, percent-decoded ("file:///tmp/a%20b.html" → "/tmp/a b.html");
  // "" for other URLs and for file: URLs naming another host.
  static std::string filePath(const std::string& url);
};

}  // namespace geckohost

#endif
