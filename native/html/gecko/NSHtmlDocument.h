// The test object of one HTML document, and the library's single element factory.
//
// Document objects are made on demand and never cached; two stand for the same document
// exactly when they wrap the same nsIDOMHTMLDocument (operator==). Besides its properties and
// element lookups, a document maps rectangles and points between its own CSS pixels and the
// X11 screen, finds what contains it (frame element, parent document, browser window), and
// hit-tests screen points.
#ifndef NATIVE_HTML_GECKO_NSHTMLDOCUMENT_H
#define NATIVE_HTML_GECKO_NSHTMLDOCUMENT_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDocument.h"
#include "nsPoint.h"
#include "nsRect.h"
#include "nsStringAPI.h"

class CNSHtmlElement;
class nsIDOMElement;
class nsIDOMHTMLElement;
class nsIDOMNode;
class nsIDOMWindow;
class nsIWidget;

class CNSHtmlDocument final : public CHtmlRefCounted<CNSHtmlDocument, IHtmlDocument> {
 public:
  enum ScrollbarDimension { VERTICAL_SCROLLBAR_WIDTH, HORIZONTAL_SCROLLBAR_HEIGHT };

  // Precondition: `document` is not null.
  explicit CNSHtmlDocument(nsCOMPtr<nsIDOMHTMLDocument> document);

  // --- Lookup and the element factory ---

  // The HTML document a window shows, or the first one among its frames (index order, depth
  // first) when the window's own document is not HTML (a XUL chrome document).
  static bool getHtmlDocument(nsCOMPtr<nsIDOMWindow> window,
                              CHtmlObjectPtr<CNSHtmlDocument>& document);
  // The element object of the class that suits the element's DOM interfaces; a new object.
  static CNSHtmlElement* create(nsCOMPtr<nsIDOMHTMLElement>& element);
  // An HTML element through the factory, a text node as a text node object, anything else null.
  static IHtmlElement* create(nsCOMPtr<nsIDOMNode>& node);

  bool operator==(const CNSHtmlDocument& other) const;
  nsIDOMHTMLDocument* getHtmlDocumentNode() const { return m_htmlDocument; }

  // IHtmlElement
  IHtmlEnumerator* getChildren() override;
  IHtmlElement* getTopParent() override;
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override { return false; }
  IHtmlElement* getChildAtPoint(int x, int y) override;
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override;
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
  bool scrollIntoView() override { return false; }

  // IHtmlDocument
  IHtmlEnumerator* getElementsByTag(const unsigned short* tagName) override;
  IHtmlEnumerator* getElementsByName(const unsigned short* name) override;
  IHtmlElement* getElementById(const unsigned short* id) override;
  IHtmlPropertyValue* invokeScript(const char* script, const char* argument) override;
  IHtmlElement* getElementHandleById(const unsigned short* id) override { return nullptr; }

  // --- Properties and state ---

  // 0 when the document has no focus, 1 when it has.
  void hasFocus(int& focused);
  // The ready state as Gecko reports it: "loading", "interactive", "complete".
  nsString_external getReadyStatus();
  // Eight hexadecimal digits of the identity followed by the URL: "0a1b2c3dfile:///p.html".
  nsString_external getUniqueId();
  // Client width and height of the body element, CSS pixels; 0 without a body.
  int getDocBodyWidth();
  int getDocBodyHeight();
  // Scrollbars never take room from what the library reports: always 0.
  int getScrollbarVWidth() { return getScrollbarDimension(VERTICAL_SCROLLBAR_WIDTH); }
  int getScrollbarHHeight() { return getScrollbarDimension(HORIZONTAL_SCROLLBAR_HEIGHT); }
  int getScrollbarDimension(ScrollbarDimension dimension) { return 0; }

  // --- Placement ---

