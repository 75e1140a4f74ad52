// Window helpers that work on the calling thread's active window: whole-field selection of
// numeric entries, the open-window registry, the three text styles, and the standard icons of
// browse pop-up menus and tree lists. For example, in a window whose amount field has the
// picture "@N-19_`2", SELECT_KEYBOARD("@N-19_`2") selects its characters 1 to 19 so that the
// next digit typed replaces the amount.
#include <array>
#include <cstdlib>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/handles.hpp"
#include "host/dane/open_windows.hpp"
#include "host/dane/popup.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using namespace funkcja::ui;

struct PictureWidth {
  std::string_view picture;
  std::int32_t width;
};

constexpr std::array<PictureWidth, 14> kPictureWidths = {{
    {"@N9_`4", 9},
    {"@N-19_", 19},
    {"@N-19_`2", 19},
    {"@N-14_`2", 14},
    {"@N11`8", 11},
    {"@N14_", 14},
    {"@N7_", 7},
    {"@N11_B", 11},
    {"@N3", 3},
    {"@N20_`4", 20},
    {"@N15_`2B", 15},
    {"@N15_`2", 15},
    {"@N-16_`4", 16},
    {"@N-16_`6", 16},
}};

void select_whole_field(std::string_view picture) {
  Window* w = active_window();
  if (w == nullptr || w->find(w->field()) == nullptr) return;
  for (const PictureWidth& p : kPictureWidths) {
    if (!text::same(picture, p.picture)) continue;
    Control& c = w->control(w->field());
    c.sel_start = 1;
    c.sel_end = p.width;
    return;
  }
}

// The control of the active window, or nullptr.
Control* active_control(std::int32_t number) {
  Window* w = active_window();
  if (w == nullptr || w->find(number) == nullptr) return nullptr;
  return &w->control(number);
}

void style(Control& c, std::string_view font, std::int32_t colour, std::int32_t size) {
  c.font.name = font;
  c.font.color = colour;
  c.font.charset = 238;  // Central European
  c.font.weight = 400;
  c.font.size = size;
}

// A row's field as a whole number; 0 when missing or not a number.
}  // namespace

void SELECT_MOUSELEFT(std::string_view picture) {
  const Window* w = active_window();
  if (w == nullptr || w->keycode() != key::kMouseLeft) return;
  select_whole_field(picture);
}

void SELECT_KEYBOARD(std::string_view picture) {
  select_whole_field(picture);
}

std::uint8_t THREAD_INS(std::string_view window_name) {
  return dane::ROVAN_OKNA().insert(thread_number(), window_name) ? 0 : 1;
}

void THREAD_DEL(std::string_view window_name) {
  dane::ROVAN_OKNA().remove(window_name);
}

void STRSTYLTOOLBAR(std::int32_t control, std::uint8_t size, std::uint8_t /*second*/,
                    std::uint8_t keep_position) {
  Control* c = active_control(control);
  if (c == nullptr) return;
  const std::int32_t points = size >= 1 && size <= 10 ? size : 11;
  style(*c, "Segoe UI Semibold", 0x666666, points);
  if (keep_position != 1) {
    c->rect.x = 12;
    c->rect.y = 14 - points;
    c->rect.height = 14;
  }
}

void STRSTYLOPIS(std::int32_t control, std::uint8_t size, std::uint8_t /*second*/) {
  if (Control* c = active_control(control)) style(*c, "Segoe UI", kColorBlack, size > 0 ? size : 9);
}

void STRSTYLNAGLOWEK(std::int32_t control, std::uint8_t size, std::uint8_t /*second*/) {
  if (Control* c = active_control(control)) {
    style(*c, "Segoe UI Semibold", kColorBlack, size >= 1 && size <= 15 ? size : 16);
  }
}

void USTAW4IKONYBROWSERA(dane::POPUPCLASS* popup, std::uint8_t mode) {
  // Modes 0 and 1 give the items their texts and icons; any other mode leaves the menu alone.
  if (popup == nullptr || mode > 1) return;
  struct Item {
    std::string_view name, text, icon;
  };
  static constexpr Item kItems[] = {{"Insert", "Dodaj", "~dodaj2.ico"},
                                    {"Change", "Popraw", "~popraw2.ico"},
                                    {"Delete", "Usuń"_cp, "~usun2.ico"},
                                    {"Select", "Wybierz", "~wybierz.ico"}};
  for (const Item& item : kItems) {
    popup->SetText(item.name, item.text);
    popup->SetIcon(item.name, item.icon);
  }
}

void USTAWIKONYDRZEWA(std::int32_t list, dane::Queue* rows, std::int32_t leaf_icon) {
  if (dane::get_int(dane::Global::GLO_REBRANDING) < 2016) return;
  Control* c = active_control(list);
  if (c == nullptr) return;
  const bool lines = dane::get_int(dane::Global::GLO_DRZEWALINIE) != 0;
  c->tree_lines = lines && rows == nullptr;
  if (rows == nullptr) return;
  c->icons[1] = "~folder_drzewo2.ico";
  c->icons[leaf_icon] = "";
  if (dane::get_int(dane::Global::GLO_DRZEWAIKONALISCIA) == 0) c->icons[1] = "";

  const std::size_t icon_field = c->tree ? 6 : 2;
  const std::size_t level_field = c->tree ? 7 : 3;
  const std::int32_t current = c->selected;
  // A row with a deeper row below it has children and gets the folder icon. A process-wide
  // list stays locked for the whole pass.
  const auto lock = dane::hold(rows);
  std::int64_t level_below = 0;
  for (std::size_t row = rows->count(); row >= 1; --row) {
    const std::int64_t level = std::llabs(rows->get_number(row, level_field));
    rows->set(row, icon_field, text::int_text(level < level_below ? 1 : leaf_icon));
    level_below = level;
  }
  c->selected = current != 0 ? current : 1;
}

}  // namespace funkcja::ui
