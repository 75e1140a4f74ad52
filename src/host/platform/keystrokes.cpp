#include "host/platform/keystrokes.hpp"

namespace funkcja::platform {

void HeadlessKeyboard::keybd_event(std::uint8_t virtual_key, std::uint32_t flags) {
  Delivery deliver;
  std::int32_t code = 0;
  {
    std::lock_guard lock(mutex_);
    strokes_.push_back({virtual_key, flags});
    const bool up = (flags & kKeyUp) != 0;
    if (virtual_key == kVkShift) {
      shift_down_ = !up;
      return;
    }
    if (up) return;
    code = virtual_key + (shift_down_ ? 0x100 : 0);
    deliver = deliver_;
  }
  // Delivered outside the lock: the window may send further strokes while handling it.
  if (deliver) deliver(code);
}

void HeadlessKeyboard::set_delivery(Delivery deliver) {
  std::lock_guard lock(mutex_);
  deliver_ = std::move(deliver);
}

std::vector<Keystroke> HeadlessKeyboard::strokes() const {
  std::lock_guard lock(mutex_);
  return strokes_;
}

void HeadlessKeyboard::clear() {
  std::lock_guard lock(mutex_);
  strokes_.clear();
  shift_down_ = false;
}

HeadlessKeyboard& headless_keyboard() {
  static HeadlessKeyboard* instance = new HeadlessKeyboard;
  return *instance;
}

}  // namespace funkcja::platform
