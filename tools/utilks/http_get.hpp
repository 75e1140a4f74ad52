// One HTTP(S) GET or POST through libcurl: the status and body of the answer, or that no
// answer came (no connection, a time-out, a body over the limit, a TLS failure).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace utilks {

struct HttpAnswer {
  bool received = false;  // false: transport failure, status and body mean nothing
  long status = 0;
  std::string body;
  std::string content_type;  // as the server named it; empty when it named none
};

// Bodies larger than this are refused as a transport failure: the longest file fetched (the
// ECB's whole history) is a few megabytes.
inline constexpr std::size_t kMaxBody = 64u << 20;

HttpAnswer http_get(const std::string& url, long timeout_ms, long connect_ms);

// Posts body with the given header lines ("Content-Type: ...", "sid: ..."). Redirects are not
// followed: a redirected POST would be re-sent as a GET.
HttpAnswer http_post(const std::string& url, const std::string& body,
                     const std::vector<std::string>& headers, long timeout_ms, long connect_ms);

}  // namespace utilks
