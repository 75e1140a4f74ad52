#include "edges.hpp"

#include "host.hpp"

namespace funkcja::cli {
namespace {

using ToUtf8 = fk_text (*)(fk_text);
using FromUtf8 = fk_text (*)(fk_text, int32_t*, size_t*);

ToUtf8 to_utf8_fn = nullptr;
FromUtf8 from_utf8_fn = nullptr;

std::string copied(fk_text t) {
  return std::string(t.ptr != nullptr ? t.ptr : "", t.len);
}

}  // namespace

void bind_edges(const Host& host) {
  to_utf8_fn = reinterpret_cast<ToUtf8>(host.function("fk_cp1250_to_utf8"));
  from_utf8_fn = reinterpret_cast<FromUtf8>(host.function("fk_utf8_to_cp1250"));
}

std::string to_utf8(std::string_view cp1250) {
  return copied(to_utf8_fn(fk_text{cp1250.data(), cp1250.size()}));
}

std::string to_utf8(fk_text cp1250) {
  return copied(to_utf8_fn(cp1250));
}

std::string to_cp1250(const std::string& utf8, const std::string& what) {
  int32_t error = FK_EDGE_OK;
  size_t offset = 0;
  std::string text = copied(from_utf8_fn(fk_text{utf8.data(), utf8.size()}, &error, &offset));
  if (error == FK_EDGE_INVALID_UTF8) {
    throw UsageError(what + ": invalid UTF-8 at byte " + std::to_string(offset));
  }
  if (error == FK_EDGE_NOT_CP1250) {
    throw UsageError(what + ": character at byte " + std::to_string(offset) +
                     " is not in code page 1250");
  }
  return text;
}

}  // namespace funkcja::cli
