// KeyNavigator: keyboard navigation that every window of the library embeds. It traps the
// arrow keys and Enter in the controls where they should move the focus instead (Enter and
// Down act as Tab, Up as Shift+Tab), keeps Enter a line break in multi-line texts, and honours
// explicit tab-stop pairs.
//
// The window's event handler calls TakeEvent() before anything else; when it returns 1 the
// event has been handled. Shift+Tab goes out as real keystrokes (Shift down, Tab down, Tab up,
// Shift up) through the platform (Env::send_keystroke); every other key goes into the window's
// keyboard buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace funkcja::ui {

class Window;

class KeyNavigator {
 public:
  struct NextTabStop {
    std::int32_t control = 0;  // Tab on this control ...
    std::int32_t next = 0;     // ... goes here, and Shift+Tab here goes back
  };

  explicit KeyNavigator(Window& window) : window_(window) {}

  // Leaves a control alone: no keys trapped, no event taken.
  void ExcludeControl(std::int16_t control);
  // Tab on control goes to next, and Shift+Tab on next comes back; the first pair named for a
  // control wins. Takes effect at Init.
  void add_tab_stop_pair(std::int32_t control, std::int32_t next);
  // Traps the keys of every control of the window; keep_arrows_in_lists keeps Left and Right
  // working inside lists.
  void Init(std::uint8_t keep_arrows_in_lists);
  // 1 when the current event was a trapped key that the navigator acted on.
  std::uint8_t TakeEvent();
  void PressKey(std::int32_t key_code);

  bool excluded(std::int32_t control) const;
  const std::vector<std::int16_t>& excluded_controls() const { return excluded_controls_; }
  bool initialised() const { return initialised_; }

  // Alert-key positions the navigator uses.
  static constexpr std::int32_t kTabPosition = 249;
  static constexpr std::int32_t kShiftTabPosition = 250;
  static constexpr std::int32_t kFirstTypePosition = 251;

 private:
  Window& window_;
  std::vector<std::int16_t> excluded_controls_;  // kept unique
  std::vector<NextTabStop> next_tab_stops_;
  bool initialised_ = false;
};

}  // namespace funkcja::ui
