// nsIDOMWindowUtils of a DOM window, made on request through the window's
// nsIInterfaceRequestor. Its answer the product needs is the zoom: screen pixels per CSS pixel,
// 1.0 at 100 %, 1.5 at 150 %.
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

  // nsIDOMWindowUtils
  NS_DECL_NSIDOMWINDOWUTILS

 private:
  ~WindowUtils() override;

  nsCOMPtr<DOMWindow> mWindow;
  PRUint16 mImageAnimationMode = 0;  // imgIContainer's kNormalAnimMode
};

}  // namespace geckohost

#endif
