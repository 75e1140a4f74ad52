#include "http_get.hpp"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace utilks {
namespace {

struct Sink {
  std::string body;
  bool too_long = false;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const std::size_t n = size * count;
  if (sink->body.size() + n > kMaxBody) {
    sink->too_long = true;
    return 0;  // stops the transfer
  }
  sink->body.append(data, n);
  return n;
}

void global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

using Curl = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

Curl new_handle(const std::string& url) {
  global_init();
  Curl curl(curl_easy_init(), &curl_easy_cleanup);
  if (curl) {
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
  }
  return curl;
}

// Sends the request set up on c and collects the answer.
HttpAnswer perform(CURL* c, long timeout_ms, long connect_ms) {
  HttpAnswer answer;
  Sink sink;
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // the host's threads: no SIGALRM for time-outs
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, timeout_ms);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, connect_ms);
  curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");  // whatever compression curl can undo
  curl_easy_setopt(c, CURLOPT_USERAGENT, "TEMIXutilKS/1.0");
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  if (curl_easy_perform(c) != CURLE_OK || sink.too_long) return answer;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &answer.status);
  const char* type = nullptr;
  if (curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type != nullptr)
    answer.content_type = type;
  answer.received = true;
  answer.body = std::move(sink.body);
  return answer;
}

}  // namespace

HttpAnswer http_get(const std::string& url, long timeout_ms, long connect_ms) {
  const Curl curl = new_handle(url);
  if (!curl) return {};
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  return perform(c, timeout_ms, connect_ms);
}

HttpAnswer http_post(const std::string& url, const std::string& body,
                     const std::vector<std::string>& headers, long timeout_ms, long connect_ms) {
  const Curl curl = new_handle(url);
  if (!curl) return {};
  CURL* c = curl.get();
  HeaderList list(nullptr, &curl_slist_free_all);
  for (const std::string& h : headers) {
    curl_slist* grown = curl_slist_append(list.get(), h.c_str());
    if (grown == nullptr) return {};
    list.release();
    list.reset(grown);
  }
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, list.get());
  curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
  curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  return perform(c, timeout_ms, connect_ms);
}

}  // namespace utilks
