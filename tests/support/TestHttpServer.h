// A small HTTP server for tests, on 127.0.0.1 at a port the system picks. It answers:
//
//   /now          200 at once, "hello", with the header X-Test: yes
//   /slow         the headers at once, the body "late" 300 ms later
//   /close        closes the connection without answering
//   /echo         200 with "METHOD|X-Echo header|body" of the request
//   /set-cookie   200, setting the cookie served=yes for the whole server
//   /cookies      200 with the request's Cookie header as its body
//   /page.html    an HTML page whose script sets its paragraph's title
//   anything else 404
//
// It stops when destroyed, or by itself after a minute without a request, so that a test that
// dies never leaves it running.
#ifndef TESTS_SUPPORT_TESTHTTPSERVER_H
#define TESTS_SUPPORT_TESTHTTPSERVER_H

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestHttpServer {
 public:
  static constexpr int kSlowDelayMs = 300;
  static constexpr int kIdleLimitMs = 60000;

  TestHttpServer();
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  bool running() const { return m_listener >= 0; }
  int port() const { return m_port; }
  // "http://127.0.0.1:PORT" + path.
  std::string url(const std::string& path) const;
  // A loopback port where nothing listens (bound once, then closed).
  static int closedPort();

 private:
  void acceptLoop();
  void serve(int connection);

  int m_listener = -1;
  int m_port = 0;
  std::atomic<bool> m_stopping{false};
  std::thread m_acceptor;
  std::mutex m_mutex;
  std::vector<std::thread> m_connections;
};

#endif
