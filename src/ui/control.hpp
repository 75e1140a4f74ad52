// One control of a window: its number and type and every property that the windows of the
// library set or read. A backend draws a control from these values alone, so a control is a
// plain value that can be copied into a snapshot.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/browser_state.hpp"
#include "ui/keys.hpp"

namespace funkcja::ui {

struct Rect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Rect&) const = default;
};

struct Font {
  std::string name;  // empty: the window's font
  std::int32_t size = 0;
  std::int32_t color = kColorNone;
  std::int32_t charset = 0;   // 238: Central European
  std::int32_t weight = 400;  // 400 normal, 700 bold
  bool operator==(const Font&) const = default;
};

// One row of a list: its cells (the first is the row's text), its icon number (an index into
// the list's icon table, 0 for none) and its level when the list shows a tree.
struct ListRow {
  std::vector<std::string> cells;
  std::int32_t icon = 0;
  std::int32_t level = 0;
  bool operator==(const ListRow&) const = default;
};

struct Control {
  std::int32_t number = 0;
  std::int32_t type = 0;
  std::string text;        // the caption, or what an entry shows (code page 1250)
  std::int32_t value = 0;  // check box 0/1, spin box number, chosen option
  bool enabled = true;
  bool hidden = false;
  Rect rect;
  Font font;
  std::int32_t color = kColorNone;  // background
  std::string tooltip;
  std::string icon;  // an image's picture or a button's icon
  // Selected characters of an entry, 1-based and inclusive; 0 when nothing is selected.
  std::int32_t sel_start = 0;
  std::int32_t sel_end = 0;
  bool read_only = false;  // shows its text but takes no typing
  bool skip = false;       // not a tab stop: the focus reaches it only by the mouse
  bool immediate = false;  // typing raises a new-selection event at each change
  bool dirty = false;      // typed into since it was last accepted

  // Lists, combo boxes.
  std::vector<std::string> columns;  // column headers
  std::vector<ListRow> rows;
  std::int32_t selected = 0;                  // 1-based, 0 for none
  std::map<std::int32_t, std::string> icons;  // icon number -> picture
  bool tree = false;
  bool tree_lines = false;
  std::int32_t selected_fg = kColorNone;
  std::int32_t selected_bg = kColorNone;

  // Trapped keys by position (1..255): a trapped key raises the alert-key event instead of
  // acting inside the control.
  std::map<std::int32_t, std::int32_t> alerts;

  // The embedded web browser (control_type::kBrowser): its pages and the one it shows.
  BrowserState browser;

  bool traps(std::int32_t key) const {
    for (const auto& [position, trapped] : alerts) {
      if (trapped == key) return true;
    }
    return false;
  }
};

}  // namespace funkcja::ui
