#include "PageTable.h"

#include "net/URI.h"

namespace geckohost {

namespace {

// The form pages are filed under: the URL normalised as documents see it, without fragment,
// so that "HTTP://Test/a.html#top" finds the page put at "http://test/a.html".
std::string keyFor(const std::string& url) {
  std::optional<net::URI> parsed = net::URI::parse(url);
  return parsed ? parsed->withoutRef().spec() : url;
}

}  // namespace

void PageTable::put(const std::string& url, std::string content, std::string contentType) {
  mPages[keyFor(url)] = Page{std::move(content), std::move(contentType)};
}

bool PageTable::remove(const std::string& url) {
  return mPages.erase(keyFor(url)) > 0;
}

void PageTable::clear() {
  mPages.clear();
}

const PageTable::Page* PageTable::find(const std::string& url) const {
  auto found = mPages.find(keyFor(url));
  return found == mPages.end() ? nullptr : &found->second;
}

}  // namespace geckohost
