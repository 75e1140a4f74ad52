// The record of what was shown, as a host reads it through the C interface, its bounds, and
// the reset that forgets every answer between a host's jobs.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "frame/cp1250.hpp"
#include "frame/cp_literal.hpp"
#include "funkcja/testing.h"
#include "host/platform/env.hpp"
#include "host/platform/shown_record.hpp"
#include "ui/headless_driver.hpp"
#include "ui/procedures.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using nlohmann::json;

json shown() {
  const fk_text t = fk_shown_json();
  return json::parse(std::string(t.ptr, t.len));  // throws on anything that is not JSON
}

fk_text c_text(const std::string& s) {
  return fk_text{s.data(), s.size()};
}

class ShownRecord : public ::testing::Test {
 protected:
  void SetUp() override { fk_headless_reset(); }
  void TearDown() override { fk_headless_reset(); }
};

// Every byte a text may hold comes out as valid JSON that reads back as the same text.
TEST_F(ShownRecord, TextsAreEscapedAndConvertedToUtf8) {
  std::string every_byte;
  for (int b = 1; b < 256; ++b) every_byte.push_back(static_cast<char>(b));
  const std::string texts[] = {std::string("\"cytat\" i \\ukośnik\\"_cp),
                               "wiersz\r\ndrugi\ttab\x01\x1f\x7f",
                               std::string("Zażółć gęślą jaźń ŁÓDŹ"_cp), every_byte};
  for (const std::string& text : texts) {
    fk_shown_clear();
    std::string button = text;
    std::erase(button, '|');  // the separator of the buttons
    ui::MSG_QST(text, button + "|&Nie", 0);
    const json items = shown();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]["text"], cp1250::cp1250_to_utf8(text));
    EXPECT_EQ(items[0]["buttons"][0], cp1250::cp1250_to_utf8(button));
    EXPECT_EQ(items[0]["answer"], 1);  // default 0 means the first
  }
  const fk_text raw = fk_shown_json();
  EXPECT_NE(std::string(raw.ptr, raw.len).find("\\u0001"), std::string::npos);
}

TEST_F(ShownRecord, KeepsTheLatestItemsAndCutsHugeControls) {
  platform::ShownRecord record;
  for (int i = 0; i < 1500; ++i) record.add_box({{}, "", std::to_string(i), {"OK"}, 1});
  auto items = record.items();
  ASSERT_EQ(items.size(), platform::ShownRecord::kMaxItems);
  EXPECT_EQ(std::get<platform::ShownBox>(items.back().what).text, "1499");
  EXPECT_EQ(std::get<platform::ShownBox>(items.front().what).text, "500");

  // A window opened long ago and dropped since: its later change is ignored.
  const std::string row(100, 'x');
  std::string list = "#1 list";
  for (int i = 0; i < 1000; ++i) list += "\n    " + row;
  const auto id = record.window_opened({"Okno", "", {list}, ""});
  record.window_changed(id, {"Okno", "", {list}, "key F10"});
  items = record.items();
  const auto& window = std::get<platform::ShownWindow>(items.back().what);
  EXPECT_EQ(window.closed, "key F10");
  EXPECT_LE(window.controls[0].size(), platform::ShownRecord::kMaxControlBytes + 16);
  EXPECT_EQ(window.controls[0].substr(window.controls[0].size() - 8), "\n    ...");

  for (int i = 0; i < 1500; ++i) record.add_box({{}, "", "late", {"OK"}, 1});
  record.window_changed(id, {"Okno", "", {}, "close"});  // long gone
  EXPECT_EQ(record.items().size(), platform::ShownRecord::kMaxItems);
  EXPECT_NE(record.json().find("late"), std::string::npos);
  EXPECT_EQ(record.json().find("Okno"), std::string::npos);
}

// After the reset nothing given before it answers anything.
TEST_F(ShownRecord, ResetForgetsEveryAnswerTheClipboardAndTheRecord) {
  const std::string path = "/tmp/lista.csv";
  fk_msgbox_push_answer(2);
  ASSERT_EQ(fk_ui_script_push(c_text("key F10")), 1);
  fk_ui_folder_push_answer(c_text("/tmp"), 1);
  fk_ui_save_push_answer(c_text(path), 1);
  fk_clipboard_set(c_text("schowek"));
  ui::MSG_INF("przed");
  ASSERT_EQ(shown().size(), 1u);

  fk_headless_reset();
  EXPECT_EQ(shown(), json::array());
  EXPECT_EQ(fk_clipboard_get().len, 0u);
  EXPECT_EQ(ui::headless_driver().pending_actions(), 0u);
  EXPECT_EQ(ui::MSG_QST("q", "&Tak|&Nie"_cp, 1), 1);
  auto& env = platform::Env::current();
  EXPECT_EQ(env.choose_folder("F", "/"), std::nullopt);
  EXPECT_EQ(env.choose_save_file({}), std::nullopt);

  // Given again, the save answer and the clipboard are what the library sees.
  fk_ui_save_push_answer(c_text(path), 1);
  fk_clipboard_set(c_text(std::string("Łódź"_cp)));
  EXPECT_EQ(env.choose_save_file({"Zapisz", "/tmp", "x.csv", "CSV|*.csv"}), path);
  EXPECT_EQ(env.clipboard_text(), "Łódź"_cp);
  const json items = shown();
  ASSERT_EQ(items.size(), 4u);  // the box, two dialogs cancelled, the save dialog
  EXPECT_EQ(items[3], json({{"dialog", "save"}, {"title", "Zapisz"}, {"answer", path}}));
}

}  // namespace
}  // namespace funkcja
