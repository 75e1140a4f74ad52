// How the C++ interface's inline functions reach the C interface: text in as fk_text, text out
// copied into a std::string before the next call on the thread can overwrite it.
#pragma once

#include <string>
#include <string_view>

#include "funkcja/funkcja.h"

namespace funkcja::c_api {

inline fk_text text(std::string_view s) {
  fk_text t;
  t.ptr = s.data();
  t.len = s.size();
  return t;
}

inline std::string string(fk_text t) {
  return t.ptr != nullptr ? std::string(t.ptr, t.len) : std::string();
}

}  // namespace funkcja::c_api
