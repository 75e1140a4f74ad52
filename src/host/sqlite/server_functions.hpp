// The server's functions as the embedded database knows them: the table functions used in
// FROM as dbo.NAME(args), each a select template registered by the catalogue of server objects.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace funkcja::sqlite::tsql {

// The SQL template of a table function, by name (any case); nothing when none is registered.
std::optional<std::string> table_function(std::string_view name);

}  // namespace funkcja::sqlite::tsql
