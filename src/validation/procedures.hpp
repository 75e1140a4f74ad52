// The validation procedures as the library calls them inside; the exported C functions wrap them
// and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::validation {

// As funkcja/validation.hpp.
std::uint8_t IBANSPR(std::string_view account);
std::uint8_t SPR_NIP(std::string_view nip);
std::string OCZYSC_NIP(std::string_view nip);

}  // namespace funkcja::validation
