#include "net/NetworkService.h"

#include "net/URI.h"

namespace geckohost::net {

NetworkService::NetworkService(EventLoop& loop, const PageLoader& loader,
                               const NetworkPolicy& policy)
    : mLoop(loop), mLoader(loader), mPolicy(policy), mCurl(loop) {}

uint64_t NetworkService::start(const TransferRequest& request, TransferListener& listener,
                               Mode mode) {
  std::optional<URI> url = URI::parse(request.url);
  if (!url)
    return failSoon(listener, "not a URL: " + request.url, mode);
  bool http = url->schemeIs("http") || url->schemeIs("https");
  LoadedPage page = mLoader.loadLocal(request.url);
  if (page.status != LoadStatus::Found && http) {
    if (!mPolicy.allows(*url))
      return failSoon(listener, "network access to " + url->host() + " is not allowed", mode);
    forgetEndedTransfers();
    uint64_t id = ++mLastId;
    uint64_t curlId = mCurl.start(request, listener);
    mCurlIds[id] = curlId;
    if (mode == Mode::Sync)
      mCurl.finish(curlId, kSyncTimeoutMs);
    return id;
  }
  if (page.status != LoadStatus::Found)
    return failSoon(listener, "cannot load " + request.url, mode);
  uint64_t id = ++mLastId;
  mLocal[id] = LocalTransfer{&listener, std::move(page)};
  if (mode == Mode::Sync) {
    for (int step = 0; step < 3; ++step)
      deliverLocal(id, step);
  } else {
    mLocal[id].task = mLoop.post([this, id] { deliverLocal(id, 0); });
  }
  return id;
}

uint64_t NetworkService::failSoon(TransferListener& listener, const std::string& reason,
                                  Mode mode) {
  uint64_t id = ++mLastId;
  if (mode == Mode::Sync) {
    listener.transferFailed(reason);
    return id;
  }
  LoadedPage nothing;
  mLocal[id] = LocalTransfer{&listener, nothing};
  mLocal[id].task = mLoop.post([this, id, reason] {
    auto found = mLocal.find(id);
    if (found == mLocal.end())
      return;
    TransferListener* target = found->second.listener;
    mLocal.erase(found);
    target->transferFailed(reason);
  });
  return id;
}

// Each step looks the transfer up again: the listener may have cancelled it in the last one.
void NetworkService::deliverLocal(uint64_t id, int step) {
  auto found = mLocal.find(id);
  if (found == mLocal.end())
    return;
  LocalTransfer& transfer = found->second;
  TransferListener* listener = transfer.listener;
  if (step == 0) {
    listener->responseStarted(200, "OK", {{"Content-Type", transfer.page.contentType}});
  } else if (step == 1) {
    std::string body = transfer.page.content;
    if (!body.empty())
      listener->dataReceived(body);
  } else {
    mLocal.erase(found);
    listener->transferFinished();
    return;
  }
  found = mLocal.find(id);
  if (found != mLocal.end() && found->second.task != 0)
    found->second.task = mLoop.post([this, id, step] { deliverLocal(id, step + 1); });
}

void NetworkService::forgetEndedTransfers() {
  for (auto entry = mCurlIds.begin(); entry != mCurlIds.end();) {
    if (mCurl.isRunning(entry->second))
      ++entry;
    else
      entry = mCurlIds.erase(entry);
  }
}

void NetworkService::cancel(uint64_t id) {
  auto local = mLocal.find(id);
  if (local != mLocal.end()) {
    mLoop.cancel(local->second.task);
    mLocal.erase(local);
  }
  auto curl = mCurlIds.find(id);
  if (curl != mCurlIds.end()) {
    mCurl.cancel(curl->second);
    mCurlIds.erase(curl);
  }
}

}  // namespace geckohost::net
