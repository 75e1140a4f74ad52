// KeyNavigator: keyboard navigation that every window of the library embeds. It traps the
// arrow keys and Enter in the controls where they should move the focus instead (Enter and
// Down act as Tab, Up as Shift+Tab), keeps Enter a line break in multi-line texts, and honours
// explicit tab-stop pairs.
//
// The window's event handler calls TakeEvent() before anything else; when it returns 1 the
// event has been handled. Shift+Tab goes out as real keystrokes (Shift down, Tab down, Tab up,
// Shift up) through the platform's keyboard; every other key goes into the window's keyboard
// buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace funkcja::ui {

class Window;

class KeyNavigator {
 public:
  struct ExcludedControl {
    std::int16_t CT = 0;
  };
  struct NextTabStop {
    std::int32_t CT = 0;      // Tab on this control ...
    std::int32_t NEXTCT = 0;  // ... goes here, and Shift+Tab here goes back
  };

  explicit KeyNavigator(Window& window) : window_(window) {}

  std::vector<ExcludedControl> EXCLUDEDCONTROL;  // kept unique
  std::vector<NextTabStop> NEXTTABSTOPCONTROLQ;
  std::uint8_t INITED = 0;

  // Leaves a control alone: no keys trapped, no event taken.
  void ExcludeControl(std::int16_t control);
  // Traps the keys of every control of the window; keep_arrows_in_lists keeps Left and Right
  // working inside lists.
  void Init(std::uint8_t keep_arrows_in_lists);
  // 1 when the current event was a trapped key that the navigator acted on.
  std::uint8_t TakeEvent();
  void PressKey(std::int32_t key_code);

  bool excluded(std::int32_t control) const;

  // Alert-key positions the navigator uses.
  static constexpr std::int32_t kTabPosition = 249;
  static constexpr std::int32_t kShiftTabPosition = 250;
  static constexpr std::int32_t kFirstTypePosition = 251;

 private:
  Window& window_;
};

}  // namespace funkcja::ui
