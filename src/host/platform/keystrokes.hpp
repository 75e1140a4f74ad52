// Synthetic keystrokes, as keybd_event sends them: one virtual key going down or up at a time,
// delivered by the system to the window that has the keyboard.
//
// The library sends them through Env::send_keystroke (env.hpp). The headless Env's keyboard
// records every stroke and composes them as the system would: it keeps the Shift state, and
// each non-modifier key going down becomes one key code (the virtual key, plus 0x100 while
// Shift is down) handed to the delivery function that the window layer gives Env::route_keys.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace funkcja::platform {

inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkTab = 0x09;
inline constexpr std::uint32_t kKeyUp = 2;  // KEYEVENTF_KEYUP

struct Keystroke {
  std::uint8_t virtual_key = 0;
  std::uint32_t flags = 0;  // kKeyUp for a key going up
};

class HeadlessKeyboard {
 public:
  using Delivery = std::function<void(std::int32_t key_code)>;

  void keybd_event(std::uint8_t virtual_key, std::uint32_t flags);
  void set_delivery(Delivery deliver);
  // Every stroke sent so far, oldest first.
  std::vector<Keystroke> strokes() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<Keystroke> strokes_;
  bool shift_down_ = false;
  Delivery deliver_;
};

HeadlessKeyboard& headless_keyboard();

}  // namespace funkcja::platform