  // The document's DOM window (its script global object).
  bool getWindow(nsCOMPtr<nsIDOMWindow>& window);
  // The widget that displays the document, not referenced for the caller; null when none.
  nsIWidget* getWidget();
  // Document CSS pixels to screen pixels. Inside a frame element the frame's bounds place the
  // viewport; otherwise the widget's screen offset does. The zoom argument is not used.
  nsRect documentToScreen(const nsRect& rect, float zoom);
  nsPoint documentToScreen(const nsPoint& point);
  // The same, for a caller that already holds the document's DOM window (not null).
  nsRect documentToScreen(const nsRect& rect, nsIDOMWindow* window);
  // Screen pixels to viewport CSS pixels relative to the widget's origin; scrolling is not
  // added back. Width and height of the result are 0.
  nsRect screenToDocument(const nsRect& rect, float zoom);
  nsPoint screenToDocument(const nsPoint& point);
  // The HTML document that holds the frame showing this one.
  bool getParentDocument(CHtmlObjectPtr<CNSHtmlDocument>& parent);
  // The FRAME, IFRAME or OBJECT element of this document that shows `child`.
  bool findFrame(CNSHtmlDocument& child, CHtmlObjectPtr<IHtmlElement>& frame);
  // A new browser object for the top-level window that shows this document, or null.
  IHtmlBrowser* getBrowser();

  // --- Request tracing ---
  //
  // A page's XMLHttpRequest traffic is counted by a script the library injects (element id
  // "ZAVscript"); these switch it on and off and read its counts, each by evaluating a short
  // script in the page with the system principal.

  // The tracing script is in the page.
  bool isAjaxScriptExists();
  // Puts the tracing script at the end of the page's HEAD (or of the root element in a page
  // without one); true when it is in the page afterwards.
  bool insertWrapperScript();
  // The page says tracing is on.
  bool isAjaxTraceOnEnabled();
  // Switches tracing on (inserting the script once per document object) or off; always true.
  bool setAjaxTraeOn(bool on);
  // Requests sent and not finished, and finished since tracing was last switched off; 0
  // without the tracing script.
  int getAjaxPendingRequests();
  int getAjaxCompletedRequests();

  // --- Hit-testing and focus ---

  // The deepest descendant of `parent` whose rectangle holds the screen point, or null.
  IHtmlElement* getElementAtPoint(IHtmlElement* parent, int x, int y);
  // The innermost focused element, followed through frames; kept alive by the DOM.
  nsIDOMElement* getActiveElement();

  static void reportError(const char* message, unsigned int line);
  static void reportException(unsigned int line);

 private:
  // The containing frame element's bounds when the document is shown in one; false otherwise.
  // frameFoundTrace is traced as soon as the parent's class names a frame.
  bool getFrameBounds(HtmlRectangle& bounds, const char* frameFoundTrace);
  IHtmlElement* wrapLayoutAnswer(nsIDOMElement* element);
  nsIDOMElement* findActiveElement();
  // Runs `script` in the page's script context with the system principal; `result` holds the
  // value as text, empty when the evaluation failed.
  bool evaluate(const char* script, nsString_external& result);
  // evaluate() read as a decimal integer; 0 when it failed or is no number.
  int evaluateInteger(const char* script);
  nsCOMPtr<nsIDOMNode> wrapperScriptContainer();
  IHtmlElement* searchChildrenAtPoint(IHtmlEnumerator* children, int x, int y);
  // The first of `children` whose rectangle holds the screen point (a new reference), or null.
  static IHtmlElement* firstChildAtPoint(IHtmlEnumerator* children, int x, int y);
  IHtmlBrowser* getBrowserByFocus();
  IHtmlBrowser* getBrowserByWidget();

  // The document's nsIDocument face (doQI_nsIDocument), asked for once: placing an element
  // on the screen reads the window, the parent document and the widget through it.
  nsIDocument* contentDocument();

  nsCOMPtr<nsIDOMHTMLDocument> m_htmlDocument;
  nsCOMPtr<nsIDocument> m_contentDocument;
  bool m_ajaxTraceOn;
  bool m_wrapperScriptInserted;
};

#endif
