// window.frames: the outer windows of a shell's child shells, by index and by name, read
// afresh on every call (a frame added to the page shows up at once).
#ifndef GECKOHOST_WINDOW_WINDOWCOLLECTION_H
#define GECKOHOST_WINDOW_WINDOWCOLLECTION_H

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIDOMWindowCollection.h"

namespace geckohost {

class DocShell;

class WindowCollection final : public XPCOMObject<nsIDOMWindowCollection> {
 public:
  explicit WindowCollection(DocShell& shell);

  // nsIDOMWindowCollection
  NS_DECL_NSIDOMWINDOWCOLLECTION

 private:
  ~WindowCollection() override;

  nsCOMPtr<DocShell> mShell;  // a destroyed shell has no children, so the list is empty
};

}  // namespace geckohost

#endif
