// The server's functions as the embedded database knows them. One table lists every function
// registered on a connection: those the statements call by the server's name (SUBSTRING,
// ISNULL ...) and the helpers the translator writes for operators, conversions and LIKE. The
// translator maps a call through it, and the connection registers from it, so a function
// cannot be known to one and missing from the other. Table functions, used in FROM as
// dbo.NAME(args), are select templates registered by the catalogue of server objects.
#pragma once

#include <sqlite3.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace funkcja::sqlite {

// What the translation knows of a value's type: texts are joined by "+", numbers added.
enum class ValueType { kUnknown, kText, kNumber, kNull };

using FunctionBody = void (*)(sqlite3_context*, int, sqlite3_value**);

struct ServerFunction {
  std::string_view server_name;  // as the statements call it, upper case; empty for a helper
  const char* name;              // in the embedded database
  int min_args;
  int max_args;
  ValueType result;    // kUnknown: the type of the first argument that is not NULL
  FunctionBody body;   // null for the embedded database's own function of that name
  bool deterministic;  // the same arguments always give the same result
};

// Every entry, in the order they are registered.
std::span<const ServerFunction> server_functions();

// The entry a statement calls by the server's name (any case); null when there is none.
const ServerFunction* server_function(std::string_view server_name);

namespace tsql {

// The SQL template of a table function, by name (any case); nothing when none is registered.
std::optional<std::string> table_function(std::string_view name);

}  // namespace tsql
}  // namespace funkcja::sqlite
