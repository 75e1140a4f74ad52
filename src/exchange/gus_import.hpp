// PODAJDANEGUS: a company's data from the company register (GUS) into the caller's record
// group, through the utility library TEMIXutilKS, as funkcja/exchange.hpp describes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/dane/group.hpp"

namespace funkcja::exchange {

std::uint8_t PODAJDANEGUS(dane::Group& group);

// The repairs made to the utility library's text before it is parsed: the numeric entities of
// ".", "-", "," and ")" to their characters, each apostrophe to a grave accent, every "&" to
// "&amp;", then "&quot;" to a double quote (by then only a text that held "&quot;" after the
// step before could match, which none does: "&quot;" has become "&amp;quot;").
std::string repair_register_text(std::string_view text);

}  // namespace funkcja::exchange
