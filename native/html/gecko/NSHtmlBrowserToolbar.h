// One item of the browser's own toolbars (a button of the navigation bar, a bookmark, an
// item of the find bar), placed on the screen by its XUL box object.
#ifndef NATIVE_HTML_GECKO_NSHTMLBROWSERTOOLBAR_H
#define NATIVE_HTML_GECKO_NSHTMLBROWSERTOOLBAR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"

class nsIDOMXULElement;
class nsIXULWindow;

class CNSHtmlBrowserToolbar : public CHtmlRefCounted<CNSHtmlBrowserToolbar, IHtmlElement> {
 public:
  // `element` may be null (an item that is not a XUL element): the object then answers null,
  // zero or false to whatever needs it.
  CNSHtmlBrowserToolbar(nsCOMPtr<nsIDOMXULElement> element, nsCOMPtr<nsIXULWindow> window);

  // IHtmlElement
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override { return getParent(); }
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  // Edges included: the right and bottom edge still belong to the item.
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int x, int y) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override { return false; }
  bool scrollIntoView() override { return false; }

  virtual ~CNSHtmlBrowserToolbar();

  // The item's box on the screen; all zero when it cannot be read.
  nsRect getScreenRect();

  static void reportError(const char* message, unsigned int line);
  static void reportException(unsigned int line);

 private:
  nsCOMPtr<nsIDOMXULElement> m_element;
  nsCOMPtr<nsIXULWindow> m_window;
};

#endif
