#include "ui/window.hpp"

#include <unistd.h>

#include <thread>

#include "host/platform/atomic_file.hpp"
#include "support/probe_window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using testing::ProbeWindow;
using testing::run_script;
namespace ct = control_type;

class WindowLayer : public testing::WindowTest {};

TEST(KeyNames, ParseAndNameRoundTrip) {
  struct Case {
    const char* name;
    std::int32_t code;
    const char* canonical;
  };
  const Case cases[] = {{"F10", 0x79, "F10"},
                        {"esc", 0x1B, "Esc"},
                        {"Escape", 0x1B, "Esc"},
                        {"Shift+Tab", 0x109, "Shift+Tab"},
                        {"shift+enter", 0x10D, "Shift+Enter"},
                        {"Ctrl+Alt+D", 0x644, "Ctrl+Alt+D"},
                        {"Ctrl+Up", 0x226, "Ctrl+Up"},
                        {"MouseLeft", 1, "MouseLeft"},
                        {"0x223", 0x223, "Ctrl+End"},
                        {"p", 'P', "P"}};
  for (const Case& c : cases) {
    const auto code = key::parse(c.name);
    ASSERT_TRUE(code) << c.name;
    EXPECT_EQ(*code, c.code) << c.name;
    EXPECT_EQ(key::name(*code), c.canonical) << c.name;
  }
  for (const char* bad : {"", "F0", "F25", "Hyper+A", "Shift+", "AB", "0x", "-3", "70000"}) {
    EXPECT_FALSE(key::parse(bad)) << bad;
  }
}

