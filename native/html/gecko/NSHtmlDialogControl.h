// One control of a browser dialog: a button, check box, radio button, text box or text, as a
// leaf test object over its XUL element. Its class says which kind it is ("Html.DialogButton",
// "Html.DialogEdit", "Html.DialogStatic"), its rectangle comes from the accessibility service,
// and its XUL attributes are its native properties.
#ifndef NATIVE_HTML_GECKO_NSHTMLDIALOGCONTROL_H
#define NATIVE_HTML_GECKO_NSHTMLDIALOGCONTROL_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMNode.h"
#include "nsRect.h"
#include "nsStringAPI.h"

class CNSHtmlDialog;

class CNSHtmlDialogControl final : public CHtmlRefCounted<CNSHtmlDialogControl, IHtmlElement> {
 public:
  // Holds a reference to the node and one to the dialog.
  CNSHtmlDialogControl(nsCOMPtr<nsIDOMNode>& node, CNSHtmlDialog* dialog);
  ~CNSHtmlDialogControl();

  // IHtmlElement
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override { return getParent(); }
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int, int) override { return nullptr; }
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override;
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
  bool scrollIntoView() override { return false; }

  // The attribute of that name as a string value; null when there is none.
  IHtmlPropertyValue* getNativeProperty(const char* name);
  // "Html.DialogButton" for button, checkbox and radio; "Html.DialogStatic" for html and
  // description; "Html.DialogEdit" for textbox; "Html." for anything else.
  nsString_external getClass();
  // A text box's value attribute; empty without one.
  nsString_external getDialogText();
  // The node's text as the element text walk gathers it.
  bool getText(nsString_external& text);
  // The accessible's bounds in screen pixels; empty without an accessible.
  nsRect getScreenRect();

 private:
  IHtmlPropertyValue* textValue();

  nsCOMPtr<nsIDOMNode> m_node;
  CNSHtmlDialog* m_dialog;  // one reference, given back in the destructor
};

#endif
