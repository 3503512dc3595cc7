#include "PageLoader.h"

#include <fstream>
#include <sstream>

#include "UrlResolver.h"

namespace geckohost {

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string escapeHtml(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

LoadedPage PageLoader::load(const std::string& url) const {
  LoadedPage page;
  page.url = url;
  page.contentType = kHtmlType;
  std::string location = UrlResolver::withoutFragment(url);
  if (const PageTable::Page* stored = mPages.find(location)) {
    page.content = stored->content;
    page.contentType = stored->contentType;
    page.status = LoadStatus::Found;
    return page;
  }
  if (location == "about:blank") {
    page.status = LoadStatus::Found;
    return page;
  }
  std::string path = UrlResolver::filePath(location);
  if (!path.empty()) {
    std::ifstream file(path, std::ios::binary);
    if (file) {
      std::ostringstream content;
      content << file.rdbuf();
      page.content = content.str();
      if (endsWith(path, ".xul"))
        page.contentType = kXulType;
      page.status = LoadStatus::Found;
      return page;
    }
  }
  page.content = errorPage(url);
  return page;
}

std::string PageLoader::errorPage(const std::string& url) {
  return "<html><head><title>Problem loading page</title></head><body>"
         "<h1 id=\"errorTitle\">Problem loading page</h1>"
         "<p id=\"errorShortDesc\">" +
         escapeHtml(url) + " could not be found.</p></body></html>";
}

}  // namespace geckohost
