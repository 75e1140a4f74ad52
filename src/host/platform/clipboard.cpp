#include "host/platform/clipboard.hpp"

namespace funkcja::platform {

void HeadlessClipboard::set_text(std::string_view text) {
  std::lock_guard lock(mutex_);
  text_ = text;
}

std::string HeadlessClipboard::text() const {
  std::lock_guard lock(mutex_);
  return text_;
}

HeadlessClipboard& headless_clipboard() {
  static HeadlessClipboard* instance = new HeadlessClipboard;
  return *instance;
}

}  // namespace funkcja::platform
