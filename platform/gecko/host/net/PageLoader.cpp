#include "PageLoader.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "net/HttpFetcher.h"
#include "net/URI.h"

namespace geckohost {

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// "/tmp/a%20b.html" -> "/tmp/a b.html"; a '%' not followed by two hex digits stays.
std::string percentDecoded(const std::string& text) {
  std::string decoded;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
        hexValue(text[i + 2]) >= 0) {
      decoded.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
      i += 2;
    } else {
      decoded.push_back(text[i]);
    }
  }
  return decoded;
}

// The local path a file: URL names; "" for other URLs and for files on other hosts.
std::string localPath(const net::URI& url) {
  if (!url.schemeIs("file"))
    return {};
  if (!url.host().empty() && url.host() != "localhost")
    return {};
  return percentDecoded(url.filePath());
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
  LoadedPage page = loadLocal(url);
  std::optional<net::URI> parsed = net::URI::parse(url);
  if (page.status == LoadStatus::Found || !parsed || !mPolicy || !mPolicy->allows(*parsed))
    return page;
  net::HttpFetcher::Response response;
  std::string error;
  if (!net::HttpFetcher::get(parsed->withoutRef().spec(), response, error))
    return page;
  page.content = std::move(response.body);
  page.contentType = response.contentType.rfind(kXulType, 0) == 0 ? kXulType : kHtmlType;
  page.status = LoadStatus::Found;
  return page;
}

LoadedPage PageLoader::loadLocal(const std::string& url) const {
  LoadedPage page;
  page.url = url;
  page.contentType = kHtmlType;
  std::optional<net::URI> parsed = net::URI::parse(url);
  if (const PageTable::Page* stored = mPages.find(url)) {
    page.content = stored->content;
    page.contentType = stored->contentType;
    page.status = LoadStatus::Found;
    return page;
  }
  if (!parsed) {
    page.content = errorPage(url);
    return page;
  }
  if (parsed->withoutRef().spec() == "about:blank") {
    page.status = LoadStatus::Found;
    return page;
  }
  std::string path = localPath(*parsed);
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

std::optional<std::string> PageLoader::loadBytes(const std::string& url, size_t maxBytes) const {
  if (const PageTable::Page* stored = mPages.find(url)) {
    if (stored->content.size() > maxBytes)
      return std::nullopt;
    return stored->content;
  }
  std::optional<net::URI> parsed = net::URI::parse(url);
  std::string path = parsed ? localPath(*parsed) : std::string();
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error))
    return std::nullopt;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > maxBytes)
    return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return std::nullopt;
  std::string bytes(size_t(size), '\0');
  file.read(bytes.data(), std::streamsize(bytes.size()));
  bytes.resize(size_t(file.gcount()));
  return bytes;
}

std::string PageLoader::errorPage(const std::string& url) {
  return "<html><head><title>Problem loading page</title></head><body>"
         "<h1 id=\"errorTitle\">Problem loading page</h1>"
         "<p id=\"errorShortDesc\">" +
         escapeHtml(url) + " could not be found.</p></body></html>";
}

}  // namespace geckohost
