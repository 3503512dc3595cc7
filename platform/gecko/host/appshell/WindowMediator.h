// The window mediator: the list of open top-level XUL windows, oldest first, and which was
// active last. The host registers it under its contract ID; the product enumerates it to find
// the windows behind the handles it is given.
//
//   mediator->GetXULWindowEnumerator(nullptr, ...)      → every window, in the order opened
//   mediator->GetEnumerator(u"navigator:browser", ...)  → the browsers' chrome DOM windows
#ifndef GECKOHOST_APPSHELL_WINDOWMEDIATOR_H
#define GECKOHOST_APPSHELL_WINDOWMEDIATOR_H

#include <string>
#include <vector>

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"

namespace geckohost {

class WindowMediator final : public XPCOMObject<nsIWindowMediator> {
 public:
  static constexpr const char* kContractID = "@mozilla.org/appshell/window-mediator;1";

  WindowMediator() = default;

  // Adds a window of type `windowType` ("navigator:browser") as the newest and most recently
  // active. A window already listed keeps its place.
  void add(nsIXULWindow* window, const std::u16string& windowType);
  // Takes a window off the list; false when it was not on it.
  bool remove(nsIXULWindow* window);
  // The window became the active one (focused by the user, or by a test).
  void activated(nsIXULWindow* window);
  size_t size() const { return mWindows.size(); }

  // Windows of `windowType` (all when null), oldest first.
  std::vector<nsCOMPtr<nsIXULWindow>> windows(const PRUnichar* windowType) const;
  // Windows of `windowType` (all when null), most recently active first.
  std::vector<nsCOMPtr<nsIXULWindow>> windowsByRecency(const PRUnichar* windowType) const;

  // nsIWindowMediator
  NS_DECL_NSIWINDOWMEDIATOR

 private:
  ~WindowMediator() override = default;

  struct Entry {
    nsCOMPtr<nsIXULWindow> window;
    std::u16string type;
    unsigned long activation;  // larger is more recent
  };
  static bool matches(const Entry& entry, const PRUnichar* windowType);

  std::vector<Entry> mWindows;  // in registration order
  unsigned long mActivations = 0;
};

}  // namespace geckohost

#endif
