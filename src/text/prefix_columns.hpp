// The column cache behind STR_REPLACE_PREFIKS_A: the columns of each table met, read from the
// database catalogue once and kept for the life of the library. These functions let tests see
// and reset it; the library itself never forgets a table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::text {

// Every table forgotten, so that the next call reads the catalogue again.
void forget_table_columns();

// The columns held for a table, in the order the catalogue gave them; empty when none are held.
std::vector<std::string> cached_columns(std::string_view table);

// How many catalogue queries have run since the library was loaded.
std::size_t catalogue_queries();

}  // namespace funkcja::text
