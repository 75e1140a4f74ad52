#include "ui/key_navigator.hpp"

#include <array>

#include "host/platform/env.hpp"
#include "ui/keys.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using Positions = std::array<std::int32_t, 5>;  // keys at positions 251 to 255, 0 for none

// The keys each control type traps. Lists lose Left and Right only when the window does not
// keep the arrows in its lists.
Positions trapped_keys(std::int32_t type, bool keep_arrows_in_lists) {
  namespace ct = control_type;
  switch (type) {
    case ct::kEntry:
      return {0, 0, key::kDown, key::kEnter, key::kUp};
    case ct::kButton:
      return {0, key::kUp, key::kDown, key::kRight, key::kLeft};
    case ct::kCheck:
      return {key::kEnter, key::kUp, key::kDown, key::kRight, key::kLeft};
    case ct::kList:
    case ct::kDropList:
      if (keep_arrows_in_lists) return {0, 0, key::kEnter, 0, 0};
      return {0, 0, key::kEnter, key::kRight, key::kLeft};
    case ct::kCombo:
    case ct::kDropCombo:
      return {0, 0, 0, 0, key::kEnter};
    case ct::kSpin:
    case ct::kText:
    case ct::kRichText:
      return {0, 0, 0, key::kEnter, 0};
    case ct::kRadio:
      return {key::kEnter, 0, 0, 0, 0};
    default:
      return {0, 0, 0, 0, 0};
  }
}

}  // namespace

bool KeyNavigator::excluded(std::int32_t control) const {
  for (const std::int16_t e : excluded_controls_) {
    if (e == control) return true;
  }
  return false;
}

void KeyNavigator::ExcludeControl(std::int16_t control) {
  if (!excluded(control)) excluded_controls_.push_back(control);
}

void KeyNavigator::add_tab_stop_pair(std::int32_t control, std::int32_t next) {
  next_tab_stops_.push_back({control, next});
}

void KeyNavigator::Init(std::uint8_t keep_arrows_in_lists) {
  for (std::int32_t n = window_.first_control(); n >= 1 && n <= window_.last_control(); ++n) {
    Control& c = window_.control(n);
    if (!excluded(n)) {
      const Positions keys = trapped_keys(c.type, keep_arrows_in_lists != 0);
      for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != 0) c.alerts[kFirstTypePosition + static_cast<std::int32_t>(i)] = keys[i];
      }
    }
    for (const NextTabStop& pair : next_tab_stops_) {
      if (pair.control != n) continue;
      c.alerts[kTabPosition] = key::kTab;
      window_.control(pair.next).alerts[kShiftTabPosition] = key::kShiftTab;
      break;
    }
  }
  initialised_ = true;
}

std::uint8_t KeyNavigator::TakeEvent() {
  const std::int32_t current = window_.field();
  if (!initialised_ || current == 0 || window_.event() != event::kAlertKey || excluded(current)) {
    return 0;
  }
  const Control* c = window_.find(current);
  const std::int32_t type = c != nullptr ? c->type : 0;
  switch (window_.keycode()) {
    case key::kEnter:
      if (type == control_type::kText || type == control_type::kRichText) {
        PressKey(key::kShiftEnter);
        PressKey(key::kShiftWithShift);
      } else {
        PressKey(key::kTab);
      }
      return 1;
    case key::kUp:
    case key::kLeft:
      PressKey(key::kShiftTab);
      return 1;
    case key::kDown:
    case key::kRight:
      PressKey(key::kTab);
      return 1;
    case key::kTab:
      for (const NextTabStop& pair : next_tab_stops_) {
        if (pair.control == current) {
          window_.select(pair.next);
          return 1;
        }
      }
      window_.select(window_.next_stop(current));
      return 1;
    case key::kShiftTab:
      for (const NextTabStop& pair : next_tab_stops_) {
        if (pair.next == current) {
          window_.select(pair.control);
          return 1;
        }
      }
      window_.select(window_.previous_stop(current));
      return 1;
    default:
      return 0;
  }
}

void KeyNavigator::PressKey(std::int32_t key_code) {
  if (key_code == key::kShiftTab) {
    platform::Env& env = platform::Env::current();
    env.send_keystroke(platform::kVkShift, 0);
    env.send_keystroke(platform::kVkTab, 0);
    env.send_keystroke(platform::kVkTab, platform::kKeyUp);
    env.send_keystroke(platform::kVkShift, platform::kKeyUp);
    return;
  }
  window_.buffer_key(key_code);
}

}  // namespace funkcja::ui
