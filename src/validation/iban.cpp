// IBANSPR: the ISO 13616 / ISO 7064 MOD 97-10 check of an IBAN or of a Polish account number
// in IBAN form. The caller hands over the number reduced to its characters: country code,
// check digits, basic account number, no blanks or separators, letters in upper case.
//
//   PL30123412341234123412341234
//   rotate:  123412341234123412341234 PL30
//   letters: P = 25, L = 21 -> 123412341234123412341234252130
//   that number mod 97 = 1  -> IBANSPR gives 0 (valid; 1 means the check failed)
//
// Only the first 100 characters count; trailing blanks of a fixed-length field are dropped.
// The digit string is reduced piecewise, so numbers of any length are checked exactly. A
// character that is neither a digit nor an upper-case letter (a blank, a hyphen, a lower-case
// country code) fails the check: such text is not an account number.
#include <array>
#include <cstdint>

#include "frame/text_rules.hpp"
#include "funkcja/validation.hpp"

namespace funkcja {
namespace {

constexpr std::size_t kMaxLength = 100;
constexpr std::size_t kRotated = 4;  // country code and check digits move to the end

// How each byte extends the digit string: a digit appends itself, A..Z append 10..35; a
// scale of 0 marks a character that no account number holds.
struct Step {
  std::uint8_t scale;
  std::uint8_t value;
};

constexpr std::array<Step, 256> kSteps = [] {
  std::array<Step, 256> steps{};
  for (int c = '0'; c <= '9'; ++c) steps[c] = {10, static_cast<std::uint8_t>(c - '0')};
  for (int c = 'A'; c <= 'Z'; ++c) steps[c] = {100, static_cast<std::uint8_t>(c - 'A' + 10)};
  return steps;
}();

// Remainder carried through the digits: kept below 10^15 so that one more letter (times 100,
// plus 35) never leaves 64 bits.
struct Mod97 {
  std::uint64_t acc = 0;
  bool clean = true;

  void feed(std::string_view part) {
    for (const char c : part) {
      const Step s = kSteps[static_cast<unsigned char>(c)];
      clean &= s.scale != 0;
      acc = acc * s.scale + s.value;
      if (acc >= 1000000000000000ULL) acc %= 97;
    }
  }
};

}  // namespace

std::uint8_t IBANSPR(std::string_view account) {
  const std::string_view s = text::clip_to(account, kMaxLength);
  const std::size_t head = s.size() < kRotated ? s.size() : kRotated;
  Mod97 m;
  m.feed(s.substr(head));
  m.feed(s.substr(0, head));
  return m.clean && m.acc % 97 == 1 ? 0 : 1;
}

}  // namespace funkcja
