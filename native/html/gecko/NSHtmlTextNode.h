// The test object of one DOM text node: its character data as ".text", its length, and the
// rectangle the accessibility service gives it.
#ifndef NATIVE_HTML_GECKO_NSHTMLTEXTNODE_H
#define NATIVE_HTML_GECKO_NSHTMLTEXTNODE_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMText.h"

class CNSHtmlTextNode final : public CHtmlRefCounted<CNSHtmlTextNode, INSDomElement> {
 public:
  // Precondition: `node` is not null.
  explicit CNSHtmlTextNode(nsCOMPtr<nsIDOMText>& node) : m_domNode(node) {}

  // IHtmlElement
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override;
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int x, int y) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  // Only ".text" can be set: it replaces the node's character data.
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
  // Finds the node's layout frame; the page does not move. True when the document is shown.
  bool scrollIntoView() override;

  // INSDomElement
  // The accessible's bounds in screen pixels; (0, 0, 0, 0) without an accessible.
  nsRect getScreenRect() override;
  bool isVisible() override { return true; }
  // The character data as it stands, no white-space cleaning; true when it could be read.
  bool getText(nsString_external& text) override;

  static void reportError(const char* message, unsigned int line);
  static void reportException(unsigned int line);

 private:
  nsCOMPtr<nsIDOMText> m_domNode;
};

#endif
