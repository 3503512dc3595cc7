// One of the browser's own dialogs (alert, confirm, prompt, the download dialog, the find
// dialog, certificate and cookie dialogs) as a top-level test object, next to the browser
// windows. A dialog is an owned XUL window (it has a transient-for hint), finished loading,
// that shows no HTML. Its children are its controls: the visible buttons, check boxes, radio
// buttons, text boxes and texts of its document, then the buttons its binding generates.
#ifndef NATIVE_HTML_GECKO_NSHTMLDIALOG_H
#define NATIVE_HTML_GECKO_NSHTMLDIALOG_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMElement.h"
#include "nsIDOMNode.h"
#include "nsRect.h"

class CNSHtmlDialogControlEnumerator;
class nsIWidget;

class CNSHtmlDialog final : public CHtmlRefCounted<CNSHtmlDialog, IHtmlTopLevelElement> {
 public:
  // Whether the X window is one of the browser's dialogs.
  static bool isHtmlDialog(long windowHandle);
  static bool isHtmlDialog(nsCOMPtr<nsISupports>& xulWindow);
  // The XUL window whose handle is `windowHandle`; false (and null) when none is.
  static bool getXULWindow(long windowHandle, nsCOMPtr<nsISupports>& xulWindow);
  // The window's main widget, kept alive by the window; null without one.
  static nsIWidget* getWidget(nsCOMPtr<nsISupports>& xulWindow);
  // The X handle of the window: the nearest window with a class hint above its widget.
  static long getWindowHandle(nsCOMPtr<nsISupports>& xulWindow);
  // The document the window shows; false (and null) when a link of the chain is missing.
  static bool getDOMNode(nsCOMPtr<nsISupports>& xulWindow, nsCOMPtr<nsIDOMNode>& node);
  // False exactly when the element carries collapsed="true" (in any case).
  static bool isVisible(nsCOMPtr<nsIDOMElement>& element);

  explicit CNSHtmlDialog(nsCOMPtr<nsISupports>& xulWindow) : m_xulWindow(xulWindow) {}
  explicit CNSHtmlDialog(long windowHandle);

  // IHtmlElement
  IHtmlEnumerator* getChildren() override;
  IHtmlElement* getTopParent() override { return nullptr; }
  IHtmlElement* getParent() override { return nullptr; }
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int, int) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override;
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
  bool scrollIntoView() override { return false; }

  // IHtmlTopLevelElement
  IHtmlElement* getOwner() override { return nullptr; }

  long getWindowHandle() { return getWindowHandle(m_xulWindow); }
  nsIWidget* getWidget() { return getWidget(m_xulWindow); }
  // Screen pixels: the main widget's bounds, else the document's accessible's; empty without.
  nsRect getScreenRect();

  // The three steps that fill the control list; each answers `list`.
  // Visible controls of the ordinary DOM below `node`, in document order.
  CNSHtmlDialogControlEnumerator* getControls(nsCOMPtr<nsIDOMNode>& node,
                                              CNSHtmlDialogControlEnumerator* list);
  // The buttons of the dialog element that carries one of the dialogs' ids.
  CNSHtmlDialogControlEnumerator* getButtons(nsCOMPtr<nsIDOMNode>& node,
                                             CNSHtmlDialogControlEnumerator* list);
  // The visible buttons in `node`'s anonymous "dialog-button-box".
  CNSHtmlDialogControlEnumerator* getButtonsX(nsCOMPtr<nsIDOMNode> node,
                                              CNSHtmlDialogControlEnumerator* list);

  // "Exception occurred in NSHtmlDialog line N", traced.
  static void reportException(unsigned int line);

 private:
  // Whether `element`, visible, becomes a control of its own.
  bool isControl(nsCOMPtr<nsIDOMNode>& element);

  nsCOMPtr<nsISupports> m_xulWindow;
};

// Whether the XUL window shows an HTML document, in itself or in a frame at any depth.
bool containsHtml(nsCOMPtr<nsISupports> xulWindow);

#endif
