// The tabs of a browser window, kept where Firefox keeps them: in the chrome document. Each
// tab is a <tab> in "tabbrowser-tabs" and a <browser> in the deck "tabbrowser-panels"; the
// chrome shell makes a content shell for each <browser>, and the selected one is marked
// type="content-primary" and shown.
//
//   TabBrowser tabs(window);
//   int second = tabs.add("http://test/b.html");   // loaded, not selected
//   tabs.select(second);                           // its widget shows, the first one hides
#ifndef GECKOHOST_APPSHELL_TABBROWSER_H
#define GECKOHOST_APPSHELL_TABBROWSER_H

#include <string>

namespace geckohost {

class DocShell;
class XULWindow;

namespace dom {
class Element;
}

class TabBrowser {
 public:
  explicit TabBrowser(XULWindow& window) : mWindow(window) {}

  int count() const;
  // The selected tab; -1 without tabs.
  int selected() const;
  // Appends a tab loading `url`; the first tab is selected, later ones are not. Answers the
  // new tab's index, or -1 when the chrome has no tab browser.
  int add(const std::string& url);
  bool select(int index);
  // The content shell of tab `index`; null when there is no such tab.
  DocShell* shell(int index) const;

  // A tab is labelled with its page's title, or the address while the page has none.
  void updateLabel(DocShell& tabShell);

  // Shows or hides the find bar; the content area gives it room.
  bool setFindBarShown(bool shown);

 private:
  dom::Element* element(const char16_t* id) const;
  dom::Element* browserAt(int index) const;

  XULWindow& mWindow;
};

}  // namespace geckohost

#endif
