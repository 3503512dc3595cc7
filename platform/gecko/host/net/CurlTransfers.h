// HTTP transfers over one libcurl multi handle, driven by the host's event loop: the loop polls
// this source while a transfer is in flight. libcurl's callbacks only gather; what they gathered
// reaches the listeners after curl_multi_perform has returned, so listeners may cancel or start
// transfers from their calls.
#ifndef GECKOHOST_NET_CURLTRANSFERS_H
#define GECKOHOST_NET_CURLTRANSFERS_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "loop/EventLoop.h"
#include "net/TransferListener.h"
#include "net/TransferRequest.h"

typedef void CURLM;

namespace geckohost::net {

class CurlTransfer;

class CurlTransfers final : public EventLoop::Source {
 public:
  explicit CurlTransfers(EventLoop& loop);
  ~CurlTransfers();
  CurlTransfers(const CurlTransfers&) = delete;
  CurlTransfers& operator=(const CurlTransfers&) = delete;

  // Starts a transfer; `listener` must outlive it or cancel it. Answers its id (never 0).
  uint64_t start(const TransferRequest& request, TransferListener& listener);
  // Stops a transfer; its listener hears nothing more.
  void cancel(uint64_t id);
  bool isRunning(uint64_t id) const { return mTransfers.count(id) > 0; }
  // Pumps only the network (no timers) until the transfer has ended or `timeoutMs` passed;
  // a transfer still running then fails with a timeout. For synchronous requests.
  void finish(uint64_t id, int timeoutMs);

  // EventLoop::Source
  bool pending() const override { return !mTransfers.empty(); }
  void poll(int waitMs) override;

 private:
  // Lets curl work, then hands what arrived to the listeners.
  void perform();
  void deliver();
  void remove(uint64_t id);

  EventLoop& mLoop;  // weak; the host owns the loop and us, and drops us first
  CURLM* mMulti;
  std::map<uint64_t, std::unique_ptr<CurlTransfer>> mTransfers;
  uint64_t mLastId = 0;
};

}  // namespace geckohost::net

#endif
