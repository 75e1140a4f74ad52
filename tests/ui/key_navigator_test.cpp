#include "ui/key_navigator.hpp"

#include <unistd.h>

#include "support/probe_window.hpp"

namespace funkcja::ui {
namespace {

using testing::ProbeWindow;
using testing::run_script;
namespace ct = control_type;

class Navigator : public testing::WindowTest {};

// The keys trapped at positions 251..255 by control type, with and without arrows kept in lists.
TEST_F(Navigator, InitTrapsTheKeysOfEachControlType) {
  struct Case {
    std::int32_t type;
    std::uint8_t keep_arrows;
    std::map<std::int32_t, std::int32_t> trapped;
  };
  const Case cases[] = {
      {ct::kEntry, 0, {{253, key::kDown}, {254, key::kEnter}, {255, key::kUp}}},
      {ct::kButton, 0, {{252, key::kUp}, {253, key::kDown}, {254, key::kRight}, {255, key::kLeft}}},
      {ct::kCheck,
       0,
       {{251, key::kEnter},
        {252, key::kUp},
        {253, key::kDown},
        {254, key::kRight},
        {255, key::kLeft}}},
      {ct::kList, 0, {{253, key::kEnter}, {254, key::kRight}, {255, key::kLeft}}},
      {ct::kList, 1, {{253, key::kEnter}}},
      {ct::kDropList, 0, {{253, key::kEnter}, {254, key::kRight}, {255, key::kLeft}}},
      {ct::kCombo, 0, {{255, key::kEnter}}},
      {ct::kDropCombo, 1, {{255, key::kEnter}}},
      {ct::kSpin, 0, {{254, key::kEnter}}},
      {ct::kText, 0, {{254, key::kEnter}}},
      {ct::kRichText, 0, {{254, key::kEnter}}},
      {ct::kRadio, 0, {{251, key::kEnter}}},
      {ct::kString, 0, {}},
      {ct::kGroup, 0, {}}};
  for (const Case& c : cases) {
    ProbeWindow w({c.type});
    KeyNavigator n(w);
    n.Init(c.keep_arrows);
    EXPECT_EQ(w.control(1).alerts, c.trapped) << "type " << c.type << " keep " << +c.keep_arrows;
    EXPECT_TRUE(n.initialised());
  }
}

TEST_F(Navigator, ExcludedControlsStayUniqueAndUntrappedButStillGetTheirPairKeys) {
  ProbeWindow w({ct::kEntry, ct::kEntry, ct::kButton});
  KeyNavigator n(w);
  n.ExcludeControl(1);
  n.ExcludeControl(1);
  n.add_tab_stop_pair(1, 3);
  n.Init(0);
  EXPECT_EQ(n.excluded_controls().size(), 1u);
  EXPECT_EQ(w.control(1).alerts, (std::map<std::int32_t, std::int32_t>{{249, key::kTab}}));
  EXPECT_EQ(w.control(3).alerts.at(250), key::kShiftTab);
  EXPECT_FALSE(w.control(2).alerts.count(249));
}

TEST_F(Navigator, NotInitialisedItTakesNoEvent) {
  ProbeWindow w({ct::kEntry});
  KeyNavigator n(w);
  w.control(1).alerts[254] = key::kEnter;
  w.handler = [&](ProbeWindow& self) {
    if (self.event() == event::kAlertKey) {
      EXPECT_EQ(n.TakeEvent(), 0);
    }
  };
  w.user_select(1);
  w.user_key(key::kEnter);
  EXPECT_EQ(w.log.back(), "16 1 Enter");  // the window saw the alert itself
}

// Focus after each key, in a window of entry, multi-line text, entry, list, button.
TEST_F(Navigator, KeysMoveTheFocusAsTabAndShiftTabDo) {
  struct Case {
    const char* name;
    std::vector<std::string> script;
    std::vector<std::int32_t> focus_after;  // one per step
  };
  const Case cases[] = {{"Enter in an entry acts as Tab", {"key Enter"}, {2}},
                        {"Down in an entry acts as Tab", {"key Down"}, {2}},
                        {"Up in an entry acts as Shift+Tab", {"select 3", "key Up"}, {3, 2}},
                        {"Enter in a multi-line text stays", {"select 2", "key Enter"}, {2, 2}},
                        {"Enter in a list acts as Tab", {"select 4", "key Enter"}, {4, 5}},
                        {"Right and Left in a list move on and back",
                         {"select 4", "key Right", "key Left"},
                         {4, 5, 4}},
                        {"Arrows on a button", {"select 5", "key Left", "key Right"}, {5, 4, 5}},
                        {"Tab wraps round to the first stop", {"select 5", "key Tab"}, {5, 1}},
                        {"Shift+Tab wraps back to the last stop", {"key Shift+Tab"}, {5}}};
  for (const Case& c : cases) {
    ProbeWindow w({ct::kEntry, ct::kText, ct::kEntry, ct::kList, ct::kButton});
    w.control(4).rows = {{{"a"}}, {{"b"}}};
    w.control(4).selected = 1;
    auto script = c.script;
    script.push_back("close");
    const auto history = run_script(w, script);
    ASSERT_EQ(history.size(), c.script.size() + 2) << c.name;
    for (std::size_t i = 0; i < c.focus_after.size(); ++i) {
      EXPECT_EQ(history[i + 1].focus, c.focus_after[i]) << c.name << " step " << i;
    }
  }
}

TEST_F(Navigator, EnterInAMultiLineTextBreaksTheLine) {
  ProbeWindow w({ct::kText, ct::kButton});
  const auto history = run_script(w, {"type ab", "key Enter", "type c", "close"});
  EXPECT_EQ(history[3].control(1)->text, "ab\r\nc");
  EXPECT_EQ(history[3].focus, 1);
}

TEST_F(Navigator, ShiftTabGoesOutAsRealKeystrokes) {
  ProbeWindow w({ct::kEntry, ct::kEntry});
  run_script(w, {"select 2", "key Up", "close"});
  const auto strokes = platform::headless_keyboard().strokes();
  ASSERT_EQ(strokes.size(), 4u);
  const std::pair<int, unsigned> expected[] = {{0x10, 0}, {0x09, 0}, {0x09, 2}, {0x10, 2}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(strokes[i].virtual_key, expected[i].first) << i;
    EXPECT_EQ(strokes[i].flags, expected[i].second) << i;
  }
}

TEST_F(Navigator, AnExcludedControlKeepsAllItsKeys) {
  ProbeWindow w({ct::kEntry, ct::kList, ct::kButton});
  w.exclude = {1, 2};
  w.control(2).rows = {{{"a"}}, {{"b"}}, {{"c"}}};
  w.control(2).selected = 1;
  const auto history = run_script(w, {"key Enter", "key Down", "select 2", "key Down", "close"});
  EXPECT_EQ(history[1].focus, 1);  // Enter stayed in the entry
  EXPECT_EQ(history[2].focus, 1);  // and so did Down
  EXPECT_EQ(history[4].focus, 2);
  EXPECT_EQ(history[4].control(2)->selected, 2);  // Down moved within the list
}

TEST_F(Navigator, ExplicitPairsOverrideTheNaturalOrderBothWays) {
  ProbeWindow w({ct::kEntry, ct::kEntry, ct::kEntry, ct::kButton});
  w.pairs = {{1, 4}};
  const auto history = run_script(w, {"key Tab", "key Shift+Tab", "select 2", "key Tab", "close"});
  EXPECT_EQ(history[1].focus, 4);  // Tab on 1 went to its pair
  EXPECT_EQ(history[2].focus, 1);  // Shift+Tab on 4 came back
  EXPECT_EQ(history[4].focus, 3);  // 2 has no pair: the natural next stop
}

TEST_F(Navigator, NaturalStopsSkipDisabledHiddenAndPlainControls) {
  ProbeWindow w({ct::kEntry, ct::kString, ct::kEntry, ct::kEntry, ct::kButton});
  w.control(3).enabled = false;
  w.control(4).hidden = true;
  EXPECT_EQ(w.next_stop(1), 5);
  EXPECT_EQ(w.previous_stop(5), 1);
  EXPECT_EQ(w.next_stop(5), 1);
  EXPECT_EQ(w.previous_stop(1), 5);
}

}  // namespace
}  // namespace funkcja::ui
