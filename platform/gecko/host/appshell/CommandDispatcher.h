// The command dispatcher of a window's chrome document. What the product asks of it is the
// focused window: the page of the selected tab, or the frame of it that took the focus, and
// the focused element there.
#ifndef GECKOHOST_APPSHELL_COMMANDDISPATCHER_H
#define GECKOHOST_APPSHELL_COMMANDDISPATCHER_H

#include "XPCOMObject.h"
#include "nsIDOMXULCommandDispatcher.h"

namespace geckohost {

class DocShell;
class XULWindow;

class CommandDispatcher final : public XPCOMObject<nsIDOMXULCommandDispatcher> {
 public:
  explicit CommandDispatcher(XULWindow& window) : mWindow(&window) {}

  // The window is closing: there is no focus to report any more.
  void detach() { mWindow = nullptr; }

  // nsIDOMXULCommandDispatcher
  NS_DECL_NSIDOMXULCOMMANDDISPATCHER

 private:
  ~CommandDispatcher() override = default;

  DocShell* focusedShell() const;

  XULWindow* mWindow;  // weak; the window holds us and detaches us when it closes
  bool mSuppressFocusScroll = false;
};

}  // namespace geckohost

#endif
