#include "ui/tree_branches.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "host/dane/process_objects.hpp"

namespace funkcja::ui::tree {
namespace {

// "name level order value" per line, for short expectations.
std::vector<std::string> shape(const std::vector<Branch>& tree) {
  std::vector<std::string> out;
  for (const Branch& b : tree) {
    out.push_back(b.name + " " + std::to_string(b.level) + " " + std::to_string(b.order) + " " +
                  b.value);
  }
  return out;
}

Branch line(std::string name, std::int32_t level, std::int32_t order) {
  Branch b;
  b.name = std::move(name);
  b.icon = 2;
  b.level = level;
  b.order = order;
  return b;
}

TEST(TreeBranches, NewLinesGoBelowThePlaceAndTheFollowingOrderNumbersMoveUp) {
  const std::vector<Branch> start = {root_branch(), line("2026", 1, 1), line("RK", 2, 2),
                                     line("2025", 1, 3)};
  const std::vector<Candidate> rates = {{"23%", 1, "1"}, {"8%", 1, "2"}};
  struct Case {
    const char* what;
    std::size_t after;
    Addition add;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"every candidate below the root",
       1,
       {24, "ID_STAWKI", "=", rates, {}},
       {"Wszystko 0 0 ", "23% 1 1 1", "8% 1 2 2", "2026 1 3 ", "RK 2 4 ", "2025 1 5 "}},
      {"a single named branch below a middle line",
       2,
       {24, "ID_STAWKI", "<>", {{"23%", 1, "1"}}, {"Bez 23%"}},
       {"Wszystko 0 0 ", "2026 1 1 ", "Bez 23% 2 2 1", "RK 2 3 ", "2025 1 4 "}},
      {"below the last line nothing moves",
       4,
       {24, "ID_STAWKI", "=", rates, {}},
       {"Wszystko 0 0 ", "2026 1 1 ", "RK 2 2 ", "2025 1 3 ", "23% 2 4 1", "8% 2 5 2"}},
      {"a place that does not exist is the root",
       9,
       {24, "ID_STAWKI", "=", {{"23%", 1, "1"}}, {}},
       {"Wszystko 0 0 ", "23% 1 1 1", "2026 1 2 ", "RK 2 3 ", "2025 1 4 "}},
      {"the transfer field: value 1 gets two lines below it",
       1,
       {30,
        "RNV:PRZELEW_INTER_ROZRACHUNEK",
        "=",
        {{"Powiązane", 1, "1"}, {"Niepowiązane", 1, "0"}},
        {}},
       {"Wszystko 0 0 ", "Powiązane 1 1 1", "Zrealizowanym 2 2 2", "Niezrealizowanym 2 3 3",
        "Niepowiązane 1 4 0", "2026 1 5 ", "RK 2 6 ", "2025 1 7 "}},
      {"browse 32 nests by the candidate's own level, whatever its sign",
       2,
       {32, "ID_MPK", "=", {{"Zarząd", 1, "1"}, {"Hala A", -3, "3"}}, {}},
       {"Wszystko 0 0 ", "2026 1 1 ", "Zarząd 2 2 1", "Hala A 4 3 3", "RK 2 4 ", "2025 1 5 "}},
      {"other browses ignore the candidate's level",
       1,
       {24, "ID_MPK", "=", {{"Hala A", -3, "3"}}, {}},
       {"Wszystko 0 0 ", "Hala A 1 1 3", "2026 1 2 ", "RK 2 3 ", "2025 1 4 "}},
  };
  for (const Case& c : cases) {
    std::vector<Branch> tree = start;
    const std::size_t added = insert_branches(tree, c.after, c.add);
    EXPECT_EQ(shape(tree), c.expected) << c.what;
    EXPECT_EQ(added, tree.size() - start.size()) << c.what;
    for (std::size_t i = 0; i < tree.size(); ++i) {
      if (i >= 1 && tree[i].field == c.add.field) {
        EXPECT_EQ(tree[i].icon, 2) << c.what;
        EXPECT_EQ(tree[i].condition, c.add.condition) << c.what;
      }
    }
  }
}

TEST(TreeBranches, StoredExtremesSaturateAndTheListKeepsEveryField) {
  std::vector<Branch> tree = {root_branch(), line("max", std::numeric_limits<std::int32_t>::max(),
                                                  std::numeric_limits<std::int32_t>::max())};
  insert_branches(tree, 2, {24, "F", "=", {{"x", 1, "'K'"}}, {}});
  EXPECT_EQ(tree[2].level, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(tree[2].order, std::numeric_limits<std::int32_t>::max());

  // Through the process-wide list and back, field by field; an icon of 0 is kept as 1.
  auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
  tree[1].icon = 0;
  write_branches(*list, tree);
  const std::vector<Branch> back = read_branches(*list);
  ASSERT_EQ(back.size(), tree.size());
  EXPECT_EQ(back[1].icon, 1);
  EXPECT_EQ(back[2], tree[2]);
  EXPECT_EQ(back[2].value, "'K'");
  reset_to_root(*list);
  EXPECT_EQ(read_branches(*list), std::vector<Branch>{root_branch()});
}

}  // namespace
}  // namespace funkcja::ui::tree
