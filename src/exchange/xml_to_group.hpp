// XMLDOGRUPY: the children of an XML document's root element into the fields of a record
// group, by position or by name.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/dane/group.hpp"

namespace funkcja::exchange {

// As funkcja/exchange.hpp. xml is code page 1250.
void XMLDOGRUPY(std::string_view xml, dane::Group& group, std::uint8_t positional);

}  // namespace funkcja::exchange
