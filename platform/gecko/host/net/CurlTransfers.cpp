#include "net/CurlTransfers.h"

#include <curl/curl.h>

#include <vector>

#include "net/CurlTransfer.h"

namespace geckohost::net {

CurlTransfers::CurlTransfers(EventLoop& loop) : mLoop(loop), mMulti(curl_multi_init()) {
  mLoop.addSource(*this);
}

CurlTransfers::~CurlTransfers() {
  mLoop.removeSource(*this);
  while (!mTransfers.empty())
    remove(mTransfers.begin()->first);
  curl_multi_cleanup(mMulti);
}

uint64_t CurlTransfers::start(const TransferRequest& request, TransferListener& listener) {
  uint64_t id = ++mLastId;
  auto transfer = std::make_unique<CurlTransfer>(request, listener);
  curl_multi_add_handle(mMulti, transfer->handle());
  mTransfers.emplace(id, std::move(transfer));
  return id;
}

void CurlTransfers::cancel(uint64_t id) {
  remove(id);
}

void CurlTransfers::remove(uint64_t id) {
  auto found = mTransfers.find(id);
  if (found == mTransfers.end())
    return;
  curl_multi_remove_handle(mMulti, found->second->handle());
  mTransfers.erase(found);
}

void CurlTransfers::poll(int waitMs) {
  perform();
  if (!pending())
    return;
  curl_multi_poll(mMulti, nullptr, 0, waitMs, nullptr);
  perform();
}

void CurlTransfers::finish(uint64_t id, int timeoutMs) {
  auto deadline = EventLoop::Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (isRunning(id)) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - EventLoop::Clock::now());
    if (left.count() <= 0) {
      TransferListener& listener = mTransfers.at(id)->listener();
      remove(id);
      listener.transferFailed("timed out");
      return;
    }
    poll(static_cast<int>(std::min<int64_t>(left.count(), 100)));
  }
}

void CurlTransfers::perform() {
  int running = 0;
  curl_multi_perform(mMulti, &running);
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(mMulti, &queued)) {
    if (message->msg != CURLMSG_DONE)
      continue;
    CurlTransfer* transfer = nullptr;
    curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &transfer);
    CURLcode result = message->data.result;
    if (transfer)
      transfer->setEnded(result == CURLE_OK ? std::string() : curl_easy_strerror(result));
  }
  deliver();
}

// Listeners may cancel any transfer from their calls, so each step looks its transfer up again.
void CurlTransfers::deliver() {
  std::vector<uint64_t> ids;
  for (const auto& entry : mTransfers)
    ids.push_back(entry.first);
  for (uint64_t id : ids) {
    auto found = mTransfers.find(id);
    if (found == mTransfers.end())
      continue;
    CurlTransfer& transfer = *found->second;
    bool failed = transfer.ended() && !transfer.failure().empty();
    if (!failed && transfer.headersReady()) {
      transfer.markHeadersDelivered();
      transfer.listener().responseStarted(transfer.status(), transfer.statusText(),
                                          transfer.headers());
      if (!isRunning(id))
        continue;
    }
    std::string body = transfer.headersDelivered() ? transfer.takeBody() : std::string();
    if (!failed && !body.empty()) {
      transfer.listener().dataReceived(body);
      if (!isRunning(id))
        continue;
    }
    if (!transfer.ended())
      continue;
    TransferListener& listener = transfer.listener();
    std::string failure = transfer.failure();
    remove(id);
    if (failure.empty()) {
      listener.transferFinished();
    } else {
      listener.transferFailed(failure);
    }
  }
}

}  // namespace geckohost::net
