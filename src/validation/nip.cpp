// SPR_NIP and OCZYSC_NIP: the Polish tax identification number (NIP), ten digits with the
// last one a check digit.
//
//   SPR_NIP("123-456-32-18"): digits 1234563218, weights 6 5 7 2 3 4 5 6 7,
//     1*6 + 2*5 + 3*7 + 4*2 + 5*3 + 6*4 + 3*5 + 2*6 + 1*7 = 118, 118 mod 11 = 8 = last digit
//     -> 1 (accepted). A remainder of 10 matches no digit, so such numbers are rejected.
//   SPR_NIP("PL1234563217") -> 1: a number that starts with a country prefix is not checked.
//   OCZYSC_NIP("PL 123-456-32-18") -> "PL1234563218"
#include <array>
#include <string>

#include "frame/text_rules.hpp"
#include "validation/digits.hpp"
#include "validation/procedures.hpp"

namespace funkcja::validation {
namespace {

constexpr std::size_t kNipDigits = 10;
constexpr std::array<int, 9> kWeights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::size_t kCleanCapacity = 254;

// Digits and the upper-case Latin letters of the Polish alphabet: no Q, V, X or Y.
constexpr std::array<bool, 256> kKept = [] {
  std::array<bool, 256> kept{};
  for (int c = '0'; c <= '9'; ++c) kept[c] = true;
  for (const char c : std::string_view("ABCDEFGHIJKLMNOPRSTUWZ"))
    kept[static_cast<unsigned char>(c)] = true;
  return kept;
}();

}  // namespace

std::uint8_t SPR_NIP(std::string_view nip) {
  const std::size_t first = nip.find_first_not_of(text::kBlank);
  if (first == std::string_view::npos) return 0;    // nothing typed: nothing to accept
  if (!validation::is_digit(nip[first])) return 1;  // country prefix: accepted unchecked

  std::array<char, kNipDigits> d{};
  if (validation::first_digits(nip, d.data(), d.size()) < kNipDigits) return 0;
  int sum = 0;
  for (std::size_t i = 0; i < kWeights.size(); ++i) sum += (d[i] - '0') * kWeights[i];
  return sum % 11 == d[9] - '0' ? 1 : 0;
}

std::string OCZYSC_NIP(std::string_view nip) {
  const std::string_view typed = text::clip(nip);
  std::string out;
  out.reserve(typed.size() < kCleanCapacity ? typed.size() : kCleanCapacity);
  for (const char c : typed) {
    if (out.size() == kCleanCapacity) break;
    if (kKept[static_cast<unsigned char>(c)]) out.push_back(c);
  }
  return out;
}

}  // namespace funkcja::validation
