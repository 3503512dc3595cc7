// Where XMLHttpRequest's transfers go. http: and https: URLs the policy allows travel over
// libcurl (CurlTransfers); pages of the page table, file: URLs and about:blank are answered from
// memory or disk, delivered through the event loop in the same steps (headers, body, end) so
// that a page sees them arrive as it would over the network. Everything else fails.
//
// Synchronous transfers complete before start() returns: local ones at once, network ones by
// pumping the network alone (timers wait), up to kSyncTimeoutMs.
#ifndef GECKOHOST_NET_NETWORKSERVICE_H
#define GECKOHOST_NET_NETWORKSERVICE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "PageLoader.h"
#include "loop/EventLoop.h"
#include "net/CurlTransfers.h"
#include "net/NetworkPolicy.h"
#include "net/TransferListener.h"

namespace geckohost::net {

class NetworkService {
 public:
  static constexpr int kSyncTimeoutMs = 30000;
  enum class Mode { Async, Sync };

  NetworkService(EventLoop& loop, const PageLoader& loader, const NetworkPolicy& policy);

  // Starts a transfer of an absolute URL; answers its id (never 0). `listener` must cancel
  // the transfer before it goes, unless it has heard the end.
  uint64_t start(const TransferRequest& request, TransferListener& listener, Mode mode);
  void cancel(uint64_t id);
  // Transfers started and not yet ended (or cancelled), as far as this service still tracks
  // them; those that ended over the network are forgotten when the next one starts.
  size_t trackedTransfers() const { return mLocal.size() + mCurlIds.size(); }

 private:
  struct LocalTransfer {
    TransferListener* listener;  // weak; see start()
    LoadedPage page;
    EventLoop::TaskId task = 0;
  };
  // The steps of a local delivery: 0 headers, 1 body, 2 end.
  void deliverLocal(uint64_t id, int step);
  uint64_t failSoon(TransferListener& listener, const std::string& reason, Mode mode);
  // Drops the ids of network transfers that have ended.
  void forgetEndedTransfers();

  EventLoop& mLoop;           // weak; the host owns the loop and outlives us
  const PageLoader& mLoader;  // weak; as above
  const NetworkPolicy& mPolicy;
  CurlTransfers mCurl;
  std::map<uint64_t, LocalTransfer> mLocal;
  std::map<uint64_t, uint64_t> mCurlIds;  // our id -> the curl transfer's
  uint64_t mLastId = 0;
};

}  // namespace geckohost::net

#endif
