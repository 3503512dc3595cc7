#include "net/HttpFetcher.h"

#include <curl/curl.h>

#include <memory>

#include "net/HttpCookies.h"

namespace geckohost::net {

// Cookies the server sets while the page loads go into the host's jar at once.
size_t HttpFetcher::onHeader(char* data, size_t size, size_t count, void* handle) {
  std::string line(data, size * count);
  size_t colon = line.find(':');
  char* url = nullptr;
  curl_easy_getinfo(static_cast<CURL*>(handle), CURLINFO_EFFECTIVE_URL, &url);
  if (colon != std::string::npos && url) {
    size_t start = line.find_first_not_of(" \t", colon + 1);
    size_t end = line.find_last_not_of(" \t\r\n");
    std::string value = start == std::string::npos || end < start
                            ? std::string()
                            : line.substr(start, end - start + 1);
    HttpCookies::takeResponseHeader(url, line.substr(0, colon), value);
  }
  return size * count;
}

size_t HttpFetcher::onBody(char* data, size_t size, size_t count, void* response) {
  std::string& body = static_cast<Response*>(response)->body;
  if (body.size() + size * count > kMaxBytes)
    return 0;  // curl ends the transfer with a write error
  body.append(data, size * count);
  return size * count;
}

bool HttpFetcher::get(const std::string& url, Response& response, std::string& error) {
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(), curl_easy_cleanup);
  if (!easy) {
    error = "cannot make a transfer";
    return false;
  }
  CURL* handle = easy.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, kTimeoutMs);
  curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &HttpFetcher::onBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &response);
  curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &HttpFetcher::onHeader);
  curl_easy_setopt(handle, CURLOPT_HEADERDATA, handle);
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr, curl_slist_free_all);
  std::string cookie = HttpCookies::requestHeader(url);
  if (!cookie.empty()) {
    headers.reset(curl_slist_append(nullptr, cookie.c_str()));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
  }
  CURLcode result = curl_easy_perform(handle);
  if (result != CURLE_OK) {
    error = curl_easy_strerror(result);
    return false;
  }
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
  char* type = nullptr;
  curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type);
  response.contentType = type ? type : "";
  if (response.status < 200 || response.status >= 300) {
    error = "HTTP status " + std::to_string(response.status);
    return false;
  }
  return true;
}

}  // namespace geckohost::net
