// C++ interface: matching a value against a wildcard mask.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// 0 when the value fits the mask ("*" any run, "?" one character other than a blank), 1 when
// it does not. An empty or all-blank mask fits every value. The match never backtracks: each
// "*" takes the first occurrence of the literal after it. Characters after a final literal
// are accepted ("abc" fits "abcd"). Literals longer than 50 characters are matched whole.
inline std::uint8_t SPR_MASKA(std::string_view value, std::string_view mask) {
  return ::SPR_MASKA(c_api::text(value), c_api::text(mask));
}

}  // namespace funkcja