TEST(ScriptLines, ParseOrExplain) {
  const char* good[] = {"key F10",  "type  two  blanks", "click &Zamknij", "choose 3",
                        "select 1", "mouse 2",           "timer",          "size 300 200",
                        "close",    "choose 3 4",        "double 2",       "double 6 7"};
  for (const char* line : good) {
    std::string error;
    EXPECT_TRUE(parse_action(line, error)) << line << ": " << error;
  }
  std::string error;
  EXPECT_EQ(parse_action("type  two  blanks", error)->text, " two  blanks");
  const char* bad[] = {"key",        "key F99",    "click",       "choose 0", "choose x",
                       "select -1",  "size 300",   "close now",   "jump",     "double",
                       "choose 3 0", "double 1 x", "choose 1 2 3"};
  for (const char* line : bad) {
    EXPECT_FALSE(parse_action(line, error)) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
  EXPECT_TRUE(headless_driver().push_line("# comment"));
  EXPECT_TRUE(headless_driver().push_line("   "));
  EXPECT_EQ(headless_driver().pending_actions(), 0u);
}

// How the window reacts to each kind of input: the script, then the events it caused.
TEST_F(WindowLayer, InputBecomesEvents) {
  struct Case {
    const char* name;
    std::vector<std::string> script;
    std::vector<std::string> events;  // after the open-window event
  };
  const Case cases[] = {
      {"F10 presses its button", {"key F10"}, {"1 3 F10"}},
      {"a click presses a button by its text", {"click c3"}, {"257 3 MouseLeft", "1 3 MouseLeft"}},
      {"Esc closes", {"key Esc"}, {"513 0 Esc"}},
      {"the close box closes", {"close"}, {"513 0 0x0"}},
      {"choosing a row is a new selection", {"select 2", "choose 2"}, {"257 2 0x0", "2 2 0x0"}},
      {"leaving a typed entry accepts it", {"type 12", "key Tab"}, {"1 1 Tab", "257 2 Tab"}},
      {"leaving an untouched entry does not", {"key Tab"}, {"257 2 Tab"}},
      {"a timer tick", {"timer"}, {"523 0 0x0"}}};
  for (const Case& c : cases) {
    ProbeWindow w({ct::kEntry, ct::kList, ct::kButton});
    w.control(2).rows = {{{"a"}}, {{"b"}}};
    w.bind_key(key::kF10, 3);
    w.handler = [](ProbeWindow& self) {
      if (self.event() == event::kAccepted && self.field() == 3) self.close();
    };
    auto script = c.script;
    script.push_back("close");
    run_script(w, script);
    ASSERT_GE(w.log.size(), 1u) << c.name;
    EXPECT_EQ(w.log.front(), "515 0 0x0") << c.name;  // open-window first
    std::vector<std::string> seen(w.log.begin() + 1, w.log.end());
    if (seen.size() > c.events.size()) seen.resize(c.events.size());
    EXPECT_EQ(seen, c.events) << c.name;
  }
}

TEST_F(WindowLayer, TypingReplacesTheSelectedCharacters) {
  struct Case {
    std::string before;
    std::int32_t start, end;
    std::string typed, after;
  };
  const Case cases[] = {{"123456", 1, 6, "9", "9"}, {"123456", 2, 3, "xy", "1xy456"},
                        {"12", 1, 19, "7", "7"},    {"12", 0, 0, "3", "123"},
                        {"12", 3, 3, "x", "12x"},   {"12", 5, 9, "x", "12x"},
                        {"", 1, 19, "x", "x"}};
  for (const Case& c : cases) {
    ProbeWindow w({ct::kEntry});
    w.control(1).text = c.before;
    w.control(1).sel_start = c.start;
    w.control(1).sel_end = c.end;
    run_script(w, {"type " + c.typed, "close"});
    EXPECT_EQ(w.control(1).text, c.after) << c.before << " " << c.start << ".." << c.end;
  }
}

TEST_F(WindowLayer, ExhaustedScriptAnswersEscThenTheCloseBoxThenForce) {
  ProbeWindow stubborn({ct::kButton});
  stubborn.handler = [](ProbeWindow& self) {
    if (self.event() == event::kCloseWindow) self.keep_open();
  };
  const auto history = run_script(stubborn, {});
  ASSERT_EQ(history.size(), 4u);
  EXPECT_EQ(history[1].step, "key Esc");
  EXPECT_EQ(history[2].step, "close");
  EXPECT_EQ(history[3].step, "closed by force");
  EXPECT_TRUE(stubborn.closed());
}

TEST_F(WindowLayer, OpenAndCloseStepsRegisterAndSaveUnderTheKey) {
  ProbeWindow w({ct::kButton}, {"Msg_Wykonaj", "x"});
  w.set_rect({10, 20, 300, 120});
  std::string name_while_open;
  bool tooltip_while_open = false;
  w.handler = [&](ProbeWindow& self) {
    name_while_open = library().errors().procedure_name();
    tooltip_while_open = dane::data_library().XTOOLTIP().has_window(&self);
    EXPECT_EQ(active_window(), &self);
  };
  run_script(w, {"close"});
  EXPECT_EQ(name_while_open, "Msg_Wykonaj");
  EXPECT_TRUE(tooltip_while_open);
  EXPECT_EQ(library().errors().procedure_name(), "");
  EXPECT_FALSE(dane::data_library().XTOOLTIP().has_window(&w));
  EXPECT_EQ(w.navigator(), nullptr);
  EXPECT_EQ(active_window(), nullptr);

  std::string file;
  ASSERT_TRUE(platform::read_file(settings_path_, file));
  EXPECT_NE(file.find("[Msg_Wykonaj]\r\nXPos=10\r\nYPos=20\r\nWidth=300\r\nHeight=120\r\n"),
            std::string::npos)
      << file;

  // A second opening, from a fresh manager on the same file, restores the saved place.
  library().own_settings().Init(settings_path_);
  ProbeWindow again({ct::kButton}, {"Msg_Wykonaj", "x"});
  Rect seen;
  again.handler = [&](ProbeWindow& self) { seen = self.rect(); };
  run_script(again, {"size 1 1", "close"});
  EXPECT_EQ(seen, (Rect{10, 20, 300, 120}));
}

TEST_F(WindowLayer, WindowsThatSkipTheSavedPlaceNeitherReadNorWriteIt) {
  library().own_settings().UPDATE("Msg_AdvInfo", "XPos", "500");
  WindowOptions options("Msg_AdvInfo", "x");
  options.remember_position = false;
  options.rect = {1, 2, 342, 79};
  ProbeWindow w({ct::kButton}, options);
  run_script(w, {"close"});
  EXPECT_EQ(w.rect(), (Rect{1, 2, 342, 79}));
  EXPECT_FALSE(library().own_settings().FETCH("Msg_AdvInfo", "Width"));
}

TEST_F(WindowLayer, BadStoredValuesAreIgnored) {
  auto& s = library().own_settings();
  s.UPDATE("Probe", "XPos", "12abc");
  s.UPDATE("Probe", "YPos", " 7 ");
  s.UPDATE("Probe", "Width", "-5");
  s.UPDATE("Probe", "Height", "99999999999");
  WindowOptions options("Probe", "x");
  options.rect = {3, 4, 50, 60};
  ProbeWindow w({ct::kButton}, options);
  Rect seen;
  w.handler = [&](ProbeWindow& self) { seen = self.rect(); };
  run_script(w, {"close"});
  EXPECT_EQ(seen, (Rect{3, 7, 50, 60}));
}

TEST_F(WindowLayer, EventsPostedFromAnotherThreadReachTheWindowsLoop) {
  const std::int32_t me = thread_number();
  ProbeWindow w({ct::kButton});
  std::thread poster;
  w.handler = [&](ProbeWindow& self) {
    if (self.event() == event::kOpenWindow) {
      poster = std::thread([me] { EXPECT_TRUE(post_event(me, event::kUser)); });
      poster.join();
    }
    if (self.event() == event::kUser) self.close();
  };
  run_script(w, {});
  EXPECT_EQ(w.log.back(), "1024 0 0x0");
  EXPECT_FALSE(post_event(1 << 30, event::kUser));
  EXPECT_FALSE(post_event(0, event::kUser));
}

TEST_F(WindowLayer, NestedWindowsShareTheScriptAndTheRegistry) {
  ProbeWindow outer({ct::kButton});
  std::size_t open_inside = 0;
  outer.handler = [&](ProbeWindow& self) {
    if (self.event() == event::kAccepted) {
      ProbeWindow inner({ct::kButton});
      inner.handler = [&](ProbeWindow&) { open_inside = open_window_count(); };
      inner.run();
      EXPECT_EQ(active_window(), &self);
    }
  };
  run_script(outer, {"click c1", "key Esc", "close"});
  EXPECT_EQ(open_inside, 2u);
  EXPECT_TRUE(outer.closed());
  EXPECT_EQ(open_window_count(), 0u);
}

TEST_F(WindowLayer, WrongControlNumbersTouchNothing) {
  ProbeWindow w({ct::kEntry});
  w.control(7).text = "x";
  w.control(-1).enabled = false;
  EXPECT_EQ(w.find(7), nullptr);
  EXPECT_EQ(w.control(1).text, "");
  EXPECT_TRUE(w.control(1).enabled);
}

}  // namespace
}  // namespace funkcja::ui
