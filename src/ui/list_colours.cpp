#include "ui/list_colours.hpp"

#include "ui/window.hpp"

namespace funkcja::ui {

bool apply_selection_colours(Window& window, std::int32_t list) {
  if (window.find(list) == nullptr) return false;
  Control& c = window.control(list);
  const bool focused = window.focus() == list;
  const std::int32_t fg = focused ? kColorWhite : kColorBlack;
  const std::int32_t bg = focused ? kColorDarkGrey : kColorLightGrey;
  if (c.selected_fg == fg && c.selected_bg == bg) return false;
  c.selected_fg = fg;
  c.selected_bg = bg;
  return true;
}

}  // namespace funkcja::ui
