#include "PageTable.h"

namespace geckohost {

void PageTable::put(const std::string& url, std::string content, std::string contentType) {
  mPages[url] = Page{std::move(content), std::move(contentType)};
}

bool PageTable::remove(const std::string& url) {
  return mPages.erase(url) > 0;
}

void PageTable::clear() {
  mPages.clear();
}

const PageTable::Page* PageTable::find(const std::string& url) const {
  auto found = mPages.find(url);
  return found == mPages.end() ? nullptr : &found->second;
}

}  // namespace geckohost
