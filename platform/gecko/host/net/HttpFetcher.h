// A blocking HTTP GET for page loads (a tab, a frame, a script's src): pages are shown in one
// step, so the load waits for the whole response, up to a time and a size limit.
#ifndef GECKOHOST_NET_HTTPFETCHER_H
#define GECKOHOST_NET_HTTPFETCHER_H

#include <string>

namespace geckohost::net {

class HttpFetcher {
 public:
  static constexpr long kTimeoutMs = 20000;
  static constexpr size_t kMaxBytes = 16 * 1024 * 1024;

  struct Response {
    long status = 0;
    std::string contentType;
    std::string body;
  };

  // The final response (redirects followed) of a 2xx status; false with `error` otherwise.
  static bool get(const std::string& url, Response& response, std::string& error);

 private:
  static size_t onBody(char* data, size_t size, size_t count, void* response);
  static size_t onHeader(char* data, size_t size, size_t count, void* handle);
};

}  // namespace geckohost::net

#endif
