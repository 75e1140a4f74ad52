// The filter tree of the open browse as the tree procedures see it: the lines of the
// process-wide list $GGG:FILTR_DRZEWO_UNI, the root line that always comes first, and the
// insertion of new branches below a line with the order numbers of the following lines moved
// up. Callers hold the list's lock (dane::hold_queue) around every change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/queue.hpp"

namespace funkcja::ui::tree {

// A line of the tree, field by field.
struct Branch {
  std::string name;        // label shown in the tree (100 characters)
  std::int32_t icon = 1;   // 0 is kept as 1
  std::int32_t level = 0;  // depth, root 0
  std::int32_t order = 0;  // order number, root 0
  std::string field;       // the browse field filtered (50)
  std::string value;       // compared with; a text carries its own apostrophes: 'K' (50)
  std::string condition;   // the operator (3)
  bool operator==(const Branch&) const = default;
};

// A candidate of the add-branch window: what the list shows, its own level (browse 32 nests
// its candidates by it) and the value a branch made of it filters by.
struct Candidate {
  std::string display;
  std::int32_t level = 1;
  std::string value;
  bool operator==(const Candidate&) const = default;
};

// Browse 2 keeps its saved trees under browse 1.
constexpr std::int32_t stored_browse(std::int32_t browse) {
  return browse == 2 ? 1 : browse;
}

// The field whose branches "Powiązane z przelewem" (value 1) get two more lines below them.
inline constexpr std::string_view kTransferField = "RNV:PRZELEW_INTER_ROZRACHUNEK";

Branch root_branch();
std::vector<Branch> read_branches(const dane::Queue& list);
void write_branches(dane::Queue& list, const std::vector<Branch>& branches);
// The list emptied, with the root line alone.
void reset_to_root(dane::Queue& list);
void append_branch(dane::Queue& list, const Branch& branch);

// What the user asked the add-branch window to add.
struct Addition {
  std::int32_t browse = 0;
  std::string field;      // the field's filter name
  std::string condition;  // the operator chosen
  std::vector<Candidate> candidates;
  std::vector<std::string> names;  // each candidate's branch name (the display text unless the
                                   // user typed one for a single branch)
};

// Inserts one line per candidate directly after line `after` (1 = root; a line that does not
// exist means the root), each followed by the two lines "Zrealizowanym" and "Niezrealizowanym"
// when it is a branch of the transfer field with value 1. The new lines have icon 2, the
// order numbers after the selected line's, and the level below it (for browse 32 deeper by
// the candidate's own level); every later line's order number moves up by the number of lines
// added. Returns that number.
std::size_t insert_branches(std::vector<Branch>& tree, std::size_t after, const Addition& add);

}  // namespace funkcja::ui::tree
