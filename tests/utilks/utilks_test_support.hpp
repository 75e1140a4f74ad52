// What the utility library's tests share: the built TEMIXutilKS, a loopback server standing
// in for NBP and the ECB, and the environment that points the library at it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "utilks/loopback_server.hpp"

namespace funkcja::testing {

// Answers by exact path; anything else is a 404.
class RecordedServer {
 public:
  explicit RecordedServer(std::map<std::string, utilks::LoopbackReply> replies)
      : replies_(std::move(replies)), server_([this](const std::string& path) {
          const auto it = replies_.find(path);
          return it != replies_.end() ? it->second
                                      : utilks::LoopbackReply{404, "Not Found", "text/plain"};
        }) {}
  std::string url() const { return server_.url(); }
  std::vector<std::string> requests() const { return server_.requests(); }

 private:
  const std::map<std::string, utilks::LoopbackReply> replies_;
  utilks::LoopbackServer server_;
};

// Points the utility library at a server (NBP under /nbp, the ECB under /ecb) for one scope,
// with a short time-out.
class PointedAt {
 public:
  PointedAt(const std::string& url, long timeout_ms = 1000) {
    setenv("FUNKCJA_NBP_URL", (url + "/nbp").c_str(), 1);
    setenv("FUNKCJA_ECB_URL", (url + "/ecb").c_str(), 1);
    setenv("FUNKCJA_RATES_TIMEOUT_MS", std::to_string(timeout_ms).c_str(), 1);
  }
  ~PointedAt() {
    unsetenv("FUNKCJA_NBP_URL");
    unsetenv("FUNKCJA_ECB_URL");
    unsetenv("FUNKCJA_RATES_TIMEOUT_MS");
  }
};

inline const char* utility_library_folder() {
  return FUNKCJA_UTILKS_DIR;
}

}  // namespace funkcja::testing
