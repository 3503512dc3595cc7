// The controls of a dialog, in the order the dialog found them. The dialog fills the list once;
// the agent then walks it. The list grows with the dialog: a form-like dialog with more than
// fifty controls keeps them all.
#ifndef NATIVE_HTML_GECKO_NSHTMLDIALOGCONTROLENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLDIALOGCONTROLENUMERATOR_H

#include <vector>

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlDialogControlEnumerator final
    : public CHtmlRefCounted<CNSHtmlDialogControlEnumerator, IHtmlEnumerator> {
 public:
  CNSHtmlDialogControlEnumerator() = default;

  // IHtmlEnumerator
  // The next control with a reference for the caller; null past the end.
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_position < static_cast<int>(m_controls.size()); }

  // Takes one reference of `control` into the list.
  void append(IHtmlElement* control);
  int count() const { return static_cast<int>(m_controls.size()); }

 private:
  int m_position = 0;
  std::vector<CHtmlObjectPtr<IHtmlElement>> m_controls;
};

#endif
