// The open list of a drop-down select, which Gecko shows in a popup window of its own, as a
// top-level test object. Its children are the list's entries (options and option groups), its
// parent the select. The popup is recognised from its native window: the widget whose view
// hangs below the drop-down list frame of an open combo box.
//
//   popup window ── widget ── view V ── parent view P ── client data: the list frame (kind 63)
#ifndef NATIVE_HTML_GECKO_NSHTMLCOMBOLIST_H
#define NATIVE_HTML_GECKO_NSHTMLCOMBOLIST_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLElement.h"
#include "nsIWidget.h"
#include "nsRect.h"

class nsIFrame;

class CNSHtmlCombolist final : public CHtmlRefCounted<CNSHtmlCombolist, IHtmlTopLevelElement> {
 public:
  // Whether the native window shows the open list of a drop-down select.
  static bool isCombolist(long windowHandle);
  // The Gecko widget of a native window, found among the open drop-downs of the pages of
  // every browser window; false (and null) when no open list shows in that window.
  static bool getWidget(long windowHandle, nsCOMPtr<nsIWidget>& widget);
  // The layout frame behind a popup widget: widget → its view → the parent view → the frame
  // that owns it; null at any missing link.
  static nsIFrame* getFrame(nsCOMPtr<nsIWidget> widget);
  // The widget of the popup that shows a drop-down list frame while the list is open; null
  // while it is closed. Not referenced for the caller.
  static nsIWidget* getPopupWidget(nsIFrame* listFrame);
  // The focused element of the focused page of the first window that has one: an open
  // drop-down keeps the focus on its select. Kept alive by the DOM; null when no page has it.
  static nsIDOMElement* getAssociatedSelect();

  // Precondition: `windowHandle` is not 0.
  explicit CNSHtmlCombolist(long windowHandle);
  explicit CNSHtmlCombolist(nsIWidget* widget);
  virtual ~CNSHtmlCombolist() = default;

  // IHtmlElement
  IHtmlEnumerator* getChildren() override;
  IHtmlElement* getTopParent() override { return nullptr; }
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int, int) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override { return nullptr; }
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
  bool scrollIntoView() override { return false; }

  // IHtmlTopLevelElement
  IHtmlElement* getOwner() override { return getParent(); }

  // The popup widget's bounds, screen pixels; empty without a widget.
  nsRect getScreenRectangle();

 private:
  void getElement();

  nsCOMPtr<nsIDOMHTMLElement> m_element;  // the select, when a page had the focus
  nsCOMPtr<nsIWidget> m_widget;
  nsCOMPtr<nsISupports> m_nativeObject;  // none: the identity is 0
  long m_windowHandle;
};

#endif
