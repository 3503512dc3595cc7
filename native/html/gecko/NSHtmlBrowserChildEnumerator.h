// The children of a browser window as the agent sees them: the buttons of the navigation bar
// (the back/forward group counting as its separate buttons), the bookmark items of the
// bookmarks toolbar, the items of the find bar, and last the page's document.
#ifndef NATIVE_HTML_GECKO_NSHTMLBROWSERCHILDENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLBROWSERCHILDENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"

class CNSHtmlDocument;
class nsIDOMNode;
class nsIDOMNodeList;
class nsIXULWindow;

class CNSHtmlBrowserChildEnumerator
    : public CHtmlRefCounted<CNSHtmlBrowserChildEnumerator, IHtmlEnumerator> {
 public:
  CNSHtmlBrowserChildEnumerator(nsCOMPtr<nsIXULWindow> window,
                                CHtmlObjectPtr<CNSHtmlDocument>& document);

  // The child nodes of the first element at or below `node` (depth first) whose id is `id`.
  static nsCOMPtr<nsIDOMNodeList> getToolbarElement(nsCOMPtr<nsIDOMNode> node, const char* id);

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override;

  virtual ~CNSHtmlBrowserChildEnumerator();

 private:
  // nextElement without its catch-all.
  IHtmlObject* makeNextElement();
  // getToolbarElement by walking the tree below `node`.
  static nsCOMPtr<nsIDOMNodeList> findToolbarElement(nsCOMPtr<nsIDOMNode> node, const char* id);
  IHtmlObject* nextNavigationItem();

  unsigned int m_navigationPosition = 0;
  unsigned int m_bookmarksPosition = 0;
  unsigned int m_findPosition = 0;
  nsCOMPtr<nsIDOMNodeList> m_navigationItems;
  nsCOMPtr<nsIDOMNodeList> m_bookmarksItems;
  nsCOMPtr<nsIDOMNodeList> m_findItems;
  nsCOMPtr<nsIXULWindow> m_window;
  CHtmlObjectPtr<CNSHtmlDocument> m_document;
  unsigned int m_innerPosition = 0;
};

#endif
