// A page parsed by the host's HTML parser, for unit tests of the product's document and
// element classes that need no window: the document is not shown, so it has no DOM window,
// widget or layout.
//
//   HostPage page("<p id=x>hello</p>");
//   CHtmlObjectPtr<CNSHtmlDocument> document = page.document();
#ifndef TESTS_SUPPORT_HOSTPAGE_H
#define TESTS_SUPPORT_HOSTPAGE_H

#include <string>

#include "dom/HTMLDocument.h"
#include "nsCOMPtr.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "parser/HTMLParser.h"

class HostPage {
 public:
  explicit HostPage(const std::string& markup, const char* url = "file:///page.html")
      : m_page(geckohost::parser::HTMLParser::parseDocument(markup,
                                                            *geckohost::net::URI::parse(url))) {
    m_document = do_QueryInterface(
        static_cast<nsIDOMNode*>(static_cast<geckohost::dom::Node*>(m_page.get())));
  }

  nsCOMPtr<nsIDOMHTMLDocument> domDocument() const { return m_document; }

  // The element with that id as an HTML element; null when there is none.
  nsCOMPtr<nsIDOMHTMLElement> element(const char* id) const {
    nsCOMPtr<nsIDOMElement> found;
    m_document->GetElementById(NS_ConvertASCIItoUTF16(id), getter_AddRefs(found));
    nsCOMPtr<nsIDOMHTMLElement> html = do_QueryInterface(found);
    return html;
  }

  geckohost::dom::HTMLDocument& page() const { return *m_page; }

 private:
  geckohost::RefPtr<geckohost::dom::HTMLDocument> m_page;
  nsCOMPtr<nsIDOMHTMLDocument> m_document;
};

#endif
