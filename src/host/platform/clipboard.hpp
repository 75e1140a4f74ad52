// The clipboard of the headless Env (env.hpp): text kept in memory, shared by every thread of
// the process as the system's clipboard would be.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace funkcja::platform {

class HeadlessClipboard {
 public:
  void set_text(std::string_view text);  // code page 1250
  std::string text() const;

 private:
  mutable std::mutex mutex_;
  std::string text_;
};

HeadlessClipboard& headless_clipboard();

}  // namespace funkcja::platform
