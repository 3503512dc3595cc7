#include "net/CurlTransfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "net/HttpCookies.h"

namespace geckohost::net {

namespace {

const long kMaxRedirects = 10;

std::string trimmed(const std::string& text) {
  size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos)
    return {};
  size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(start, end - start + 1);
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return i == a.size() && !b[i];
}

}  // namespace

CurlTransfer::CurlTransfer(const TransferRequest& request, TransferListener& listener)
    : mEasy(curl_easy_init()), mRequestBody(request.body), mListener(listener) {
  curl_easy_setopt(mEasy, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(mEasy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(mEasy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(mEasy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(mEasy, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(mEasy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(mEasy, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(mEasy, CURLOPT_HEADERFUNCTION, &CurlTransfer::onHeader);
  curl_easy_setopt(mEasy, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(mEasy, CURLOPT_WRITEFUNCTION, &CurlTransfer::onBody);
  curl_easy_setopt(mEasy, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(mEasy, CURLOPT_PRIVATE, this);
  if (request.method == "GET") {
    curl_easy_setopt(mEasy, CURLOPT_HTTPGET, 1L);
  } else if (request.method == "HEAD") {
    curl_easy_setopt(mEasy, CURLOPT_NOBODY, 1L);
  } else {
    curl_easy_setopt(mEasy, CURLOPT_CUSTOMREQUEST, request.method.c_str());
  }
  if (request.hasBody && request.method != "GET" && request.method != "HEAD") {
    curl_easy_setopt(mEasy, CURLOPT_POSTFIELDS, mRequestBody.data());
    curl_easy_setopt(mEasy, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(mRequestBody.size()));
  }
  if (!request.user.empty()) {
    curl_easy_setopt(mEasy, CURLOPT_USERNAME, request.user.c_str());
    curl_easy_setopt(mEasy, CURLOPT_PASSWORD, request.password.c_str());
  }
  for (const auto& [name, value] : request.headers)
    mRequestHeaders = curl_slist_append(mRequestHeaders, (name + ": " + value).c_str());
  std::string cookie = HttpCookies::requestHeader(request.url);
  if (!cookie.empty())
    mRequestHeaders = curl_slist_append(mRequestHeaders, cookie.c_str());
  // curl would otherwise wait for "100 Continue" before sending a body.
  mRequestHeaders = curl_slist_append(mRequestHeaders, "Expect:");
  curl_easy_setopt(mEasy, CURLOPT_HTTPHEADER, mRequestHeaders);
}

CurlTransfer::~CurlTransfer() {
  curl_easy_cleanup(mEasy);
  curl_slist_free_all(mRequestHeaders);
}

std::string CurlTransfer::takeBody() {
  std::string body;
  body.swap(mBody);
  return body;
}

void CurlTransfer::setEnded(std::string failure) {
  mEnded = true;
  mFailure = std::move(failure);
}

size_t CurlTransfer::onHeader(char* data, size_t size, size_t count, void* self) {
  static_cast<CurlTransfer*>(self)->headerLine(std::string(data, size * count));
  return size * count;
}

size_t CurlTransfer::onBody(char* data, size_t size, size_t count, void* self) {
  auto* transfer = static_cast<CurlTransfer*>(self);
  transfer->mHeadersComplete = true;  // a body without a header block ending first: HTTP/0.9
  transfer->mBody.append(data, size * count);
  return size * count;
}

// Each response (an interim 1xx, a redirect, the final one) brings a header block of its own,
// starting with the status line and ending with an empty line. Only the final one counts.
void CurlTransfer::headerLine(std::string line) {
  if (line.rfind("HTTP/", 0) == 0) {
    mHeaders.clear();
    size_t space = line.find(' ');
    std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
    mStatus = std::atoi(rest.c_str());
    size_t reason = rest.find(' ');
    mStatusText = reason == std::string::npos ? std::string() : trimmed(rest.substr(reason + 1));
    return;
  }
  std::string content = trimmed(line);
  if (content.empty()) {
    bool interim = mStatus < 200;
    bool redirect = mStatus >= 300 && mStatus < 400 &&
                    std::any_of(mHeaders.begin(), mHeaders.end(), [](const auto& header) {
                      return equalsIgnoringCase(header.first, "location");
                    });
    if (!interim && !redirect)
      mHeadersComplete = true;
    return;
  }
  size_t colon = content.find(':');
  if (colon == std::string::npos)
    return;
  mHeaders.emplace_back(trimmed(content.substr(0, colon)), trimmed(content.substr(colon + 1)));
  char* url = nullptr;
  curl_easy_getinfo(mEasy, CURLINFO_EFFECTIVE_URL, &url);
  if (url)
    HttpCookies::takeResponseHeader(url, mHeaders.back().first, mHeaders.back().second);
}

}  // namespace geckohost::net
