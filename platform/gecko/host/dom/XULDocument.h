// A XUL chrome document (a browser window's chrome, a dialog), parsed from a .xul file.
// Elements it creates are XUL elements; names keep their case.
#ifndef GECKOHOST_DOM_XULDOCUMENT_H
#define GECKOHOST_DOM_XULDOCUMENT_H

#include "dom/Document.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"

namespace geckohost::dom {

class XULDocument final : public Document, public nsIDOMXULDocument {
 public:
  // An empty document at `url`; the XUL parser fills it.
  static RefPtr<XULDocument> create(const net::URI& url);

  // Live list of the elements whose attribute `name` has the value `value` (compared exactly);
  // the value "*" matches any element that has the attribute.
  RefPtr<ElementList> getElementsByAttribute(std::u16string_view name, std::u16string_view value);
  RefPtr<ElementList> getElementsByAttributeNS(std::u16string_view namespaceURI,
                                               std::u16string_view name, std::u16string_view value);

  // Document
  // The root element's title attribute, which the window shows as its title.
  std::u16string title() const override;
  void setTitle(std::u16string_view title) override;

  // The chrome window's command dispatcher, which the window side makes and hands over.
  nsIDOMXULCommandDispatcher* commandDispatcher() const { return mCommandDispatcher; }
  void setCommandDispatcher(nsIDOMXULCommandDispatcher* dispatcher) {
    mCommandDispatcher = dispatcher;
  }

  // nsISupports, nsIDOMNode
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Document)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_DECL_NSIDOMXULDOCUMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;

 private:
  explicit XULDocument(const net::URI& url) : Document(DocumentKind::XUL, url) {}

  nsCOMPtr<nsIDOMXULCommandDispatcher> mCommandDispatcher;
  RefPtr<Node> mPopupNode;
  RefPtr<Node> mTooltipNode;
};

}  // namespace geckohost::dom

#endif
