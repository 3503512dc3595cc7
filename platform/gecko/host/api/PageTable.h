// Pages served from memory: a test puts markup at a URL, and every load of that URL (a tab,
// LoadURI, a frame's src, history) gets it, as if a server had answered. URLs are compared as
// documents see them: normalised (scheme and host in lower case, dot segments resolved) and
// without their fragment.
//
//   host->pages().put("http://test/a.html", "<p id=x>hello</p>");
//   window.loadUrl("http://test/a.html");
#ifndef GECKOHOST_API_PAGETABLE_H
#define GECKOHOST_API_PAGETABLE_H

#include <map>
#include <string>

#include "HostApi.h"

namespace geckohost {

class GECKOHOST_API PageTable {
 public:
  struct Page {
    std::string content;
    std::string contentType;  // "text/html", or "application/vnd.mozilla.xul+xml" for XUL
  };

  // Serves `content` at `url` from now on, replacing an earlier page there.
  void put(const std::string& url, std::string content, std::string contentType = "text/html");
  // Forgets the page at `url`; true when there was one.
  bool remove(const std::string& url);
  void clear();

  // The page at `url`, or null.
  const Page* find(const std::string& url) const;
  size_t size() const { return mPages.size(); }

 private:
  std::map<std::string, Page> mPages;
};

}  // namespace geckohost

#endif
