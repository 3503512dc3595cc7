// Fetches what a URL names: a page of the page table, a file for a file: URL, the empty
// about:blank, or (where the network policy allows) an http: or https: URL over the network.
// Whatever cannot be fetched becomes an error page, as Gecko shows one (the load itself still
// succeeds and the document is complete); so does a file that is no regular file or is larger
// than kLargestPageBytes (PageLimits.h).
//
//   PageLoader loader(table);
//   LoadedPage page = loader.load("file:///tmp/a.html#part");
//   page.status == LoadStatus::Found, page.content is the file's text, page.url keeps "#part"
#ifndef GECKOHOST_NET_PAGELOADER_H
#define GECKOHOST_NET_PAGELOADER_H

#include <cstddef>
#include <optional>
#include <string>

#include "PageTable.h"
#include "net/NetworkPolicy.h"

namespace geckohost {

enum class LoadStatus { Found, NotFound };

struct LoadedPage {
  std::string url;          // the URL as asked for, fragment included
  std::string content;      // markup
  std::string contentType;  // "text/html" or "application/vnd.mozilla.xul+xml"
  LoadStatus status = LoadStatus::NotFound;
};

class PageLoader {
 public:
  static constexpr const char* kHtmlType = "text/html";
  static constexpr const char* kXulType = "application/vnd.mozilla.xul+xml";

  // Without a policy, nothing is fetched over the network.
  explicit PageLoader(const PageTable& pages, const net::NetworkPolicy* policy = nullptr)
      : mPages(pages), mPolicy(policy) {}

  LoadedPage load(const std::string& url) const;
  // The same without the network: page table, about:blank and files only.
  LoadedPage loadLocal(const std::string& url) const;

  // The bytes of a resource (an image): the page table's content at `url`, or a local file
  // for a file: URL; nothing for anything else, and nothing rather than more than `maxBytes`
  // bytes (a file's size is checked before it is read, and no more is read). Never an error page.
  std::optional<std::string> loadBytes(const std::string& url, size_t maxBytes) const;

  // The error page shown for a URL that nothing answers.
  static std::string errorPage(const std::string& url);

 private:
  const PageTable& mPages;            // weak; the host owns the table and every loader
  const net::NetworkPolicy* mPolicy;  // weak; as above
};

}  // namespace geckohost

#endif
