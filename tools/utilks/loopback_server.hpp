// A minimal HTTP/1.1 server on 127.0.0.1 for the clients' tests and the demo: it answers each
// request with what the handler returns for the request's path (with its query) or, for a
// handler that takes the whole request, for its method, path, header lines and body; one
// connection at a time, and it closes the connection after each answer. Header-only, POSIX
// sockets, no dependency. The port is chosen by the system.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace utilks {

struct LoopbackReply {
  int status = 200;
  std::string body;
  std::string content_type = "application/json";
  int delay_ms = 0;  // wait this long before answering (a slow server)
};

struct LoopbackRequest {
  std::string method;
  std::string path;
  std::string head;  // the request line and header lines as received
  std::string body;

  // The value of a header line (name compared without regard to case), or empty text.
  std::string header(const std::string& name) const {
    std::size_t line = head.find("\r\n");
    while (line != std::string::npos && line + 2 < head.size()) {
      const std::size_t start = line + 2;
      const std::size_t end = head.find("\r\n", start);
      const std::string text = head.substr(start, end == std::string::npos ? end : end - start);
      const std::size_t colon = text.find(':');
      if (colon == name.size() && equal_letters(text.substr(0, colon), name)) {
        const std::size_t value = text.find_first_not_of(' ', colon + 1);
        return value == std::string::npos ? std::string() : text.substr(value);
      }
      line = end;
    }
    return {};
  }

 private:
  static bool equal_letters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(a[i])) !=
          std::tolower(static_cast<unsigned char>(b[i])))
        return false;
    }
    return true;
  }
};

class LoopbackServer {
 public:
  using Handler = std::function<LoopbackReply(const std::string& path)>;
  using RequestHandler = std::function<LoopbackReply(const LoopbackRequest& request)>;

  explicit LoopbackServer(Handler handler)
      : LoopbackServer(RequestHandler(
            [h = std::move(handler)](const LoopbackRequest& r) { return h(r.path); })) {}

  explicit LoopbackServer(RequestHandler handler) : handler_(std::move(handler)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) throw std::runtime_error("socket");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listener_, 16) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
      ::close(listener_);
      throw std::runtime_error("bind");
    }
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { serve(); });
  }

  ~LoopbackServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
  }

  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // http://127.0.0.1:PORT, without a trailing slash.
  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

  // The paths asked for so far, oldest first.
  std::vector<std::string> requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  bool wait_readable(int fd, int ms) const {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) > 0;
  }

  void serve() {
    while (!stop_) {
      if (!wait_readable(listener_, 50)) continue;
      const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) continue;
      answer(fd);
      ::close(fd);
    }
  }

  void answer(int fd) {
    std::string request;
    char buffer[4096];
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
      if (stop_ || std::chrono::steady_clock::now() > give_up) return;
      if (!wait_readable(fd, 50)) continue;
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      request.append(buffer, static_cast<std::size_t>(n));
    }
    // "GET /path HTTP/1.1"
    const auto first = request.find(' ');
    const auto second = request.find(' ', first + 1);
    const auto end_of_head = request.find("\r\n\r\n");
    if (first == std::string::npos || second == std::string::npos ||
        end_of_head == std::string::npos)
      return;
    LoopbackRequest r;
    r.method = request.substr(0, first);
    r.path = request.substr(first + 1, second - first - 1);
    r.head = request.substr(0, end_of_head);
    r.body = request.substr(end_of_head + 4);
    const std::size_t length = std::strtoul(r.header("Content-Length").c_str(), nullptr, 10);
    while (r.body.size() < length && r.body.size() < (1u << 20)) {
      if (stop_ || std::chrono::steady_clock::now() > give_up) return;
      if (!wait_readable(fd, 50)) continue;
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      r.body.append(buffer, static_cast<std::size_t>(n));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(r.path);
    }
    const LoopbackReply reply = handler_(r);
    for (int waited = 0; waited < reply.delay_ms && !stop_; waited += 10)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string head = "HTTP/1.1 " + std::to_string(reply.status) +
                             (reply.status == 200 ? " OK" : " Error") +
                             "\r\nContent-Type: " + reply.content_type +
                             "\r\nContent-Length: " + std::to_string(reply.body.size()) +
                             "\r\nConnection: close\r\n\r\n";
    const std::string whole = head + reply.body;
    std::size_t sent = 0;
    while (sent < whole.size()) {
      const ssize_t n = ::send(fd, whole.data() + sent, whole.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return;  // the client gave up (a time-out)
      sent += static_cast<std::size_t>(n);
    }
  }

  RequestHandler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace utilks
