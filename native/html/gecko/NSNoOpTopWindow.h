// A placeholder top-level object for a native window that belongs to the browser but is
// neither a browser window, a dialog nor a drop-down list. The lookup recognises no such
// window in Firefox 3.6, so the domain never makes one; the class answers its few properties
// all the same.
#ifndef NATIVE_HTML_GECKO_NSNOOPTOPWINDOW_H
#define NATIVE_HTML_GECKO_NSNOOPTOPWINDOW_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"

class nsIWidget;

class CNSNoOpTopWindow final : public CHtmlRefCounted<CNSNoOpTopWindow, IHtmlTopLevelElement> {
 public:
  // False for every handle.
  static bool isNoOpTopWindow(long windowHandle);

  // Precondition: `windowHandle` is not 0.
  explicit CNSNoOpTopWindow(long windowHandle);

  // IHtmlElement
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override { return nullptr; }
  IHtmlElement* getParent() override { return nullptr; }
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override { return true; }
  IHtmlElement* getChildAtPoint(int x, int y) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override { return nullptr; }
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override { return false; }
  bool scrollIntoView() override { return false; }

  // IHtmlTopLevelElement
  IHtmlElement* getOwner() override { return getParent(); }

  // Sets `widget` to null and answers false: the placeholder has no widget of its own.
  bool getWidget(long windowHandle, nsCOMPtr<nsIWidget>& widget);

 private:
  // The screen bounds of the widget; all zero without one.
  nsRect getScreenRectangle();

  nsCOMPtr<nsIWidget> m_widget;
  nsCOMPtr<nsISupports> m_nativeObject;
  [[maybe_unused]] long m_windowHandle;  // kept with the object, asked by nothing yet
};

#endif
