#include "dom/HTMLHyperlinkElement.h"

#include "dom/DOMStrings.h"

namespace geckohost::dom {

std::optional<net::URI> HTMLHyperlinkElement::resolvedHref() const {
  if (!attributeValue(u"href"))
    return std::nullopt;
  return net::URI::parse(utf16ToUTF8(href()));
}

std::u16string HTMLHyperlinkElement::protocol() const {
  auto uri = resolvedHref();
  return uri ? utf8ToUTF16(uri->scheme() + ":") : std::u16string();
}

std::u16string HTMLHyperlinkElement::host() const {
  auto uri = resolvedHref();
  return uri ? utf8ToUTF16(uri->hostPort()) : std::u16string();
}

std::u16string HTMLHyperlinkElement::hostname() const {
  auto uri = resolvedHref();
  return uri ? utf8ToUTF16(uri->host()) : std::u16string();
}

std::u16string HTMLHyperlinkElement::port() const {
  auto uri = resolvedHref();
  return uri && uri->port() >= 0 ? asciiToUTF16(std::to_string(uri->port())) : std::u16string();
}

std::u16string HTMLHyperlinkElement::pathname() const {
  auto uri = resolvedHref();
  return uri ? utf8ToUTF16(uri->filePath()) : std::u16string();
}

std::u16string HTMLHyperlinkElement::search() const {
  auto uri = resolvedHref();
  return uri && uri->hasQuery() && !uri->query().empty() ? utf8ToUTF16("?" + uri->query())
                                                         : std::u16string();
}

std::u16string HTMLHyperlinkElement::hash() const {
  auto uri = resolvedHref();
  return uri && uri->hasRef() && !uri->ref().empty() ? utf8ToUTF16("#" + uri->ref())
                                                     : std::u16string();
}

}  // namespace geckohost::dom
