#include "ui/browser_state.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace funkcja::ui {
namespace {

// One step on the browser and what it shows afterwards.
struct Step {
  std::function<bool(BrowserState&)> act;
  bool loads;
  std::string address;
  std::vector<std::string> history;
};

TEST(BrowserState, HistoryMovesLikeABrowsers) {
  const auto go = [](std::string a) { return [a](BrowserState& b) { return b.navigate(a); }; };
  const auto back = [](BrowserState& b) { return b.back(); };
  const auto forward = [](BrowserState& b) { return b.forward(); };
  const auto refresh = [](BrowserState& b) { return b.refresh(); };
  const std::vector<Step> steps = {
      {back, false, "", {}},
      {refresh, false, "", {}},
      {go(""), false, "", {}},
      {go("a  "), true, "a", {"a"}},
      {go("   "), false, "a", {"a"}},
      {go("b"), true, "b", {"a", "b"}},
      {go("c"), true, "c", {"a", "b", "c"}},
      {forward, false, "c", {"a", "b", "c"}},
      {back, true, "b", {"a", "b", "c"}},
      {back, true, "a", {"a", "b", "c"}},
      {back, false, "a", {"a", "b", "c"}},
      {forward, true, "b", {"a", "b", "c"}},
      // A new page after going back drops the pages ahead.
      {go("d"), true, "d", {"a", "b", "d"}},
      {forward, false, "d", {"a", "b", "d"}},
      // The page shown, again: a reload, no second entry.
      {go("d "), true, "d", {"a", "b", "d"}},
      {refresh, true, "d", {"a", "b", "d"}},
      {back, true, "b", {"a", "b", "d"}},
      {go("b"), true, "b", {"a", "b", "d"}},
      {forward, true, "d", {"a", "b", "d"}},
      // Leading blanks belong to the address.
      {go(" e"), true, " e", {"a", "b", "d", " e"}},
  };
  BrowserState b;
  std::int32_t loads = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    EXPECT_EQ(s.act(b), s.loads) << "step " << i;
    loads += s.loads ? 1 : 0;
    EXPECT_EQ(b.address(), s.address) << "step " << i;
    EXPECT_EQ(b.history, s.history) << "step " << i;
    EXPECT_EQ(b.loads, loads) << "step " << i;
  }
}

TEST(BrowserState, KeepsTheNewestPagesOnly) {
  BrowserState b;
  const auto pages = static_cast<int>(BrowserState::kHistoryLimit) + 50;
  for (int i = 1; i <= pages; ++i) b.navigate("p" + std::to_string(i));
  ASSERT_EQ(b.history.size(), BrowserState::kHistoryLimit);
  EXPECT_EQ(b.address(), "p" + std::to_string(pages));
  int backs = 0;
  while (b.back()) ++backs;
  EXPECT_EQ(backs, static_cast<int>(BrowserState::kHistoryLimit) - 1);
  EXPECT_EQ(b.address(), "p51");
}

}  // namespace
}  // namespace funkcja::ui
