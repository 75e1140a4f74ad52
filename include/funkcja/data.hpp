// C++ interface: the data library's session globals, for hosts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// Sets a global from text; the name as "$GGG:SCIEZKA_SET", "$DANE_ID_FIRMY" or by the name
// rule ("GGG_SCIEZKA_SET"). False for an unknown name or a value of the wrong form.
inline bool set_global(std::string_view name, std::string_view value) {
  return ::fk_global_set(c_api::text(name), c_api::text(value)) != 0;
}
// The global's value as text; nothing for an unknown name.
inline std::optional<std::string> get_global(std::string_view name) {
  if (::fk_global_exists(c_api::text(name)) == 0) return std::nullopt;
  return c_api::string(::fk_global_get(c_api::text(name)));
}

}  // namespace funkcja
