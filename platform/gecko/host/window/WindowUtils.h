// nsIDOMWindowUtils of a DOM window, made on the first request through the window's
// nsIInterfaceRequestor and kept by the window, as Gecko's windows keep theirs. Its answer the
// product needs is the zoom: screen pixels per CSS pixel, 1.0 at 100 %, 1.5 at 150 %.
// The window holds it; it holds the window weakly and answers NS_ERROR_NOT_AVAILABLE once
// the window is gone.
#ifndef GECKOHOST_WINDOW_WINDOWUTILS_H
#define GECKOHOST_WINDOW_WINDOWUTILS_H

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIDOMWindowUtils.h"

namespace geckohost {

class DOMWindow;

class WindowUtils final : public XPCOMObject<nsIDOMWindowUtils> {
 public:
  explicit WindowUtils(DOMWindow& window);
  // Called by the window as it goes.
  void windowGone();

  // nsIDOMWindowUtils
  NS_DECL_NSIDOMWINDOWUTILS

 private:
  ~WindowUtils() override;

  DOMWindow* mWindow;                // weak; null once the window is gone
  PRUint16 mImageAnimationMode = 0;  // imgIContainer's kNormalAnimMode
};

}  // namespace geckohost

#endif
