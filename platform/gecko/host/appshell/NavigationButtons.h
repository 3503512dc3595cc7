// The navigation bar's buttons follow the page a browser window shows, as Firefox's commands
// keep them: back and forward carry disabled="true" exactly when session history has nothing in
// that direction, stop exactly while nothing loads. Reload and home are always enabled.
//
//   fresh window on a.html      back, forward, stop disabled
//   then load b.html            back enabled
//   then back()                 back disabled, forward enabled
#ifndef GECKOHOST_APPSHELL_NAVIGATIONBUTTONS_H
#define GECKOHOST_APPSHELL_NAVIGATIONBUTTONS_H

namespace geckohost {

class DocShell;

namespace dom {
class Document;
}

class NavigationButtons {
 public:
  // Sets the buttons of `chrome` for the page shown by `page` (the selected tab's shell; null
  // when the window shows none, which disables all three).
  static void update(dom::Document& chrome, DocShell* page);
};

}  // namespace geckohost

#endif
