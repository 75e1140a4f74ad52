// C++ interface: the data library's session globals, for hosts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "funkcja/export.h"

namespace funkcja {

// Sets a global from text; the name as "$GGG:SCIEZKA_SET", "$DANE_ID_FIRMY" or by the name
// rule ("GGG_SCIEZKA_SET"). False for an unknown name or a value of the wrong form.
FK_API bool set_global(std::string_view name, std::string_view value);
// The global's value as text; nothing for an unknown name.
FK_API std::optional<std::string> get_global(std::string_view name);

}  // namespace funkcja
