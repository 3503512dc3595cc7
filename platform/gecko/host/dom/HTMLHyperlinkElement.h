// What links (a) and image-map areas share: the resolved href and its parts, as
// nsIDOMNSHTMLAnchorElement and nsIDOMNSHTMLAreaElement report them.
//
//   <a href="../x.html?q=1#top"> in http://h:8080/d/p.html
//   href() "http://h:8080/x.html?q=1#top", protocol() "http:", host() "h:8080",
//   hostname() "h", port() "8080", pathname() "/x.html", search() "?q=1", hash() "#top"
#ifndef GECKOHOST_DOM_HTMLHYPERLINKELEMENT_H
#define GECKOHOST_DOM_HTMLHYPERLINKELEMENT_H

#include <optional>

#include "dom/HTMLElement.h"
#include "net/URI.h"

namespace geckohost::dom {

class HTMLHyperlinkElement : public HTMLElement {
 public:
  // The href resolved against the document's base URL; "" without an href.
  std::u16string href() const { return urlAttribute(u"href"); }

  // Parts of the resolved href; all "" when there is no href or it does not resolve.
  std::u16string protocol() const;
  std::u16string host() const;
  std::u16string hostname() const;
  std::u16string port() const;
  std::u16string pathname() const;
  std::u16string search() const;
  std::u16string hash() const;

 protected:
  using HTMLElement::HTMLElement;

 private:
  std::optional<net::URI> resolvedHref() const;
};

}  // namespace geckohost::dom

#endif
