// Account numbers typed or pasted by the user.
//
//   GRUPUJ_RACH_BANK("12345678901234567890123456") -> "12 3456 7890 1234 5678 9012 3456"
//   GRUPUJ_RACH_BANK("12-3456")                    -> "12-3456" (not an account number: as is)
//
//   clipboard "PL12 3456 7890 1234 5678 9012 3456", fields "" and ""
//   NUMER_KONTA_WKLEJ -> 1, fields "12" and "345678901234567890123456"; the same again -> 0
#include <string>

#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"
#include "validation/account_number.hpp"
#include "validation/procedures.hpp"

namespace funkcja::validation {
namespace {

constexpr std::size_t kGroupedCapacity = 100;
constexpr std::size_t kClipboardCapacity = 2000;

}  // namespace

std::string GRUPUJ_RACH_BANK(std::string_view account) {
  const std::string_view typed = text::cut(account, kGroupedCapacity);
  // Trailing blanks of a fixed-length field are no part of the number.
  const std::string_view number = text::clip(typed);
  if (!is_account_number(number)) return std::string(typed);
  return account_display_form(number);
}

std::uint8_t NUMER_KONTA_WKLEJ(TextBuffer check_digits, TextBuffer rest) {
  const std::string pasted = platform::Env::current().clipboard_text();
  const std::string_view copied = text::clip_to(pasted, kClipboardCapacity);
  if (copied.empty()) return 0;

  // The country prefix, blanks and hyphens of a copied number fall away with the other
  // non-digits; any count of digits but 26 is no account number.
  std::string digits;
  for (const char c : copied)
    if (is_digit(c)) digits += c;
  if (digits.size() != kAccountDigits) return 0;

  const std::string_view number(digits);
  const std::string_view check = number.substr(0, kCheckDigits);
  const std::string_view account = number.substr(kCheckDigits);
  if (text::same(check, check_digits.text()) && text::same(account, rest.text())) return 0;
  check_digits.assign(check);
  rest.assign(account);
  return 1;
}

}  // namespace funkcja::validation
