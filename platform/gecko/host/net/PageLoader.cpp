#include "PageLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "PageLimits.h"

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

// The bytes of a regular file of at most `maxBytes` bytes; nothing for anything else. Opened
// without blocking and checked on the open descriptor, so that a FIFO put where a file was is
// never waited on; read up to one byte past the limit, so that a file growing meanwhile is
// refused rather than read without end.
std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return std::nullopt;
  struct stat info;
  std::optional<std::string> bytes;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && size_t(info.st_size) <= maxBytes) {
    std::string content(size_t(info.st_size) + 1, '\0');
    size_t length = 0;
    while (length < content.size()) {
      ssize_t got = ::read(fd, content.data() + length, content.size() - length);
      if (got < 0 && errno == EINTR)
        continue;
      if (got <= 0)
        break;
      length += size_t(got);
    }
    if (length <= maxBytes) {
      content.resize(length);
      bytes = std::move(content);
    }
  }
  ::close(fd);
  return bytes;
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
    if (std::optional<std::string> content = readRegularFile(path, kLargestPageBytes)) {
      page.content = std::move(*content);
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
  if (path.empty())
    return std::nullopt;
  return readRegularFile(path, maxBytes);
}

std::string PageLoader::errorPage(const std::string& url) {
  return "<html><head><title>Problem loading page</title></head><body>"
         "<h1 id=\"errorTitle\">Problem loading page</h1>"
         "<p id=\"errorShortDesc\">" +
         escapeHtml(url) + " could not be found.</p></body></html>";
}

}  // namespace geckohost
