// The validation procedures as the library calls them inside; the exported C functions wrap them
// and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/types.hpp"

namespace funkcja::validation {

// As funkcja/validation.hpp.
std::uint8_t IBANSPR(std::string_view account);
std::uint8_t SPR_NIP(std::string_view nip);
std::string OCZYSC_NIP(std::string_view nip);

// As funkcja/banks.hpp.
std::string GRUPUJ_RACH_BANK(std::string_view account);
std::uint8_t NUMER_KONTA_WKLEJ(TextBuffer check_digits, TextBuffer rest);
std::int32_t RACHUNEK_BANKOWY_CHECK(std::int32_t account, std::int32_t owner_id,
                                    std::string_view type);
std::string RACHUNEK_BANKOWY_GET(std::int32_t account, std::int32_t owner_id, std::string_view type,
                                 std::uint8_t grouped);
std::string RACHUNEK_BANKOWY_DEFAULT(std::int32_t owner_id, std::string_view type,
                                     std::uint8_t number_wanted);
std::int32_t GETBANKNBP(std::string_view unused = {});
std::string GETNAZWABANKU(std::string_view unused, std::int32_t bank);

}  // namespace funkcja::validation
