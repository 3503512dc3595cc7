// The back/forward list of one content shell: the URLs it has shown, and which one it shows.
//
//   history.push("a"); history.push("b"); history.push("c");   // a b [c]
//   history.goBack();                                          // a [b] c, answers "b"
//   history.push("d");                                         // a b [d]: c is gone
#ifndef GECKOHOST_DOCSHELL_SESSIONHISTORY_H
#define GECKOHOST_DOCSHELL_SESSIONHISTORY_H

#include <optional>
#include <string>
#include <vector>

namespace geckohost {

class SessionHistory {
 public:
  // Records a page shown after the current one; entries ahead of the current one are dropped.
  void push(const std::string& url);
  // The current entry now shows `url` (a reload or a redirect); pushes when empty.
  void replaceCurrent(const std::string& url);

  bool canGoBack() const { return mIndex > 0; }
  bool canGoForward() const { return mIndex >= 0 && mIndex + 1 < count(); }

  // Steps back or forward and answers the URL to show; nothing (and no step) at either end.
  std::optional<std::string> goBack();
  std::optional<std::string> goForward();
  // Steps to entry `index`; nothing when it does not exist.
  std::optional<std::string> goToIndex(int index);

  int count() const { return static_cast<int>(mEntries.size()); }
  int index() const { return mIndex; }  // -1 while empty
  // The current entry's URL; empty while the history is empty.
  std::string currentUrl() const { return mIndex >= 0 ? mEntries[mIndex] : std::string(); }
  const std::string& entryAt(int index) const { return mEntries.at(index); }

 private:
  std::vector<std::string> mEntries;
  int mIndex = -1;
};

}  // namespace geckohost

#endif
