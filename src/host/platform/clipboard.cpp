#include "host/platform/clipboard.hpp"

#include <atomic>

namespace funkcja::platform {
namespace {
std::atomic<Clipboard*> installed{nullptr};
}  // namespace

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

Clipboard& clipboard() {
  Clipboard* c = installed.load();
  if (c != nullptr) return *c;
  return headless_clipboard();
}

void set_clipboard(Clipboard* c) {
  installed = c;
}

}  // namespace funkcja::platform
