// Enumerates the browser's top-level windows as test objects: first the open drop-down list
// of the focused select, when there is one, then in the window mediator's order (creation
// order) a dialog object for each dialog and a browser object for each XUL window that shows
// a focused content shell. Windows whose document shell has no DOM window are passed over; a
// window whose browser object finds no focused shell yields null for its turn.
#ifndef NATIVE_HTML_GECKO_NSTOPLEVELOBJECTENUMERATOR_H
#define NATIVE_HTML_GECKO_NSTOPLEVELOBJECTENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsISimpleEnumerator.h"

class CNSTopLevelObjectEnumerator final
    : public CHtmlRefCounted<CNSTopLevelObjectEnumerator, IHtmlEnumerator> {
 public:
  CNSTopLevelObjectEnumerator();

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override;

 private:
  // nextElement without its catch-all.
  IHtmlObject* makeNextElement();
  // The popup window of the focused select's open drop-down list; 0 when there is none.
  static long findPopup();

  nsCOMPtr<nsISimpleEnumerator> m_ienum;
  long m_popupHandle;
};

#endif
