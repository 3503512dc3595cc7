#include "TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace {

int bindLoopback(int& port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0)
    return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    return -1;
  }
  port = ntohs(address.sin_port);
  return fd;
}

void sendAll(int fd, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0)
      return;
    sent += static_cast<size_t>(n);
  }
}

// Reads a request: the header block, then as many body bytes as Content-Length says.
bool readRequest(int fd, std::string& head, std::string& body) {
  std::string data;
  char buffer[4096];
  size_t end = std::string::npos;
  while ((end = data.find("\r\n\r\n")) == std::string::npos) {
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
      return false;
    data.append(buffer, static_cast<size_t>(n));
  }
  head = data.substr(0, end);
  body = data.substr(end + 4);
  size_t wanted = 0;
  size_t at = head.find("Content-Length:");
  if (at != std::string::npos)
    wanted = std::strtoul(head.c_str() + at + 15, nullptr, 10);
  while (body.size() < wanted) {
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
      return false;
    body.append(buffer, static_cast<size_t>(n));
  }
  return true;
}

std::string headerValue(const std::string& head, const std::string& name) {
  size_t at = head.find("\r\n" + name + ":");
  if (at == std::string::npos)
    return {};
  size_t start = head.find_first_not_of(' ', at + name.size() + 3);
  size_t end = head.find("\r\n", start);
  return head.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

const char kPage[] =
    "<title>served</title><p id=p>served</p>"
    "<script>document.getElementById('p').title = 'ran';</script>";

std::string response(int status, const char* reason, const std::string& body,
                     const std::string& extraHeaders = {}, const char* type = "text/plain") {
  return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Type: " + type +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
         extraHeaders + "\r\n" + body;
}

}  // namespace

TestHttpServer::TestHttpServer() {
  m_listener = bindLoopback(m_port);
  if (m_listener >= 0 && listen(m_listener, 16) != 0) {
    close(m_listener);
    m_listener = -1;
  }
  if (m_listener >= 0)
    m_acceptor = std::thread([this] { acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
  m_stopping = true;
  if (m_acceptor.joinable())
    m_acceptor.join();
  std::lock_guard<std::mutex> lock(m_mutex);
  for (std::thread& connection : m_connections)
    connection.join();
  if (m_listener >= 0)
    close(m_listener);
}

std::string TestHttpServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int TestHttpServer::closedPort() {
  int port = 0;
  int fd = bindLoopback(port);
  if (fd >= 0)
    close(fd);
  return port;
}

void TestHttpServer::acceptLoop() {
  auto lastRequest = std::chrono::steady_clock::now();
  while (!m_stopping) {
    pollfd waiting{m_listener, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) {
      if (std::chrono::steady_clock::now() - lastRequest > std::chrono::milliseconds(kIdleLimitMs))
        return;
      continue;
    }
    int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0)
      continue;
    lastRequest = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_connections.emplace_back([this, connection] { serve(connection); });
  }
}

void TestHttpServer::serve(int connection) {
  std::string head;
  std::string body;
  if (readRequest(connection, head, body)) {
    std::string method = head.substr(0, head.find(' '));
    size_t pathStart = head.find(' ') + 1;
    std::string path = head.substr(pathStart, head.find(' ', pathStart) - pathStart);
    if (path == "/now") {
      sendAll(connection, response(200, "OK", "hello", "X-Test: yes\r\n"));
    } else if (path == "/slow") {
      sendAll(connection,
              "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 4\r\n"
              "Connection: close\r\n\r\n");
      for (int waited = 0; waited < kSlowDelayMs && !m_stopping; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      sendAll(connection, "late");
    } else if (path == "/page.html") {
      sendAll(connection, response(200, "OK", kPage, "", "text/html"));
    } else if (path == "/echo") {
      sendAll(connection,
              response(200, "OK", method + "|" + headerValue(head, "X-Echo") + "|" + body));
    } else if (path == "/set-cookie") {
      sendAll(connection, response(200, "OK", "set", "Set-Cookie: served=yes; Path=/\r\n"));
    } else if (path == "/cookies") {
      sendAll(connection, response(200, "OK", headerValue(head, "Cookie")));
    } else if (path != "/close") {
      sendAll(connection, response(404, "Not Found", "no such page"));
    }
  }
  shutdown(connection, SHUT_RDWR);
  close(connection);
}
