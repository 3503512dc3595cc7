#include "script/XMLHttpRequest.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "net/NetworkService.h"

namespace geckohost::script {

namespace {

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string uppered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// An HTTP token: visible ASCII without separators.
bool isToken(const std::string& text) {
  static const std::string kSeparators = "()<>@,;:\\\"/[]?={} \t";
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return c > 32 && c < 127 && kSeparators.find(c) == std::string::npos;
  });
}

}  // namespace

XMLHttpRequest::XMLHttpRequest(net::NetworkService& network, net::URI base, Observer& observer)
    : mNetwork(network), mBase(std::move(base)), mObserver(observer) {}

XMLHttpRequest::~XMLHttpRequest() {
  if (mSending)
    mNetwork.cancel(mTransfer);
}

XMLHttpRequest::Refusal XMLHttpRequest::open(const std::string& method, const std::string& url,
                                             bool async, const std::string& user,
                                             const std::string& password) {
  if (!isToken(method))
    return Refusal::Syntax;
  std::string upper = uppered(method);
  if (upper == "CONNECT" || upper == "TRACE" || upper == "TRACK")
    return Refusal::Security;
  std::optional<net::URI> resolved = mBase.resolve(url);
  if (!resolved)
    return Refusal::Syntax;
  if (mSending) {
    mSending = false;
    mNetwork.cancel(mTransfer);
  }
  // Gecko sends the common methods in upper case, whatever case the page used.
  bool common = upper == "GET" || upper == "POST" || upper == "HEAD" || upper == "PUT" ||
                upper == "DELETE" || upper == "OPTIONS";
  mRequest = net::TransferRequest();
  mRequest.method = common ? upper : method;
  mRequest.url = resolved->withoutRef().spec();
  mRequest.user = user;
  mRequest.password = password;
  mAsync = async;
  resetResponse();
  changeState(kOpened);
  return Refusal::None;
}

XMLHttpRequest::Refusal XMLHttpRequest::setRequestHeader(const std::string& name,
                                                         const std::string& value) {
  if (mState != kOpened || mSending)
    return Refusal::InvalidState;
  if (!isToken(name))
    return Refusal::Syntax;
  for (auto& header : mRequest.headers) {
    if (lowered(header.first) == lowered(name)) {
      header.second += ", " + value;
      return Refusal::None;
    }
  }
  mRequest.headers.emplace_back(name, value);
  return Refusal::None;
}

XMLHttpRequest::Refusal XMLHttpRequest::send(const std::optional<std::string>& body) {
  if (mState != kOpened || mSending)
    return Refusal::InvalidState;
  if (body && mRequest.method != "GET" && mRequest.method != "HEAD") {
    mRequest.body = *body;
    mRequest.hasBody = true;
  }
  mSending = true;
  using Mode = net::NetworkService::Mode;
  uint64_t transfer = mNetwork.start(mRequest, *this, mAsync ? Mode::Async : Mode::Sync);
  // A synchronous transfer has ended by now (and so has mSending).
  mTransfer = mSending ? transfer : 0;
  return Refusal::None;
}

void XMLHttpRequest::abort() {
  bool active = mSending || mState == kHeadersReceived || mState == kLoading;
  if (mSending) {
    mSending = false;
    mNetwork.cancel(mTransfer);
    mTransfer = 0;
  }
  if (active) {
    resetResponse();
    changeState(kDone);
    fire("abort");
  }
  mState = kUnsent;
}

void XMLHttpRequest::abortQuietly() {
  if (!mSending)
    return;
  mSending = false;
  mNetwork.cancel(mTransfer);
  mTransfer = 0;
}

std::optional<std::string> XMLHttpRequest::responseHeader(const std::string& name) const {
  if (mState < kHeadersReceived)
    return std::nullopt;
  std::optional<std::string> found;
  for (const auto& [header, value] : mResponseHeaders) {
    if (lowered(header) == lowered(name))
      found = found ? *found + ", " + value : value;
  }
  return found;
}

std::string XMLHttpRequest::allResponseHeaders() const {
  if (mState < kHeadersReceived)
    return {};
  std::string text;
  for (const auto& [header, value] : mResponseHeaders)
    text += header + ": " + value + "\r\n";
  return text;
}

void XMLHttpRequest::responseStarted(int status, const std::string& statusText,
                                     const net::HeaderList& headers) {
  if (!mSending)
    return;
  mStatus = status;
  mStatusText = statusText;
  mResponseHeaders = headers;
  for (const auto& [header, value] : headers) {
    if (lowered(header) == "content-length")
      mExpectedLength = std::strtoull(value.c_str(), nullptr, 10);
  }
  changeState(kHeadersReceived);
}

void XMLHttpRequest::dataReceived(std::string_view data) {
  if (!mSending)
    return;
  mResponse.append(data);
  changeState(kLoading);
  if (!mSending)
    return;
  Event progress{"progress"};
  progress.loaded = mResponse.size();
  progress.lengthComputable = mExpectedLength.has_value();
  progress.total = mExpectedLength.value_or(0);
  mObserver.fire(*this, progress);
}

void XMLHttpRequest::transferFinished() {
  if (!mSending)
    return;
  mSending = false;
  mTransfer = 0;
  changeState(kDone);
  if (mState == kDone)
    fire("load");
  mObserver.settled(*this);
}

// Gecko 1.9.2 completes the request first (readystatechange with readyState 4 and status 0),
// then tells of the error.
void XMLHttpRequest::transferFailed(const std::string&) {
  if (!mSending)
    return;
  mSending = false;
  mTransfer = 0;
  resetResponse();
  changeState(kDone);
  if (mState == kDone)
    fire("error");
  mObserver.settled(*this);
}

void XMLHttpRequest::changeState(State state) {
  mState = state;
  fire("readystatechange");
}

void XMLHttpRequest::fire(const char* type) {
  mObserver.fire(*this, Event{type});
}

void XMLHttpRequest::resetResponse() {
  mStatus = 0;
  mStatusText.clear();
  mResponseHeaders.clear();
  mResponse.clear();
  mExpectedLength.reset();
}

}  // namespace geckohost::script
