// The namespaces the host's documents hold, by their URIs.
#ifndef GECKOHOST_DOM_NAMESPACE_H
#define GECKOHOST_DOM_NAMESPACE_H

#include <string>
#include <string_view>

namespace geckohost::dom {

enum class Namespace { None, HTML, XUL, SVG, MathML, XLink, XML, XMLNS, Other };

inline constexpr std::u16string_view kHTMLNamespaceURI = u"http://www.w3.org/1999/xhtml";
inline constexpr std::u16string_view kXULNamespaceURI =
    u"http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul";
inline constexpr std::u16string_view kSVGNamespaceURI = u"http://www.w3.org/2000/svg";
inline constexpr std::u16string_view kMathMLNamespaceURI = u"http://www.w3.org/1998/Math/MathML";
inline constexpr std::u16string_view kXLinkNamespaceURI = u"http://www.w3.org/1999/xlink";
inline constexpr std::u16string_view kXMLNamespaceURI = u"http://www.w3.org/XML/1998/namespace";
inline constexpr std::u16string_view kXMLNSNamespaceURI = u"http://www.w3.org/2000/xmlns/";

// "" -> None; an unknown URI -> Other.
inline Namespace namespaceFromURI(std::u16string_view uri) {
  if (uri.empty())
    return Namespace::None;
  if (uri == kHTMLNamespaceURI)
    return Namespace::HTML;
  if (uri == kXULNamespaceURI)
    return Namespace::XUL;
  if (uri == kSVGNamespaceURI)
    return Namespace::SVG;
  if (uri == kMathMLNamespaceURI)
    return Namespace::MathML;
  if (uri == kXLinkNamespaceURI)
    return Namespace::XLink;
  if (uri == kXMLNamespaceURI)
    return Namespace::XML;
  if (uri == kXMLNSNamespaceURI)
    return Namespace::XMLNS;
  return Namespace::Other;
}

// The URI of a known namespace; "" for None and Other (whose URI the node keeps itself).
inline std::u16string_view namespaceURI(Namespace ns) {
  switch (ns) {
    case Namespace::HTML:
      return kHTMLNamespaceURI;
    case Namespace::XUL:
      return kXULNamespaceURI;
    case Namespace::SVG:
      return kSVGNamespaceURI;
    case Namespace::MathML:
      return kMathMLNamespaceURI;
    case Namespace::XLink:
      return kXLinkNamespaceURI;
    case Namespace::XML:
      return kXMLNamespaceURI;
    case Namespace::XMLNS:
      return kXMLNSNamespaceURI;
    case Namespace::None:
    case Namespace::Other:
      return u"";
  }
  return u"";
}

}  // namespace geckohost::dom

#endif
