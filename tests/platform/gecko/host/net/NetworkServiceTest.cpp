// The network service's bookkeeping: a transfer is tracked while it may still be heard or
// cancelled, and forgotten once it has ended, whichever way it went.
#include "net/NetworkService.h"

#include <gtest/gtest.h>

#include <string>

#include "PageTable.h"
#include "TestHttpServer.h"

using geckohost::EventLoop;
using geckohost::PageLoader;
using geckohost::PageTable;
using geckohost::net::HeaderList;
using geckohost::net::NetworkPolicy;
using geckohost::net::NetworkService;
using geckohost::net::TransferListener;
using geckohost::net::TransferRequest;

namespace {

// Remembers how the transfer ended: "finished BODY" or "failed".
class Outcome final : public TransferListener {
 public:
  void responseStarted(int, const std::string&, const HeaderList&) override {}
  void dataReceived(std::string_view data) override { body.append(data); }
  void transferFinished() override { text = "finished " + body; }
  void transferFailed(const std::string&) override { text = "failed"; }

  std::string body;
  std::string text;
};

TransferRequest get(const std::string& url) {
  TransferRequest request;
  request.url = url;
  return request;
}

TEST(NetworkServiceTest, EndedTransfersAreForgottenAndRunningOnesKept) {
  TestHttpServer server;
  ASSERT_TRUE(server.running());
  PageTable pages;
  pages.put("http://127.0.0.1/local.txt", "local", "text/plain");
  NetworkPolicy policy;
  PageLoader loader(pages, &policy);
  EventLoop loop;
  NetworkService network(loop, loader, policy);
  using Mode = NetworkService::Mode;

  // Many requests over the network, each to its end: the service keeps none of them.
  for (int i = 0; i < 5; ++i) {
    Outcome outcome;
    network.start(get(server.url("/now")), outcome, Mode::Sync);
    EXPECT_EQ(outcome.text, "finished hello");
  }
  Outcome failed;
  network.start(get(server.url("/close")), failed, Mode::Sync);
  EXPECT_EQ(failed.text, "failed");
  Outcome local;
  network.start(get("http://127.0.0.1/local.txt"), local, Mode::Sync);
  EXPECT_EQ(local.text, "finished local");
  EXPECT_LE(network.trackedTransfers(), 1u);  // the last network one, until the next starts

  // A running transfer stays tracked beside the next one, and goes when cancelled.
  Outcome slow;
  uint64_t running = network.start(get(server.url("/slow")), slow, Mode::Async);
  Outcome quick;
  network.start(get(server.url("/now")), quick, Mode::Sync);
  EXPECT_EQ(quick.text, "finished hello");
  EXPECT_EQ(network.trackedTransfers(), 2u);
  network.cancel(running);
  EXPECT_EQ(network.trackedTransfers(), 1u);
  EXPECT_EQ(slow.text, "");
}

}  // namespace
