// An HTML page: a document whose elements are HTML by default, with the page-level lookups of
// nsIDOMHTMLDocument (body, title, forms, images, links, getElementsByName, cookie).
#ifndef GECKOHOST_DOM_HTMLDOCUMENT_H
#define GECKOHOST_DOM_HTMLDOCUMENT_H

#include "dom/Document.h"
#include "nsIDOMHTMLDocument.h"

namespace geckohost::dom {

class HTMLElement;

class HTMLDocument final : public Document, public nsIDOMHTMLDocument {
 public:
  // An empty document (no children) at `url`; the HTML parser fills it.
  static RefPtr<HTMLDocument> create(const net::URI& url);

  // Quirks mode as the parser found it from the doctype.
  bool isQuirksMode() const { return mQuirksMode; }
  void setQuirksMode(bool quirks) { mQuirksMode = quirks; }
  // "BackCompat" in quirks mode, "CSS1Compat" otherwise.
  std::u16string_view compatMode() const;

  // The root's first head child; the root's first body or frameset child.
  Element* head() const;
  HTMLElement* body() const;

  // Live lists of the page: elements named `name`; images; links (a and area with an href);
  // forms; anchors (a with a name); applets; embeds.
  RefPtr<ElementList> getElementsByName(std::u16string_view name);
  RefPtr<ElementList> images();
  RefPtr<ElementList> links();
  RefPtr<ElementList> forms();
  RefPtr<ElementList> anchors();
  RefPtr<ElementList> applets();
  RefPtr<ElementList> embeds();

  // document.cookie, through the installed cookie jar ("" without one).
  std::u16string cookie() const;
  void setCookie(std::u16string_view cookie);

  // The host of the document's URL ("" for file: and about: documents).
  std::u16string domain() const;
  const std::u16string& referrer() const { return mReferrer; }
  void setReferrer(std::u16string_view referrer) { mReferrer = referrer; }

  // Document
  // The text of the first <title>, white space stripped and collapsed.
  std::u16string title() const override;
  // Changes the first <title>'s text, making one in the head when there is none.
  void setTitle(std::u16string_view title) override;
  net::URI baseURL() const override;
  Element* activeElement() const override;

  nsIDOMDocument* asDOMDocument() override { return static_cast<nsIDOMHTMLDocument*>(this); }

  // nsISupports, nsIDOMNode, nsIDOMDocument
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Document)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_FORWARD_NSIDOMDOCUMENT(Document::)
  // nsIDOMHTMLDocument (its title and referrer answer nsIDOMNSDocument's too)
  NS_DECL_NSIDOMHTMLDOCUMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;

 private:
  explicit HTMLDocument(const net::URI& url) : Document(DocumentKind::HTML, url) {}

  Element* firstHTMLElement(std::u16string_view localName) const;
  RefPtr<ElementList> htmlElementsWhere(std::u16string_view localName,
                                        std::u16string_view requiredAttribute);

  bool mQuirksMode = false;
  std::u16string mReferrer;
};

}  // namespace geckohost::dom

#endif
