// Windows built through the C interface, run by the headless script: presses reach the
// caller's handler, which keeps the window open or closes it; keys, buttons, Esc and the close
// box end the run as the interface says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "funkcja/funkcja.h"
#include "funkcja/window_builder.hpp"
#include "support/probe_window.hpp"
#include "ui/headless_driver.hpp"

namespace funkcja::ui::testing {
namespace {

class WindowBuilder : public WindowTest {};

struct Built {
  std::int32_t closed_by = -2;
  std::int32_t key = 0;
  std::vector<std::int32_t> presses;
  std::vector<std::string> rows;
  std::int32_t radio_a = 0;
  std::int32_t radio_b = 0;
};

// An entry, "Szukaj" (adds the entry's text as a row), a list, two radios, "Wybierz" (F10;
// closes once a row is chosen) and "Anuluj". refuse_close: the handler refuses Esc and the
// close box.
Built run_built(const std::vector<std::string>& script, bool refuse_close) {
  headless_driver().clear();
  for (const auto& line : script) EXPECT_TRUE(headless_driver().push_line(line)) << line;
  BuiltWindow w("Builder_test", "Okno", 300, 200);
  const auto entry = w.add(FK_CONTROL_ENTRY, "", {8, 8, 100, 12});
  const auto search = w.add(FK_CONTROL_BUTTON, "Szukaj", {110, 8, 40, 14});
  const auto list = w.add(FK_CONTROL_LIST, "", {8, 30, 280, 100});
  w.add(FK_CONTROL_RADIO, "A", {8, 140, 30, 10});
  w.add(FK_CONTROL_RADIO, "B", {40, 140, 30, 10});
  const auto choose = w.add(FK_CONTROL_BUTTON, "Wybierz", {200, 170, 40, 14});
  const auto cancel = w.add(FK_CONTROL_BUTTON, "Anuluj", {250, 170, 40, 14});
  w.bind_key(FK_KEY_F10, choose);
  w.focus(entry);
  Built out;
  w.on_press([&](std::int32_t control, std::int32_t) {
    out.presses.push_back(control);
    if (control == search) {
      w.add_row(list, w.text(entry));
      w.set_value(list, w.row_count(list));
      return false;
    }
    if (control == choose) return w.value(list) != 0;
    if (control == cancel) return true;
    return control == 0 && !refuse_close;
  });
  out.closed_by = w.run(&out.key);
  for (std::int32_t r = 1; r <= w.row_count(list); ++r) {
    w.set_value(list, r);
    out.rows.push_back(std::to_string(w.value(list)));
  }
  out.radio_a = w.value(4);
  out.radio_b = w.value(5);
  EXPECT_EQ(w.run(), -1) << "a window runs once";
  return out;
}

TEST_F(WindowBuilder, ScriptedPressesReachTheHandlerWhichDecidesWhetherTheWindowCloses) {
  struct Case {
    const char* name;
    std::vector<std::string> script;
    bool refuse_close;
    std::int32_t closed_by;
    std::int32_t key;
    std::vector<std::int32_t> presses;
    std::size_t rows;
    std::int32_t radio_a, radio_b;
  };
  const std::vector<Case> cases = {
      {"search keeps it open, F10 presses Wybierz",
       {"type 123", "click Szukaj", "key F10"},
       false,
       6,
       FK_KEY_F10,
       {2, 6},
       1,
       0,
       0},
      {"two searches, then a click on Wybierz",
       {"type 1", "click Szukaj", "click Szukaj", "click Wybierz"},
       false,
       6,
       FK_KEY_MOUSE,
       {2, 2, 6},
       2,
       0,
       0},
      {"Esc", {"key Esc"}, false, 0, FK_KEY_ESC, {0}, 0, 0, 0},
      {"Anuluj", {"click Anuluj"}, false, 7, FK_KEY_MOUSE, {7}, 0, 0, 0},
      {"Wybierz refused with nothing chosen, then Esc",
       {"key F10", "key Esc"},
       false,
       0,
       FK_KEY_ESC,
       {6, 0},
       0,
       0,
       0},
      {"radios form one group",
       {"click B", "click A", "click B", "key Esc"},
       false,
       0,
       FK_KEY_ESC,
       {5, 4, 5, 0},
       0,
       0,
       1},
      {"a handler that refuses to close still ends the run", {"key Esc"}, true, 0, 0, {}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Built b = run_built(c.script, c.refuse_close);
    EXPECT_EQ(b.closed_by, c.closed_by);
    if (!c.refuse_close) {
      EXPECT_EQ(b.key, c.key);
      EXPECT_EQ(b.presses, c.presses);
    }
    EXPECT_EQ(b.rows.size(), c.rows);
    EXPECT_EQ(b.radio_a, c.radio_a);
    EXPECT_EQ(b.radio_b, c.radio_b);
  }
}

TEST_F(WindowBuilder, WrongNumbersAndTypesChangeNothing) {
  fk_window* w = fk_window_new(fk_cstr(""), fk_cstr("Okno"), 100, 100);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(fk_window_add(w, 99, fk_cstr("x"), 0, 0, 10, 10), 0);
  const int32_t label = fk_window_add(w, FK_CONTROL_LABEL, fk_cstr("Etykieta"), 0, 0, 10, 10);
  EXPECT_EQ(label, 1);
  fk_window_set_text(w, 7, fk_cstr("nic"));
  EXPECT_EQ(fk_window_text(w, 7).len, 0u);
  EXPECT_EQ(std::string(fk_window_text(w, label).ptr, fk_window_text(w, label).len), "Etykieta");
  EXPECT_EQ(fk_window_add_row(w, label, fk_cstr("a\tb")), 0) << "a label has no rows";
  fk_window_set_value(w, 7, 1);
  EXPECT_EQ(fk_window_value(w, 7), 0);
  fk_window_bind_key(w, FK_KEY_F10, 7);
  fk_window_free(w);
  EXPECT_EQ(fk_window_run(nullptr, nullptr), -1);
  EXPECT_EQ(fk_window_add(nullptr, FK_CONTROL_ENTRY, fk_cstr(""), 0, 0, 1, 1), 0);
}

TEST_F(WindowBuilder, TheWindowIsRecordedWithItsRows) {
  headless_driver().clear();
  headless_driver().push_line("click Szukaj");
  BuiltWindow w("Builder_rows", "Okno z listą", 300, 200);
  const auto search = w.add(FK_CONTROL_BUTTON, "Szukaj", {});
  const auto list = w.add(FK_CONTROL_LIST, "", {});
  w.set_columns(list, "Nazwa\tREGON");
  w.on_press([&](std::int32_t control, std::int32_t) {
    if (control == search) w.add_row(list, "ŻURAW\t012345675");
    return control == 0;
  });
  EXPECT_EQ(w.run(), 0);
  const auto history = headless_driver().history();
  ASSERT_FALSE(history.empty());
  const WindowSnapshot& last = history.back();
  EXPECT_EQ(last.key, "Builder_rows");
  EXPECT_TRUE(last.closed);
  const Control* shown = last.control(list);
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->rows.size(), 1u);
  EXPECT_EQ(shown->rows[0].cells, (std::vector<std::string>{"ŻURAW", "012345675"}));
  EXPECT_EQ(shown->columns, (std::vector<std::string>{"Nazwa", "REGON"}));
}

}  // namespace
}  // namespace funkcja::ui::testing
