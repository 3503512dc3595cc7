// The test object of one HTML element, and the base of every element class. It answers from
// the live DOM at each call: parent and children in the test-object tree, standard properties,
// attributes as native properties, the screen rectangle (from the accessibility service or the
// offset-parent chain) and the element's visible text.
#ifndef NATIVE_HTML_GECKO_NSHTMLELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLELEMENT_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMHTMLElement.h"
#include "nsRect.h"
#include "nsStringAPI.h"

class nsIAccessible;
class nsIDOMNode;
class nsIFrame;

class CNSHtmlElement : public CHtmlRefCounted<CNSHtmlElement, INSDomElement> {
 public:
  explicit CNSHtmlElement(nsCOMPtr<nsIDOMHTMLElement>& element);

  // IHtmlElement
  IHtmlEnumerator* getChildren() override;
  IHtmlElement* getTopParent() override;
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int x, int y) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override;
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
  bool scrollIntoView() override;
  IHtmlDocument* getDocumentHandle() override;
  IHtmlEnumerator* getElementsByTag(const unsigned short* tagName) override;

  // INSDomElement
  nsRect getScreenRect() override;
  bool isVisible() override { return false; }
  bool getText(nsString_external& text) override;

  virtual ~CNSHtmlElement();           // slots 31 and 32
  virtual bool hitTest(int x, int y);  // slot 33
  virtual nsIFrame* getLayoutFrame();  // slot 34

  // The wrapped element; never null for a constructed object.
  nsIDOMHTMLElement* getElement() const { return m_element; }
  // Told by the factory, which reads the wrapped element's local name anyway: bounds then
  // need the tag name only when the local name is "html".
  void noteLocalName(const nsAString& localName);

  // Eight hexadecimal digits of the identity followed by the tag name: "0a1b2c3dDIV".
  nsString_external getUniqueId();
  // An attribute's value by name, or the inner HTML for exactly "innerHTML"; null otherwise.
  IHtmlPropertyValue* getNativeProperty(const char* name);
  // Whether the element carries an attribute of that name, whatever its value.
  bool hasAttribute(const char* name);
  // The X11 window handle of the native window that shows the element's document; 0 if none.
  long getElementWindowHandle();

  // --- Geometry (screen pixels unless said otherwise) ---

  // The element's box on the screen; left as it was when it cannot be measured.
  void getBounds(nsRect& rect);
  // CSS pixels of the element's document to screen pixels, in place (zoom, then placement).
  void toScreenPosition(nsRect& rect);
  // The node's accessible, when the accessibility service has one.
  nsCOMPtr<nsIAccessible> getAccessibleNode(nsCOMPtr<nsIDOMNode> node);
  // The DOM element under a screen point of the element's document, or null.
  nsCOMPtr<nsIDOMNode> elementFromPoint(int x, int y);
  // CSS pixels; 0 when unknown.
  int getClientWidth();
  int getClientHeight();
  int getScrollbarVWidth();
  int getScrollbarHHeight();
  // The content overflows the client area by more than 5 pixels in either direction.
  bool isElementScrollable();
  // The native window with that handle as the X server places it: its position on the root
  // window and its size. False when there is no such window.
  bool getWindowBounds(long windowHandle, nsRect& bounds);

  // The raw text of `node`'s subtree appended to `text`; answers whether `text` is non-empty.
  static bool getText(nsCOMPtr<nsIDOMNode>& node, nsString_external& text);

  static void ReportError(const char* message, unsigned int line);
  static void reportException(unsigned int line);

 protected:
  // The wrapped element through one of its typed DOM interfaces; null when it has none. The
  // property cases that need it ask, so the properties every element has cost no query.
  template <class Interface>
  nsCOMPtr<Interface> typedElement() const {
    nsCOMPtr<Interface> typed = do_QueryInterface(m_element);
    return typed;
  }

  // Zoom of the element's document's window; <= 0 when unknown.
  float getDocumentZoom();

  nsCOMPtr<nsIDOMHTMLElement> m_element;

 private:
  // The tag name is the local name behind any prefix: a local name other than "html" (in any
  // case) rules out the tag name "HTML" that gives the root element its client height.
  bool tagMayBeHtml();

  IHtmlPropertyValue* offsetValue(unsigned int id);
  void placeOnScreen(nsRect& rect);
  bool hasFocus();
  bool hasScript();

  bool m_localNameIsNotHtml = false;  // false until the factory says so
};

#endif
