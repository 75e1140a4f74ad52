#include "host/sqlite/server_functions.hpp"

#include <map>
#include <mutex>
#include <shared_mutex>

#include "host/sqlite/translator.hpp"
#include "host/sqlite/tsql_tokens.hpp"

namespace funkcja::sqlite {
namespace {

std::shared_mutex& table_functions_mutex() {
  static std::shared_mutex m;
  return m;
}
std::map<std::string, std::string>& table_functions() {
  static std::map<std::string, std::string> f;
  return f;
}

}  // namespace

const ServerFunction* server_function(std::string_view server_name) {
  for (const ServerFunction& f : server_functions()) {
    if (!f.server_name.empty() && tsql::iequals(f.server_name, server_name)) return &f;
  }
  return nullptr;
}

namespace tsql {

std::optional<std::string> table_function(std::string_view name) {
  std::shared_lock lock(table_functions_mutex());
  const auto it = table_functions().find(upper_ascii(name));
  if (it == table_functions().end()) return std::nullopt;
  return it->second;
}

}  // namespace tsql

void register_table_function(const std::string& name, std::string sql_template) {
  {
    std::unique_lock lock(table_functions_mutex());
    table_functions()[tsql::upper_ascii(name)] = std::move(sql_template);
  }
  // A statement translated before the function was known reads differently now.
  clear_translation_cache();
}

}  // namespace funkcja::sqlite
