#include "ui/tree_branches.hpp"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "frame/text_rules.hpp"
#include "host/dane/process_objects.hpp"

namespace funkcja::ui::tree {
namespace {

namespace f = dane::filtr_drzewo;

constexpr std::int32_t kAddedIcon = 2;

// Order numbers and levels come from stored rows and may be anything: adding to them
// saturates instead of overflowing.
std::int32_t plus(std::int32_t a, std::int64_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

Branch root_branch() {
  Branch b;
  b.name = "Wszystko";
  return b;
}

std::vector<Branch> read_branches(const dane::Queue& list) {
  std::vector<Branch> out;
  for (std::size_t n = 1; n <= list.count(); ++n) {
    Branch b;
    b.name = list.get(n, f::kNazwaGalezi);
    b.icon = static_cast<std::int32_t>(list.get_number(n, f::kIkona));
    b.level = static_cast<std::int32_t>(list.get_number(n, f::kPoziom));
    b.order = static_cast<std::int32_t>(list.get_number(n, f::kLp));
    b.field = list.get(n, f::kPoleFiltr);
    b.value = list.get(n, f::kWartPola);
    b.condition = list.get(n, f::kWarunek);
    out.push_back(std::move(b));
  }
  return out;
}

void append_branch(dane::Queue& list, const Branch& b) {
  dane::Group& buffer = list.buffer();
  buffer.clear();
  buffer.set(f::kNazwaGalezi, b.name);
  buffer.set(f::kIkona, text::int_text(b.icon == 0 ? 1 : b.icon));
  buffer.set(f::kPoziom, text::int_text(b.level));
  buffer.set(f::kLp, text::int_text(b.order));
  buffer.set(f::kPoleFiltr, b.field);
  buffer.set(f::kWartPola, b.value);
  buffer.set(f::kWarunek, b.condition);
  list.append();
}

void write_branches(dane::Queue& list, const std::vector<Branch>& branches) {
  list.clear();
  for (const Branch& b : branches) append_branch(list, b);
}

void reset_to_root(dane::Queue& list) {
  list.clear();
  append_branch(list, root_branch());
}

std::size_t insert_branches(std::vector<Branch>& tree, std::size_t after, const Addition& add) {
  if (tree.empty()) tree.push_back(root_branch());
  if (after < 1 || after > tree.size()) after = 1;
  const Branch& parent = tree[after - 1];
  const bool transfer = text::same(add.field, kTransferField);

  std::vector<Branch> added;
  std::int32_t order = parent.order;
  const auto push = [&](std::string name, std::int32_t level, std::string value) {
    Branch b;
    b.name = std::string(text::cut(name, 100));
    b.icon = kAddedIcon;
    b.level = level;
    order = plus(order, 1);
    b.order = order;
    b.field = std::string(text::cut(add.field, 50));
    b.value = std::string(text::cut(value, 50));
    b.condition = std::string(text::cut(add.condition, 2));
    added.push_back(std::move(b));
  };
  for (std::size_t i = 0; i < add.candidates.size(); ++i) {
    const Candidate& c = add.candidates[i];
    const std::int64_t depth =
        add.browse == 32 ? std::llabs(static_cast<std::int64_t>(c.level)) : 1;
    const std::int32_t level = plus(parent.level, depth);
    push(i < add.names.size() ? add.names[i] : c.display, level, c.value);
    if (transfer && text::clip(c.value) == "1") {
      push(std::string("Zrealizowanym"), plus(level, 1), "2");
      push(std::string("Niezrealizowanym"), plus(level, 1), "3");
    }
  }
  for (std::size_t n = after; n < tree.size(); ++n) {
    tree[n].order = plus(tree[n].order, static_cast<std::int64_t>(added.size()));
  }
  tree.insert(tree.begin() + static_cast<std::ptrdiff_t>(after), added.begin(), added.end());
  return added.size();
}

}  // namespace funkcja::ui::tree
