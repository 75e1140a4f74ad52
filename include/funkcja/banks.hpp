// C++ interface: bank account numbers, the accounts of contractors ("K"), employees ("P") and
// the third kind of owner ("U"), and the bank register. The lookups run on the calling
// thread's query tables; the owner type is compared case-sensitively with trailing blanks
// ignored, and any other type owns no accounts.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// A 26-digit account number (trailing blanks ignored) in display form: the check digits, a
// blank, then six groups of four digits: "12 3456 7890 1234 5678 9012 3456". Any other text,
// for example one with 25 digits, a hyphen or already grouped, comes back unchanged (cut to
// 100 characters).
inline std::string GRUPUJ_RACH_BANK(std::string_view account) {
  return c_api::string(::GRUPUJ_RACH_BANK(c_api::text(account)));
}

// Pastes the account number on the clipboard into the two fields that hold it: its first two
// digits into check_digits and the other 24 into rest. The clipboard's text counts by its
// digits alone (a country prefix, blanks and hyphens fall away) and must hold exactly 26.
// 1 when the fields were replaced; 0, fields unchanged, when the clipboard holds no such
// number or the fields already hold it.
inline std::uint8_t NUMER_KONTA_WKLEJ(std::string& check_digits, std::string& rest) {
  std::vector<char> check(std::max<std::size_t>(check_digits.size(), 2) + 1, '\0');
  std::vector<char> tail(std::max<std::size_t>(rest.size(), 24) + 1, '\0');
  check_digits.copy(check.data(), check_digits.size());
  rest.copy(tail.data(), rest.size());
  const std::uint8_t pasted = ::NUMER_KONTA_WKLEJ(fk_buffer{check.data(), check.size()},
                                                  fk_buffer{tail.data(), tail.size()});
  if (pasted != 0) {
    check_digits = check.data();
    rest = tail.data();
  }
  return pasted;
}

// The account id when account belongs to that owner of that type, else 0.
inline std::int32_t RACHUNEK_BANKOWY_CHECK(std::int32_t account, std::int32_t owner,
                                           std::string_view type) {
  return ::RACHUNEK_BANKOWY_CHECK(account, owner, c_api::text(type));
}

// The number of the owner's account as stored (up to 100 characters), in display form when
// grouped is set and it is 26 digits; "<domyślny>" (code page 1250) for account 0, whatever
// the type; empty when the owner has no such account.
inline std::string RACHUNEK_BANKOWY_GET(std::int32_t account, std::int32_t owner,
                                        std::string_view type, std::uint8_t grouped) {
  return c_api::string(::RACHUNEK_BANKOWY_GET(account, owner, c_api::text(type), grouped));
}

// The default account of a contractor (K) or employee (P): its id in decimal, "0" when there
// is none (always for U); with number_wanted set and a default account, its number as stored
// instead (not grouped).
inline std::string RACHUNEK_BANKOWY_DEFAULT(std::int32_t owner, std::string_view type,
                                            std::uint8_t number_wanted) {
  return c_api::string(::RACHUNEK_BANKOWY_DEFAULT(owner, c_api::text(type), number_wanted));
}

// id_banku of the National Bank of Poland: the bank numbered 10100000, else the first whose
// number begins with 101, else the first whose symbol or name says NBP or NARODOWY; 0 when
// there is none. The text is not used.
inline std::int32_t GETBANKNBP(std::string_view unused = {}) {
  return ::GETBANKNBP(c_api::text(unused));
}

// The name of the bank (up to 200 characters), or its symbol when the name is empty; empty
// for an unknown bank. The text is not used.
inline std::string GETNAZWABANKU(std::string_view unused, std::int32_t bank) {
  return c_api::string(::GETNAZWABANKU(c_api::text(unused), bank));
}

}  // namespace funkcja
