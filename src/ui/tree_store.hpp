// The saved filter trees of a user: rows of BROWSER_KONFIG, one per branch, per company,
// browse, user and tree name. Every text spliced into these statements (login, tree name,
// branch name, field, value, operator) is quoted, so a name such as O'Brien or '; drop table
// x -- is stored and found as typed. A branch value keeps its own apostrophes: 'K' is stored
// as 'K'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/tree_branches.hpp"

namespace funkcja::ui::tree {

// The owner of saved trees: the session's company and user, and the browse (2 stored as 1).
struct Owner {
  std::int32_t company = 0;
  std::string login;
  std::int32_t browse = 0;
};
Owner session_owner(std::int32_t browse);

// The branches of the user's default tree with its name (the name of the last row); no
// branches and an empty name when there is none or the statement failed.
struct Loaded {
  std::vector<Branch> branches;
  std::string name;
};
Loaded load_default(const Owner& owner);
// The branches of the named tree, in order.
std::vector<Branch> load_named(const Owner& owner, std::string_view name);

// The names of the user's saved trees, in order.
std::vector<std::string> saved_names(const Owner& owner);
bool has_saved_trees(const Owner& owner);
bool tree_exists(const Owner& owner, std::string_view name);

// CALL OBSLUGA_KONFIG_BROW(company, login, browse, mode, name): 1 before saving a new tree or
// loading one, 2 before overwriting one, 3 after loading one.
void maintain(const Owner& owner, std::int32_t mode, std::string_view name);

// Inserts every branch after the root as a row of the named tree (domyslny 1, zakres_d and
// zakres_g 0). A failed insert shows the database's message and the others are still written.
// Returns the number of rows written.
std::size_t write_tree(const Owner& owner, std::string_view name,
                       const std::vector<Branch>& branches);

}  // namespace funkcja::ui::tree
